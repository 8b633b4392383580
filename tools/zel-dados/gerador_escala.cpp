#include "gerador_montagem.h"

using namespace Qt::StringLiterals;

// The sample at N times its size, for benchmarks: the escala-1 rows stay as
// they are, and N - 1 copies follow with new codes of the same widths and
// titles that say which series they belong to, so that a title search finds
// N times as many rows. Major groups stay the ten of escala 1 and the CIUO88
// base groups stay as they are.
namespace gerador {
namespace {

// Codes of the copies are written with digits, letters and accented letters;
// their first character is never a digit, so they never equal an escala-1
// code (all digits).
const QString alfabeto =
    u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzÀÁÂÃÇÉÊÍÓÔÕÚàáâãçéêíóôõú"_s;
constexpr int digitos = 10;

qint64 capacidade(int largura) {
    qint64 c = alfabeto.size() - digitos;
    for (int i = 1; i < largura; ++i)
        c *= alfabeto.size();
    return c;
}

QString codigoDeCopia(qint64 n, int largura) {
    QString codigo(largura, u'0');
    for (int i = largura - 1; i > 0; --i) {
        codigo[i] = alfabeto[int(n % alfabeto.size())];
        n /= alfabeto.size();
    }
    codigo[0] = alfabeto[int(digitos + n)];
    return codigo;
}

// The codes of one level: a code's place among the escala-1 codes of its
// level and the copy's number give the copy's code.
class Renomeador {
public:
    Renomeador(const Linhas &linhas, int largura) : m_largura(largura) {
        for (const QStringList &linha : linhas) {
            const QString codigo = linha[0].left(largura);
            if (!m_posicoes.contains(codigo))
                m_posicoes.insert(codigo, int(m_posicoes.size()));
        }
    }

    bool cabe(int escala) const {
        return qint64(escala - 1) * m_posicoes.size() <= capacidade(m_largura);
    }

    QString copia(const QString &codigo, int numeroCopia) const {
        const qint64 n =
            qint64(numeroCopia - 1) * m_posicoes.size() + m_posicoes.value(codigo.left(m_largura));
        return codigoDeCopia(n, m_largura) + codigo.mid(m_largura);
    }

private:
    QHash<QString, int> m_posicoes;
    int m_largura;
};

enum class Coluna { Igual, Titulo, Principal, Subgrupo, Familia, Interno, Sinonimo, Zel94 };

struct Regra {
    Linhas *linhas;
    std::vector<Coluna> colunas;
};

class Copiador {
public:
    explicit Copiador(const Tabelas &t)
        : m_principais(t.subgruposPrincipais, 2), m_subgrupos(t.subgrupos, 3),
          m_familias(t.familias, 4), m_grupos94(t.ocupacoes94, 3),
          m_ocupacoes(qint64(t.ocupacoes.size())), m_sinonimos(qint64(t.sinonimos.size())) {}

    bool cabe(int escala) const {
        return m_principais.cabe(escala) && m_subgrupos.cabe(escala) && m_familias.cabe(escala) &&
               m_grupos94.cabe(escala);
    }

    void definirCopia(int numero) {
        m_numero = numero;
        m_serie = u" (série "_s + QString::number(numero + 1) + u')';
    }

    QString valor(Coluna coluna, const QString &original) const {
        switch (coluna) {
        case Coluna::Igual:
            return original;
        case Coluna::Titulo:
            return original + m_serie;
        case Coluna::Principal:
            return m_principais.copia(original, m_numero);
        case Coluna::Subgrupo:
            return m_subgrupos.copia(original, m_numero);
        case Coluna::Familia:
            return m_familias.copia(original, m_numero);
        case Coluna::Interno:
            return QString::number(original.toLongLong() + m_numero * m_ocupacoes);
        case Coluna::Sinonimo:
            return QString::number(original.toLongLong() + m_numero * m_sinonimos);
        case Coluna::Zel94:
            return m_grupos94.copia(original, m_numero);
        }
        return original;
    }

private:
    Renomeador m_principais;
    Renomeador m_subgrupos;
    Renomeador m_familias;
    Renomeador m_grupos94; // the group part (three characters) of a ZEL94 code
    qint64 m_ocupacoes;
    qint64 m_sinonimos;
    int m_numero = 0;
    QString m_serie;
};

} // namespace

bool ampliar(int escala, Tabelas *t, QString *erro) {
    Copiador copiador(*t);
    if (!copiador.cabe(escala)) {
        *erro = u"escala grande demais para a largura dos códigos: "_s + QString::number(escala);
        return false;
    }
    using enum Coluna;
    const std::vector<Regra> regras = {
        {&t->subgruposPrincipais, {Principal, Titulo, Igual}},
        {&t->subgrupos, {Subgrupo, Titulo, Principal}},
        {&t->familias, {Familia, Titulo, Igual, Subgrupo}},
        {&t->ocupacoes, {Interno, Familia, Igual, Titulo, Igual}},
        {&t->sinonimos, {Interno, Titulo, Sinonimo}},
        {&t->templates, {Familia, Igual, Igual, Igual}},
        {&t->afinidades, {Familia, Familia}},
        {&t->ocupacoes94, {Zel94, Titulo, Igual}},
        {&t->correspondencias, {Interno, Zel94}},
    };
    for (const Regra &regra : regras) {
        Linhas &linhas = *regra.linhas;
        const size_t originais = linhas.size();
        linhas.reserve(originais * size_t(escala));
        for (int numero = 1; numero < escala; ++numero) {
            copiador.definirCopia(numero);
            for (size_t i = 0; i < originais; ++i) {
                QStringList linha = linhas[i];
                for (size_t c = 0; c < regra.colunas.size(); ++c)
                    linha[qsizetype(c)] = copiador.valor(regra.colunas[c], linha[qsizetype(c)]);
                linhas.push_back(std::move(linha));
            }
        }
    }
    return true;
}

} // namespace gerador
