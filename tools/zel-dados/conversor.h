#pragma once

#include "tabua.h"

#include <QString>
#include <QStringList>
#include <unordered_map>
#include <vector>

// The conversion of one pair of bases over many codes, as the conversion by
// code screen converts each: the same checks of the code, the catalogue's
// statement run the way the screens run it, and the same items listed. Each
// code is converted once and its answer kept, so a file that repeats its
// codes is answered from memory; a file of ever new values (a column of
// identifiers given by mistake) keeps memory bounded, since the answers kept
// are dropped when there are `respostasGuardadas` of them.
class Conversor {
public:
    enum class Situacao { Convertido, SemCorrespondencia, CodigoInvalido, Excluida, Varias };
    // The names the situations are written with, in the order of the enum.
    static QStringList nomesSituacoes();

    static constexpr size_t respostasGuardadas = 100000;

    struct Resposta {
        Situacao situacao = Situacao::SemCorrespondencia;
        // Each item the result lists, once: code (a ZEL2002 occupation in its
        // six characters, without the hyphen) and title.
        std::vector<tabua::Item> itens;
        // Tells this answer apart from every other the converter gave, also
        // from those it dropped: what a caller keeps of an answer is found
        // again by it.
        quint64 numero = 0;
    };

    // The pair must be one of the conversions (`tabua::destinos`). With
    // `completarZeros`, a code of digits alone shorter than its base's codes
    // gets the zeros a spreadsheet took from its left. Throws ErroBanco when
    // the database cannot be read.
    Conversor(QString dados, QString de, QString para, bool completarZeros);

    // The answer for `codigo`, blanks around it ignored, valid until the
    // next call.
    const Resposta &converter(const QString &codigo);
    // How many codes were given zeros.
    qint64 completados() const { return m_completados; }

private:
    QString completar(const QString &codigo);
    Resposta consultar(const QString &codigo);

    QString m_dados;
    QString m_de;
    QString m_para;
    bool m_completarZeros;
    std::vector<qsizetype> m_larguras; // of the codes of base `de`, shortest first
    std::unordered_map<QString, Resposta> m_respostas;
    quint64 m_respostasDadas = 0;
    qint64 m_completados = 0;
};
