#include "gerador_montagem.h"

using namespace Qt::StringLiterals;

// The two other bases the conversion screens translate to and from: the
// international base groups (CIUO88) and the previous edition (ZEL94).
namespace gerador {
namespace {

// The families of one subgroup: a run of neighbours in the family list.
struct Trecho {
    size_t inicio = 0;
    size_t fim = 0;
};

std::vector<Trecho> trechosPorSubgrupo(const Familias &familias) {
    std::vector<Trecho> trechos;
    for (size_t i = 0; i < familias.size(); ++i) {
        if (i == 0 || familias[i].subgrupo != familias[i - 1].subgrupo)
            trechos.push_back({i, i});
        trechos.back().fim = i + 1;
    }
    return trechos;
}

// One group of the previous edition per 2002 subgroup, coded with three
// digits (the major group's digit and a count inside it). Its occupations
// add two digits, 01 to 89 in order; 90 is kept for the group's "others".
// The occupations the previous edition had admitted provisionally are coded
// apart: "X", the group's code and one digit, 1 to 8 (so that characters 4-5
// never read "90").
class Grupo94 {
public:
    explicit Grupo94(QString codigo) : m_codigo(std::move(codigo)) {}

    bool novoCodigo(QString *codigo, QString *erro) {
        if (m_ocupacoes == 89)
            return falhar(erro);
        *codigo = m_codigo + u"%1"_s.arg(++m_ocupacoes, 2, 10, QChar(u'0'));
        return true;
    }
    bool novoCodigoProvisorio(QString *codigo, QString *erro) {
        if (m_provisorias == 8)
            return falhar(erro);
        *codigo = u"X"_s + m_codigo + QString::number(++m_provisorias);
        return true;
    }
    QString codigoOutros() const { return m_codigo + u"90"_s; }

private:
    bool falhar(QString *erro) const {
        *erro = u"grupo ZEL94 cheio: "_s + m_codigo;
        return false;
    }

    QString m_codigo;
    int m_ocupacoes = 0;
    int m_provisorias = 0;
};

class MontagemZel94 {
public:
    MontagemZel94(const Familias &familias, Tabelas *tabelas)
        : m_familias(familias), m_tabelas(tabelas) {}

    bool montar(const std::vector<OcupacaoExtinta> &extintas, QString *erro) {
        int grupoAnterior = -1;
        int contagem = 0;
        for (const Trecho &t : trechosPorSubgrupo(m_familias)) {
            const int grandeGrupo = m_familias[t.inicio].grandeGrupo;
            contagem = grandeGrupo == grupoAnterior ? contagem + 1 : 1;
            grupoAnterior = grandeGrupo;
            m_grupos.emplace_back(u"%1%2"_s.arg(grandeGrupo).arg(contagem, 2, 10, QChar(u'0')));
            if (!subgrupo(t, m_grupos.back(), erro))
                return false;
        }
        for (const OcupacaoExtinta &e : extintas)
            if (!extinta(e, erro))
                return false;
        return true;
    }

private:
    // Most 2002 occupations continue one previous-edition occupation; some
    // share one with the occupation before them (which may be of the
    // neighbouring family), a few continue two, and a few are new.
    bool subgrupo(const Trecho &t, Grupo94 &grupo, QString *erro) {
        QString atual;
        QString anterior;
        for (size_t i = t.inicio; i < t.fim; ++i) {
            for (const OcupacaoGerada &o : m_familias[i].ocupacoes) {
                const quint32 sorte = sortear(o.interno.toUInt(), 94) % 100;
                if (sorte < 2)
                    continue;
                if (atual.isEmpty() || sorte >= 16) {
                    anterior = atual;
                    const bool provisoria = sortear(o.interno.toUInt(), 88) % 40 == 0;
                    if (!(provisoria ? grupo.novoCodigoProvisorio(&atual, erro)
                                     : grupo.novoCodigo(&atual, erro)))
                        return false;
                    ocupacao94(atual, o.titulo, u"AT"_s);
                }
                correspondencia(o, atual);
                if (sorte >= 95 && !anterior.isEmpty())
                    correspondencia(o, anterior);
            }
        }
        if (sortear(quint32(t.inicio), 90) % 2 == 0) {
            const FamiliaGerada &primeira = m_familias[t.inicio];
            ocupacao94(grupo.codigoOutros(),
                       u"Outros "_s + emMinusculaInicial(primeira.fonte->titulo), u"AT"_s);
            correspondencia(m_familias[t.fim - 1].ocupacoes.back(), grupo.codigoOutros());
        }
        return true;
    }

