// Fuzz target: the CSV reader and the importer. Any bytes as a table's file
// must be read or refused without a crash; bytes the reader reads to the end
// must be valid UTF-8 without control characters other than tab and line
// breaks (as an independent decoder sees them); read from a source in blocks
// of one to three bytes they must give the same records and the same error
// at the same place as read whole; and a refused import must leave the
// previous database as it was.

#include "csv.h"
#include "importador.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// A classification with one row per table; the fuzzed bytes replace TFamilia.csv.
const char *const tabelas[][2] = {
    {"TGrande_Grupo", "Cod_Gde_Gp,Tit_Gde_Gp\n0,Grupo\n"},
    {"TSubgrupo_Principal", "Cod_Sgp_Pcp,Tit_Sgp_Pcp,Cod_Gde_Gp\n01,Sub,0\n"},
    {"TSubgrupo", "Cod_Sgp,Tit_Sgp,Cod_Sgp_Pcp\n011,Sub,01\n"},
    {"TOcupacao",
     "cod_int_ocup,cod_familia,cod_ocup,nom_ocup,Cod_Gp_Base_CIUO88\n1,0111,05,Ocup,0110\n"},
    {"TSinonimo", "cod_int_ocup,nom_sin,cod_sin\n1,Sin,1\n"},
    {"TTemplate", "cod_familia,cond_exerc,form_exp,descr_excecao\n0111,a,b,c\n"},
    {"TAfinidade", "cod_familia,cod_familia_afim\n"},
    {"TOcupacao94", "Cod_Ocup_Zel94,Nom_Ocup94,Tp_Situacao\n00110,Velha,AT\n"},
    {"TOcup_2000_94", "cod_int_ocup,Cod_Ocup_Zel94\n1,00110\n"},
    {"TGrupo_Base_CIUO88", "Cod_Gp_Base_CIUO88,Tit_Grp_Base_CIUO88\n0110,Forças\n"},
};

void gravar(const QString &caminho, const QByteArray &conteudo) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(conteudo) != conteudo.size())
        std::abort();
}

// What the reader may accept: UTF-8 that Qt's decoder reads without error,
// and no control character but tab, LF and CR (U+0000 to U+001F, U+007F to
// U+009F).
bool textoAceitavel(const QByteArray &bytes) {
    QStringDecoder decodificador(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = decodificador(bytes);
    if (decodificador.hasError())
        return false;
    for (const QChar c : texto) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || (u >= 0x7F && u <= 0x9F))
            return false;
    }
    return true;
}

struct Leitura {
    QList<QStringList> registros;
    QList<int> linhas;
    QString erro;
    int linhaErro = 0;
    int campoErro = 0;
    qsizetype byteErro = 0;
    bool operator==(const Leitura &) const = default;
};

Leitura ler(LeitorCsv &leitor) {
    Leitura leitura;
    while (const std::optional<QStringList> registro = leitor.proximo()) {
        leitura.registros << *registro;
        leitura.linhas << leitor.linha();
    }
    leitura.erro = leitor.erro();
    leitura.linhaErro = leitor.linhaErro();
    leitura.campoErro = leitor.campoErro();
    leitura.byteErro = leitor.byteErro();
    return leitura;
}

// The same bytes from a source that gives one, two or three at a time.
Leitura lerAosPoucos(const QByteArray &bytes) {
    qsizetype posicao = 0;
    LeitorCsv leitor([&bytes, &posicao](char *destino, qsizetype) {
        const qsizetype n = std::min<qsizetype>(1 + posicao % 3, bytes.size() - posicao);
        std::memcpy(destino, bytes.constData() + posicao, size_t(n));
        posicao += n;
        return n;
    });
    return ler(leitor);
}

QByteArray resumo(const QString &caminho) {
    QFile arquivo(caminho);
    arquivo.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(arquivo.readAll(), QCryptographicHash::Sha256);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
    const QByteArray bytes(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
    LeitorCsv leitor(bytes);
    const Leitura inteira = ler(leitor);
    if (inteira.erro.isEmpty() && !textoAceitavel(bytes))
        std::abort();
    if (lerAosPoucos(bytes) != inteira)
        std::abort();

    static QTemporaryDir base;
    static const QString csv = base.path() + u"/csv"_s;
    static const QString destino = base.path() + u"/dados"_s;
    static const QByteArray anterior = [] {
        QDir().mkpath(csv);
        for (const auto &tabela : tabelas)
            gravar(csv + u"/"_s + QString::fromLatin1(tabela[0]) + u".csv"_s, tabela[1]);
        gravar(csv + u"/TFamilia.csv"_s,
               "cod_familia,tit_familia,descr_familia,Cod_Sgp\n0111,Fam,Descr,011\n");
        QString erro;
        if (!importador::importar(csv, destino, &erro))
            std::abort();
        return resumo(destino + u"/zel2002.db"_s);
    }();
    gravar(csv + u"/TFamilia.csv"_s, bytes);
    QString erro;
    if (!importador::importar(csv, destino, &erro)) {
        if (erro.isEmpty() || resumo(destino + u"/zel2002.db"_s) != anterior)
            std::abort();
        return 0;
    }
    // Accepted: put the previous database back for the next input.
    gravar(csv + u"/TFamilia.csv"_s,
           "cod_familia,tit_familia,descr_familia,Cod_Sgp\n0111,Fam,Descr,011\n");
    if (!importador::importar(csv, destino, &erro))
        std::abort();
    return 0;
}
