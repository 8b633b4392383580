#include "gerador_montagem.h"

#include <QSet>
#include <bitset>
#include <functional>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

// The sample at N times its size, for benchmarks: the escala-1 rows stay as
// they are and N - 1 copies follow, copy c with titles that end in
// " (série c + 1)", so that every title stays distinguishable and a title
// search finds N times as many rows.
//
// Codes have fixed widths and digits only, so each level has a finite code
// space: 100 principal subgroups, 1,000 subgroups, 10,000 families, 100
// occupation numbers per family, 10,000 CIUO88 groups (4 digits) and 100,000
// ZEL94 codes (5 digits). A copy of a row gets a new code of its own while
// its level has free codes (copy 1 of every row first, then copy 2, ...).
// Once a level's codes are used up, a copy is folded into an existing
// instance of the same row (the original or one of its copies, in turn):
// subgroups into principal subgroups, families into subgroups, and the
// occupations of a family without a copy of its own become new occupations,
// with free numbers, of an instance of their family (or, when all of those
// are full, of the next family with room). So families stop growing near
// 10,000 (about escala 17), while occupations and synonyms keep growing N
// times until the occupation codes (10,000 families x 100 numbers) run out:
// that is the limit of the escala. ZEL94 and CIUO88 rows grow as far as their
// codes allow; past that, copies of correspondences and occupations point to
// existing ones. A ZEL94 copy keeps "90" at characters 4-5 exactly when its
// original has it, so the title A-Z index keeps its proportions. The major
// groups stay the ten of escala 1.
namespace gerador {
namespace {

constexpr int larguraFamilia = 4;
constexpr int numerosPorFamilia = 100;
constexpr int familiasPossiveis = 10000;

QString comDigitos(int n, int largura) {
    return QString::number(n).rightJustified(largura, u'0');
}

bool tem90(const QString &codigoZel94) {
    return codigoZel94.mid(3, 2) == u"90"_s;
}

// The free codes of one width, in increasing order: all codes of `largura`
// digits that escala 1 does not use and that `aceita` takes.
class Reserva {
public:
    Reserva(int largura, const QSet<QString> &usados, bool (*aceita)(const QString &) = nullptr) {
        int total = 1;
        for (int i = 0; i < largura; ++i)
            total *= 10;
        for (int n = 0; n < total; ++n) {
            const QString codigo = comDigitos(n, largura);
            if (!usados.contains(codigo) && (!aceita || aceita(codigo)))
                m_codigos << codigo;
        }
    }
    std::optional<QString> proximo() {
        if (m_proximo >= m_codigos.size())
            return std::nullopt;
        return m_codigos[m_proximo++];
    }

private:
    QStringList m_codigos;
    qsizetype m_proximo = 0;
};

// Where the copies of an escala-1 code take their codes from.
using EscolhaDeReserva = std::function<Reserva &(const QString &original)>;

// The codes of one level at escala N: each escala-1 code with the codes of
// its copies (copy 1 of every code first, then copy 2, ...) while the free
// codes last.
class Nivel {
public:
    Nivel(const Linhas &linhas, int escala, const EscolhaDeReserva &reservaDe) {
        for (const QStringList &linha : linhas)
            if (!m_indices.contains(linha[0])) {
                m_indices.insert(linha[0], int(m_originais.size()));
                m_originais << linha[0];
            }
        m_copias.resize(size_t(m_originais.size()));
        for (int c = 1; c < escala; ++c)
            for (qsizetype i = 0; i < m_originais.size(); ++i)
                if (m_copias[size_t(i)].size() == size_t(c - 1))
                    if (const std::optional<QString> codigo = reservaDe(m_originais[i]).proximo())
                        m_copias[size_t(i)].push_back(*codigo);
    }

    // Copy c of `original` has a code of its own.
    bool temCopia(const QString &original, int c) const {
        return c <= int(copias(original).size());
    }
    // The code that stands for copy c of `original`: its own, or else one of
    // the existing instances (the original and its copies), in turn.
    QString codigo(const QString &original, int c) const {
        const std::vector<QString> &proprias = copias(original);
        const int instancia = temCopia(original, c) ? c : c % int(proprias.size() + 1);
        return instancia == 0 ? original : proprias[size_t(instancia - 1)];
    }
    // Every code of the level: the originals, then the copies in the order
    // they were given.
    QStringList todos() const {
        QStringList codigos = m_originais;
        for (size_t c = 0;; ++c) {
            bool algum = false;
            for (const std::vector<QString> &proprias : m_copias)
                if (c < proprias.size()) {
                    codigos << proprias[c];
                    algum = true;
                }
            if (!algum)
                return codigos;
        }
    }

private:
    const std::vector<QString> &copias(const QString &original) const {
        return m_copias[size_t(m_indices.value(original))];
    }