    // An occupation the 2002 edition excluded: linked to the first 2002
    // occupation whose title holds its key word and to up to two more of
    // other families, so that the conversion shows where its work went.
    bool extinta(const OcupacaoExtinta &e, QString *erro) {
        std::vector<const OcupacaoGerada *> destinos;
        size_t primeiraFamilia = 0;
        for (size_t i = 0; i < m_familias.size() && destinos.size() < 3; ++i) {
            for (const OcupacaoGerada &o : m_familias[i].ocupacoes) {
                if (!o.titulo.contains(e.palavraChave, Qt::CaseInsensitive))
                    continue;
                if (destinos.empty())
                    primeiraFamilia = i;
                destinos.push_back(&o);
                break;
            }
        }
        if (destinos.empty()) {
            *erro = u"ocupação extinta sem ocupação atual: "_s + e.titulo;
            return false;
        }
        Grupo94 &grupo = m_grupos[grupoDaFamilia(primeiraFamilia)];
        QString codigo;
        if (!grupo.novoCodigo(&codigo, erro))
            return false;
        ocupacao94(codigo, e.titulo, u"EX"_s);
        for (const OcupacaoGerada *o : destinos)
            correspondencia(*o, codigo);
        return true;
    }

    size_t grupoDaFamilia(size_t familia) const {
        size_t grupo = 0;
        for (size_t i = 1; i <= familia; ++i)
            if (m_familias[i].subgrupo != m_familias[i - 1].subgrupo)
                ++grupo;
        return grupo;
    }

    void ocupacao94(const QString &codigo, const QString &titulo, const QString &situacao) {
        m_tabelas->ocupacoes94.push_back({codigo, titulo, situacao});
    }
    void correspondencia(const OcupacaoGerada &o, const QString &codigo94) {
        m_tabelas->correspondencias.push_back({o.interno, codigo94});
    }

    const Familias &m_familias;
    Tabelas *m_tabelas;
    std::vector<Grupo94> m_grupos;
};

// Family i of n in a subgroup with m base groups belongs to group i * m / n.
int grupoCiuo(int familia, int familias, int grupos) {
    return familia * grupos / familias;
}

} // namespace

// About two base groups per subgroup, coded with four digits: the major
// group's digit, the principal subgroup's place in it, the subgroup's place
// in that and the group's place in the subgroup. A group of one family has
// the family's title; a group of several, the first one's "e afins". Every
// fourth occupation of a family points to the next group of its subgroup, so
// that a family can convert to more than one base group. The groups the
// source lists without correspondence come last in their subgroup.
bool montarCiuo88(const Fonte &fonte, Familias *familias, Tabelas *tabelas, QString *erro) {
    size_t proxima = 0;
    for (const GrandeGrupoFonte &g : fonte.grandesGrupos) {
        int lugarPrincipal = 0;
        for (const SubgrupoPrincipalFonte &p : g.subgruposPrincipais) {
            ++lugarPrincipal;
            int lugarSubgrupo = 0;
            for (const SubgrupoFonte &s : p.subgrupos) {
                const int n = int(s.familias.size());
                const int m = (n + 1) / 2 + (n >= 4 ? 1 : 0);
                const int semCorrespondencia = int(s.ciuo88SemCorrespondencia.size());
                if (lugarPrincipal > 9 || lugarSubgrupo > 9 || m + semCorrespondencia > 9) {
                    *erro = u"sem código CIUO88 para o subgrupo "_s + s.codigo;
                    return false;
                }
                std::vector<int> primeira(size_t(m), -1);
                std::vector<int> membros(size_t(m), 0);
                for (int i = 0; i < n; ++i) {
                    const size_t j = size_t(grupoCiuo(i, n, m));
                    if (primeira[j] < 0)
                        primeira[j] = i;
                    ++membros[j];
                }
                const QString prefixo =
                    g.codigo + QString::number(lugarPrincipal) + QString::number(lugarSubgrupo);
                QStringList codigos;
                for (int j = 0; j < m; ++j) {
                    codigos << prefixo + QString::number(j + 1);
                    const QString &titulo = s.familias[size_t(primeira[size_t(j)])].titulo;
                    tabelas->ciuo88.push_back(
                        {codigos.back(), membros[size_t(j)] > 1 ? titulo + u" e afins"_s : titulo});
                }
                for (int k = 0; k < semCorrespondencia; ++k)
                    tabelas->ciuo88.push_back(
                        {prefixo + QString::number(m + k + 1), s.ciuo88SemCorrespondencia[k]});
                for (int i = 0; i < n; ++i, ++proxima) {
                    auto &ocupacoes = (*familias)[proxima].ocupacoes;
                    for (size_t k = 0; k < ocupacoes.size(); ++k) {
                        const int grupo = (grupoCiuo(i, n, m) + (k % 4 == 3 ? 1 : 0)) % m;
                        ocupacoes[k].ciuo88 = codigos[grupo];
                    }
                }
                ++lugarSubgrupo;
            }
        }
    }
    return true;
}

bool montarZel94(const Fonte &fonte, const Familias &familias, Tabelas *tabelas, QString *erro) {
    return MontagemZel94(familias, tabelas).montar(fonte.extintas, erro);
}

} // namespace gerador
