#include "gerador_montagem.h"

using namespace Qt::StringLiterals;

// The texts of a family: its summary description and its TTemplate rows
// (conditions of work, training and experience, what it does not comprise),
// filled from the sentence patterns of textos.txt with the family's own
// nouns, tasks and neighbours.
namespace gerador {
namespace {

using Valores = QHash<QString, QString>;

QString preencher(QString modelo, const Valores &valores) {
    for (auto it = valores.begin(); it != valores.end(); ++it)
        modelo.replace(u'{' + it.key() + u'}', it.value());
    return modelo;
}

QString maiusculaInicial(const QString &texto) {
    return texto.left(1).toUpper() + texto.mid(1);
}

// "a", "a e b", "a, b e c"
QString enumerar(const QStringList &itens) {
    if (itens.size() < 2)
        return itens.join(QString());
    return itens.mid(0, itens.size() - 1).join(u", "_s) + u" e "_s + itens.last();
}

class TextosFamilia {
public:
    TextosFamilia(const Fonte &fonte, const Familias &familias, const FamiliaGerada &familia)
        : m_fonte(fonte), m_familia(familia) {
        const SubgrupoFonte &s = *familia.subgrupo;
        m_valores[u"familia"_s] = emMinusculaInicial(familia.fonte->titulo);
        m_valores[u"area"_s] = s.area;
        m_valores[u"ambiente"_s] = s.ambiente;
        const auto &ocupacoes = familia.ocupacoes;
        const size_t escolhida = sortear(quint32(familia.indice), 7) % ocupacoes.size();
        m_valores[u"ocupacao"_s] = emMinusculaInicial(ocupacoes[escolhida].titulo);
        QStringList exemplos;
        for (size_t i = 0; i < ocupacoes.size() && i < 3; ++i)
            exemplos << emMinusculaInicial(ocupacoes[i].titulo);
        m_valores[u"ocupacoes"_s] = enumerar(exemplos);
        if (const FamiliaGerada *irmao = vizinhaNoSubgrupo(familias)) {
            m_valores[u"outra"_s] = emMinusculaInicial(irmao->fonte->titulo);
            m_valores[u"codigo_outra"_s] = irmao->codigo;
        }
    }

    // Two to four sentences: what the family does, where, and which
    // occupations it holds.
    QString descricao() const {
        const QStringList &tarefas = m_familia.fonte->tarefas.isEmpty()
                                         ? m_familia.subgrupo->tarefas
                                         : m_familia.fonte->tarefas;
        QStringList escolhidas;
        const int n = int(tarefas.size());
        const int quantas = m_familia.fonte->tarefas.isEmpty() ? 3 : n;
        for (int i = 0; i < quantas; ++i)
            escolhidas << tarefas[(m_familia.indiceNoSubgrupo + i) % n];
        QStringList frases = {maiusculaInicial(escolhidas.join(u"; "_s)) + u'.',
                              frase(u"descricao.ambiente"_s, 1)};
        if (m_familia.ocupacoes.size() > 1 && sortear(quint32(m_familia.indice), 3) % 3 != 0)
            frases << frase(u"descricao.ocupacoes"_s, 2);
        if (sortear(quint32(m_familia.indice), 4) % 2 == 0)
            frases << frase(u"descricao.grupo."_s + QString::number(m_familia.grandeGrupo), 5);
        return frases.join(u' ');
    }

    // Most families have one row; some none, some two.
    Linhas templates() const {
        const int indice = m_familia.indice;
        if (indice % 29 == 13)
            return {};
        const QString grupo = QString::number(m_familia.grandeGrupo);
        const QString excecao = m_valores.contains(u"outra"_s) ? frase(u"excecao.irmao"_s, 6)
                                                               : frase(u"excecao.sozinha"_s, 6);
        Linhas linhas = {{m_familia.codigo, frase(u"condicoes."_s + grupo, 8),
                          frase(u"formacao."_s + grupo, 9), excecao}};
        if (indice % 19 == 6)
            linhas.push_back({m_familia.codigo, frase(u"condicoes.segunda"_s, 10),
                              frase(u"formacao.segunda"_s, 11), frase(u"excecao.segunda"_s, 12)});
        return linhas;
    }

private:
    const FamiliaGerada *vizinhaNoSubgrupo(const Familias &familias) const {
        const size_t i = size_t(m_familia.indice);
        if (i + 1 < familias.size() && familias[i + 1].subgrupo == m_familia.subgrupo)
            return &familias[i + 1];
        if (i > 0 && familias[i - 1].subgrupo == m_familia.subgrupo)
            return &familias[i - 1];
        return nullptr;
    }

    // One of the section's alternatives, chosen per family and per use.
    QString frase(const QString &secao, quint32 uso) const {
        const QStringList alternativas = m_fonte.textos.value(secao);
        if (alternativas.isEmpty())
            return QString();
        const quint32 i = sortear(quint32(m_familia.indice), uso) % quint32(alternativas.size());
        return preencher(alternativas[int(i)], m_valores);
    }

    const Fonte &m_fonte;
    const FamiliaGerada &m_familia;
    Valores m_valores;
};

} // namespace

void escreverFamilias(const Fonte &fonte, const Familias &familias, Tabelas *tabelas) {
    int codigoSinonimo = 0;
    for (const FamiliaGerada &f : familias) {
        const TextosFamilia textos(fonte, familias, f);
        tabelas->familias.push_back(
            {f.codigo, f.fonte->titulo, textos.descricao(), f.subgrupo->codigo});
        for (const QStringList &linha : textos.templates())
            tabelas->templates.push_back(linha);
        for (const OcupacaoGerada &o : f.ocupacoes) {
            tabelas->ocupacoes.push_back({o.interno, f.codigo, o.numero, o.titulo, o.ciuo88});
            for (const QString &sinonimo : o.sinonimos)
                tabelas->sinonimos.push_back(
                    {o.interno, sinonimo, QString::number(++codigoSinonimo)});
        }
    }
}

} // namespace gerador
