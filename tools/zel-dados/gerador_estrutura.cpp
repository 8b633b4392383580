#include "gerador_montagem.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace gerador {
namespace {

// A family code is its subgroup's code and one more digit, 1 to 9. A subgroup
// with more than nine families goes on under the next three-digit prefix,
// which the source keeps free of subgroups.
QString codigoFamilia(const QString &subgrupo, int posicao) {
    const int prefixo = subgrupo.toInt() + posicao / 9;
    return u"%1%2"_s.arg(prefixo, 3, 10, QChar(u'0')).arg(posicao % 9 + 1);
}

// Occupations are numbered 01, 02, 03 ... in the order of the source, so a
// family holds at most 99 of them.
QString numeroOcupacao(int posicao) {
    return u"%1"_s.arg(posicao + 1, 2, 10, QChar(u'0'));
}

// An adjective qualifier ("automotivo") follows only an alternative that ends
// in its head noun: "Engenheiro de mecânica automotivo" is not said.
bool combinam(const QString &alternativo, const QString &qualificador) {
    if (qualificador.isEmpty() || ehPreposicao(qualificador.section(u' ', 0, 0)))
        return true;
    const QStringList palavras = alternativo.split(u' ');
    return std::none_of(palavras.begin(), palavras.end(), ehPreposicao);
}

// The synonyms written in the source come first, then the alternative agent
// nouns with the same qualifier, then the inclusive and feminine forms of
// the title and the feminine forms of the other synonyms. About one occupation
// in ten without written synonyms gets none.
QStringList sinonimosDe(const FamiliaFonte &familia, const ItemOcupacao &item, quint32 semente) {
    QStringList alternativos;
    if (item.composto)
        for (const QString &agente : familia.agentesAlternativos)
            if (combinam(agente, item.qualificador))
                alternativos << (item.qualificador.isEmpty() ? agente
                                                             : agente + u' ' + item.qualificador);
    QStringList candidatos = item.sinonimos + alternativos;
    candidatos << formaInclusiva(item.titulo) << formaFeminina(item.titulo);
    for (const QString &escrito : item.sinonimos + alternativos)
        candidatos << formaFeminina(escrito);
    QStringList sinonimos;
    for (const QString &c : std::as_const(candidatos))
        if (!c.isEmpty() && c != item.titulo && !sinonimos.contains(c))
            sinonimos << c;
    if (item.sinonimos.isEmpty() && semente % 100 < 10)
        return {};
    return sinonimos;
}

std::vector<OcupacaoGerada> ocupacoesDe(const FamiliaFonte &familia, int indiceFamilia,
                                        int *interno) {
    std::vector<OcupacaoGerada> ocupacoes;
    const int total = int(familia.itens.size());
    for (int i = 0; i < total; ++i) {
        const ItemOcupacao &item = familia.itens[size_t(i)];
        OcupacaoGerada o;
        o.interno = QString::number(++*interno);
        o.numero = numeroOcupacao(i);
        o.titulo = item.titulo;
        o.sinonimos = sinonimosDe(familia, item, sortear(quint32(indiceFamilia), quint32(i)));
        ocupacoes.push_back(std::move(o));
    }
    return ocupacoes;
}

} // namespace

QString emMinusculaInicial(const QString &titulo) {
    return titulo.left(1).toLower() + titulo.mid(1);
}

bool montarEstrutura(const Fonte &fonte, Tabelas *tabelas, Familias *familias, QString *erro) {
    QSet<QString> codigos;
    int interno = 0;
    for (const GrandeGrupoFonte &g : fonte.grandesGrupos) {
        tabelas->grandesGrupos.push_back({g.codigo, g.titulo});
        for (const SubgrupoPrincipalFonte &p : g.subgruposPrincipais) {
            tabelas->subgruposPrincipais.push_back({p.codigo, p.titulo, g.codigo});
            for (const SubgrupoFonte &s : p.subgrupos) {
                tabelas->subgrupos.push_back({s.codigo, s.titulo, p.codigo});
                for (int i = 0; i < int(s.familias.size()); ++i) {
                    FamiliaGerada f;
                    f.codigo = codigoFamilia(s.codigo, i);
                    if (s.familias[size_t(i)].itens.size() > 99) {
                        *erro = u"família com mais de 99 ocupações: "_s + f.codigo;
                        return false;
                    }
                    f.fonte = &s.familias[size_t(i)];
                    f.subgrupo = &s;
                    f.grandeGrupo = g.codigo.toInt();
                    f.indice = int(familias->size());
                    f.indiceNoSubgrupo = i;
                    f.ocupacoes = ocupacoesDe(*f.fonte, f.indice, &interno);
                    if (codigos.contains(f.codigo)) {
                        *erro = u"código de família repetido: "_s + f.codigo;
                        return false;
                    }
                    codigos.insert(f.codigo);
                    familias->push_back(std::move(f));
                }
            }
        }
    }
    return true;
}

void montarAfinidades(const Familias &familias, Tabelas *tabelas) {
    int pares = 0;
    for (size_t i = 0; i + 1 < familias.size(); ++i) {
        const FamiliaGerada &a = familias[i];
        const FamiliaGerada &b = familias[i + 1];
        // Neighbours in a subgroup pair up two by two; neighbours across a
        // subgroup boundary of the same major group now and then.
        const bool afins = a.subgrupo == b.subgrupo ? a.indiceNoSubgrupo % 2 == 0
                                                    : a.grandeGrupo == b.grandeGrupo &&
                                                          sortear(quint32(a.indice)) % 4 == 0;
        if (!afins)
            continue;
        const bool invertido = sortear(quint32(a.indice), quint32(b.indice)) % 2 == 1;
        const QString &primeira = invertido ? b.codigo : a.codigo;
        const QString &segunda = invertido ? a.codigo : b.codigo;
        tabelas->afinidades.push_back({primeira, segunda});
        if (pares % 37 == 0)
            tabelas->afinidades.push_back({segunda, primeira});
        ++pares;
    }
}

} // namespace gerador