    QHash<QString, int> m_indices;
    QStringList m_originais;
    std::vector<std::vector<QString>> m_copias;
};

QSet<QString> codigosDe(const Linhas &linhas, int coluna) {
    QSet<QString> codigos;
    for (const QStringList &linha : linhas)
        codigos.insert(linha[coluna]);
    return codigos;
}

// The occupation numbers taken in each family, and where a folded occupation
// goes: a free number in an instance of its own family, or else in the next
// family with room.
class Numeros {
public:
    explicit Numeros(const QStringList &familias) {
        for (const QString &familia : familias) {
            m_indices.insert(familia, int(m_familias.size()));
            m_familias << familia;
        }
        m_usados.resize(size_t(m_familias.size()));
    }
    void ocupar(const QString &familia, const QString &numero) {
        m_usados[size_t(m_indices.value(familia))].set(size_t(numero.toInt()));
    }
    // A free number in one of `familias`, tried in order, or else in the next
    // family with room; nothing when every number of every family is taken.
    std::optional<std::pair<QString, QString>> livre(const QStringList &familias) {
        for (const QString &familia : familias)
            if (const std::optional<QString> numero = livreEm(m_indices.value(familia)))
                return std::pair{familia, *numero};
        for (; m_cursor < m_familias.size(); ++m_cursor)
            if (const std::optional<QString> numero = livreEm(int(m_cursor)))
                return std::pair{m_familias[m_cursor], *numero};
        return std::nullopt;
    }

private:
    // Numbers 01 to 99, then 00.
    std::optional<QString> livreEm(int familia) {
        std::bitset<numerosPorFamilia> &usados = m_usados[size_t(familia)];
        for (int i = 1; i <= numerosPorFamilia; ++i) {
            const int numero = i % numerosPorFamilia;
            if (!usados.test(size_t(numero))) {
                usados.set(size_t(numero));
                return comDigitos(numero, 2);
            }
        }
        return std::nullopt;
    }

    QHash<QString, int> m_indices;
    QStringList m_familias;
    std::vector<std::bitset<numerosPorFamilia>> m_usados;
    qsizetype m_cursor = 0;
};

// Keys without a width: new ones count up from past the largest number among
// the originals.
class Contador {
public:
    explicit Contador(const Linhas &linhas, int coluna) {
        for (const QStringList &linha : linhas)
            m_proximo = std::max(m_proximo, linha[coluna].toLongLong() + 1);
    }
    QString proximo() { return QString::number(m_proximo++); }

private:
    qint64 m_proximo = 1;
};

class Ampliacao {
public:
    Ampliacao(int escala, Tabelas *t)
        : m_escala(escala), m_t(t), m_originais(*t),
          m_principais(t->subgruposPrincipais, escala, reserva(2, t->subgruposPrincipais)),
          m_subgrupos(t->subgrupos, escala, reserva(3, t->subgrupos)),
          m_familias(t->familias, escala, reserva(larguraFamilia, t->familias)),
          m_ciuo88(t->ciuo88, escala, reserva(4, t->ciuo88)),
          m_zel94(t->ocupacoes94, escala, reservasZel94(t->ocupacoes94)),
          m_numeros(m_familias.todos()), m_internos(t->ocupacoes, 0),
          m_sequencias(t->sinonimos, 2) {
        for (const QStringList &o : m_originais.ocupacoes)
            m_numeros.ocupar(o[1], o[2]);
        for (const QStringList &f : m_originais.familias)
            m_familiasDoOriginal[f[0]] = QStringList{f[0]};
    }

    void executar() {
        for (int c = 1; c < m_escala; ++c) {
            m_serie = u" (série "_s + QString::number(c + 1) + u')';
            copiarEstrutura(c);
            copiarOcupacoes(c);
            copiarTextos(c);
        }
    }

private:
    // A reserve that lives as long as the level that draws on it.
    EscolhaDeReserva reserva(int largura, const Linhas &linhas) {
        m_reservas.push_back(std::make_unique<Reserva>(largura, codigosDe(linhas, 0)));
        Reserva *r = m_reservas.back().get();
        return [r](const QString &) -> Reserva & { return *r; };
    }
    EscolhaDeReserva reservasZel94(const Linhas &linhas) {
        const QSet<QString> usados = codigosDe(linhas, 0);
        m_reservas.push_back(std::make_unique<Reserva>(5, usados, tem90));
        Reserva *com90 = m_reservas.back().get();
        m_reservas.push_back(std::make_unique<Reserva>(
            5, usados, [](const QString &codigo) { return !tem90(codigo); }));
        Reserva *sem90 = m_reservas.back().get();
        return [com90, sem90](const QString &original) -> Reserva & {
            return tem90(original) ? *com90 : *sem90;
        };
    }

    QString titulo(const QString &original) const { return original + m_serie; }

    void copiarEstrutura(int c) {
        for (const QStringList &p : m_originais.subgruposPrincipais)
            if (m_principais.temCopia(p[0], c))
                m_t->subgruposPrincipais.push_back(
                    {m_principais.codigo(p[0], c), titulo(p[1]), p[2]});
        for (const QStringList &s : m_originais.subgrupos)
            if (m_subgrupos.temCopia(s[0], c))
                m_t->subgrupos.push_back(
                    {m_subgrupos.codigo(s[0], c), titulo(s[1]), m_principais.codigo(s[2], c)});
        for (const QStringList &f : m_originais.familias)
            if (m_familias.temCopia(f[0], c)) {
                const QString codigo = m_familias.codigo(f[0], c);
                m_t->familias.push_back({codigo, titulo(f[1]), f[2], m_subgrupos.codigo(f[3], c)});
                m_familiasDoOriginal[f[0]] << codigo;
            }
        for (const QStringList &g : m_originais.ciuo88)
            if (m_ciuo88.temCopia(g[0], c))
                m_t->ciuo88.push_back({m_ciuo88.codigo(g[0], c), titulo(g[1])});
        for (const QStringList &z : m_originais.ocupacoes94)
            if (m_zel94.temCopia(z[0], c))
                m_t->ocupacoes94.push_back({m_zel94.codigo(z[0], c), titulo(z[1]), z[2]});
    }

    // The occupations of families with a copy of their own keep their
    // numbers in it; then the others take free numbers. Their synonyms and
    // correspondences follow them.
    void copiarOcupacoes(int c) {
        m_internosDaCopia.clear();
        for (const bool propria : {true, false})
            for (const QStringList &o : m_originais.ocupacoes)
                if (m_familias.temCopia(o[1], c) == propria)
                    copiarOcupacao(o, c);
        for (const QStringList &s : m_originais.sinonimos)
            m_t->sinonimos.push_back(
                {m_internosDaCopia.value(s[0]), titulo(s[1]), m_sequencias.proximo()});
        for (const QStringList &r : m_originais.correspondencias)
            m_t->correspondencias.push_back(
                {m_internosDaCopia.value(r[0]), m_zel94.codigo(r[1], c)});
    }

    void copiarOcupacao(const QStringList &o, int c) {
        QString familia = m_familias.codigo(o[1], c);
        QString numero = o[2];
        if (!m_familias.temCopia(o[1], c)) {
            // The instances of its family, beginning with the one of this copy's turn.
            QStringList instancias = m_familiasDoOriginal.value(o[1]);
            const qsizetype primeira = instancias.indexOf(familia);
            instancias = instancias.mid(primeira) + instancias.mid(0, primeira);
            // Always one: the escala is within the limit.
            std::tie(familia, numero) = m_numeros.livre(instancias).value();
        } else {
            m_numeros.ocupar(familia, numero);
        }
        const QString interno = m_internos.proximo();
        m_internosDaCopia.insert(o[0], interno);
        m_t->ocupacoes.push_back(
            {interno, familia, numero, titulo(o[3]), m_ciuo88.codigo(o[4], c)});
    }

    void copiarTextos(int c) {
        for (const QStringList &t : m_originais.templates)
            if (m_familias.temCopia(t[0], c))
                m_t->templates.push_back({m_familias.codigo(t[0], c), t[1], t[2], t[3]});
        for (const QStringList &a : m_originais.afinidades)
            if (m_familias.temCopia(a[0], c) && m_familias.temCopia(a[1], c))
                m_t->afinidades.push_back({m_familias.codigo(a[0], c), m_familias.codigo(a[1], c)});
    }

    int m_escala;
    Tabelas *m_t;
    const Tabelas m_originais;
    std::vector<std::unique_ptr<Reserva>> m_reservas;
    Nivel m_principais;
    Nivel m_subgrupos;
    Nivel m_familias;
    Nivel m_ciuo88;
    Nivel m_zel94;
    Numeros m_numeros;
    Contador m_internos;
    Contador m_sequencias;
    QHash<QString, QStringList> m_familiasDoOriginal; // its code and its copies' codes
    QHash<QString, QString> m_internosDaCopia;        // escala-1 key -> key in this copy
    QString m_serie;
};

// The escala at which every occupation code would be taken.
int escalaMaxima(const Tabelas &tabelas) {
    return int(qint64(familiasPossiveis) * numerosPorFamilia /
               std::max<qint64>(1, qint64(tabelas.ocupacoes.size())));
}

} // namespace

bool ampliar(int escala, Tabelas *t, QString *erro) {
    const int maxima = escalaMaxima(*t);
    if (escala > maxima) {
        *erro = u"a escala %1 passa do limite de %2: as %3 ocupações da amostra, %1 vezes, não "_s
                u"caberiam nos códigos de ocupação (%4 famílias de 4 algarismos, %5 números "_s
                u"de 2 algarismos em cada)"_s.arg(escala)
                    .arg(maxima)
                    .arg(t->ocupacoes.size())
                    .arg(familiasPossiveis)
                    .arg(numerosPorFamilia);
        return false;
    }
    if (escala > 1)
        Ampliacao(escala, t).executar();
    return true;
}

} // namespace gerador
