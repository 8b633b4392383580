#include "gerador_modelo.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

// Reads the curated source of the sample classification. The files are
// embedded in the program (resource prefix /amostra), so the installed tool
// needs no source tree.
//
// Structure files (estrutura/grupoN.txt), one entry per line:
//   G <code> | <major group title>
//   P <code> | <principal subgroup title>
//   S <code> | <subgroup title>
//   A <field of training of the subgroup>
//   @ <where the subgroup's work is done, beginning with a preposition>
//   T <task>; <task>; ...        tasks of the subgroup, or of the family above
//   F <family title> | <agent noun> ~ <alternative> ~ ... | <item>; <item>; ...
//   + <item>; <item>; ...        more items of the family above
//   C <title>                    a CIUO88 base group of the subgroup's field
//                                to which no 2002 occupation corresponds
// An item is "*" (the agent noun alone), a qualifier that follows the agent
// noun ("de acabamento"), or a title of its own (it begins with a capital);
// synonyms written out follow in braces: "de fachada {Fachadista / Frentista}".
// Text files (textos.txt): "[section]" lines, each followed by alternative
// sentence patterns, one per line. Extinct occupations
// (ocupacoes94_extintas.txt): "<title> > <key word of the 2002 titles>".
namespace gerador {
namespace {

const QString raiz = u":/amostra/"_s;

struct Leitura {
    QString arquivo;
    int linha = 0;
    QString *erro = nullptr;

    bool falhar(const QString &mensagem) const {
        *erro = arquivo + u":"_s + QString::number(linha) + u": "_s + mensagem;
        return false;
    }
};

bool lerLinhas(const QString &arquivo, QStringList *linhas, QString *erro) {
    QFile f(raiz + arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        *erro = u"fonte da amostra ausente: "_s + arquivo;
        return false;
    }
    *linhas = QString::fromUtf8(f.readAll()).split(u'\n');
    return true;
}

bool ignorada(const QString &linha) {
    return linha.isEmpty() || linha.startsWith(u'#');
}

QStringList partes(const QString &texto, QChar separador) {
    QStringList resultado;
    for (const QString &p : texto.split(separador)) {
        const QString limpo = p.trimmed();
        if (!limpo.isEmpty())
            resultado << limpo;
    }
    return resultado;
}

ItemOcupacao lerItem(QString texto, const QString &agente) {
    ItemOcupacao item;
    const int abre = texto.indexOf(u'{');
    if (abre >= 0) {
        item.sinonimos = partes(texto.mid(abre + 1, texto.lastIndexOf(u'}') - abre - 1), u'/');
        texto = texto.left(abre).trimmed();
    }
    if (texto == u"*"_s) {
        item.titulo = agente;
        item.composto = true;
    } else if (texto.front().isUpper()) {
        item.titulo = texto;
    } else {
        item.titulo = agente + u' ' + texto;
        item.qualificador = texto;
        item.composto = true;
    }
    return item;
}

bool lerItens(const QString &texto, FamiliaFonte *familia, const Leitura &leitura) {
    for (const QString &p : partes(texto, u';')) {
        if (p.count(u'{') != p.count(u'}'))
            return leitura.falhar(u"chaves desemparelhadas em \""_s + p + u"\""_s);
        familia->itens.push_back(lerItem(p, familia->agente));
    }
    return true;
}

// Splits "<code> | <title>" and checks the code's width and parent prefix.
bool lerCodigoTitulo(const QString &resto, int largura, const QString &prefixo, QString *codigo,
                     QString *titulo, const Leitura &leitura) {
    const QStringList p = partes(resto, u'|');
    if (p.size() != 2)
        return leitura.falhar(u"esperado \"código | título\""_s);
    if (p[0].size() != largura || !p[0].startsWith(prefixo))
        return leitura.falhar(u"código fora do formato: "_s + p[0]);
    *codigo = p[0];
    *titulo = p[1];
    return true;
}

class LeitorEstrutura {
public:
    LeitorEstrutura(std::vector<GrandeGrupoFonte> *grupos, Leitura leitura)
        : m_grupos(grupos), m_leitura(std::move(leitura)) {}

    bool ler(const QString &linha) {
        const QChar tipo = linha.front();
        const QString resto = linha.mid(2).trimmed();
        switch (tipo.unicode()) {
        case u'G':
            return grandeGrupo(resto);
        case u'P':
            return subgrupoPrincipal(resto);
        case u'S':
            return subgrupo(resto);
        case u'A':
            return campoSubgrupo(&SubgrupoFonte::area, resto);
        case u'@':
            return campoSubgrupo(&SubgrupoFonte::ambiente, resto);
        case u'T':
            return tarefas(resto);
        case u'F':
            return familia(resto);
        case u'C':
            return ciuo88SemCorrespondencia(resto);
        case u'+':
            return m_familia ? lerItens(resto, m_familia, m_leitura)
                             : m_leitura.falhar(u"itens sem família"_s);
        default:
            return m_leitura.falhar(u"linha de tipo desconhecido"_s);
        }
    }

    void proximaLinha() { ++m_leitura.linha; }

private:
    bool grandeGrupo(const QString &resto) {
        GrandeGrupoFonte g;
        if (!lerCodigoTitulo(resto, 1, QString(), &g.codigo, &g.titulo, m_leitura))
            return false;
        m_grupos->push_back(std::move(g));
        m_subgrupo = nullptr;
        m_familia = nullptr;
        return true;
    }

    bool subgrupoPrincipal(const QString &resto) {
        if (m_grupos->empty())
            return m_leitura.falhar(u"subgrupo principal fora de grande grupo"_s);
        GrandeGrupoFonte &g = m_grupos->back();
        SubgrupoPrincipalFonte p;
        if (!lerCodigoTitulo(resto, 2, g.codigo, &p.codigo, &p.titulo, m_leitura))
            return false;
        g.subgruposPrincipais.push_back(std::move(p));
        m_subgrupo = nullptr;
        m_familia = nullptr;
        return true;
    }

    bool subgrupo(const QString &resto) {
        if (m_grupos->empty() || m_grupos->back().subgruposPrincipais.empty())
            return m_leitura.falhar(u"subgrupo fora de subgrupo principal"_s);
        SubgrupoPrincipalFonte &p = m_grupos->back().subgruposPrincipais.back();
        SubgrupoFonte s;
        if (!lerCodigoTitulo(resto, 3, p.codigo, &s.codigo, &s.titulo, m_leitura))
            return false;
        p.subgrupos.push_back(std::move(s));
        m_subgrupo = &p.subgrupos.back();
        m_familia = nullptr;
        return true;
    }

    bool campoSubgrupo(QString SubgrupoFonte::*campo, const QString &resto) {
        if (!m_subgrupo)
            return m_leitura.falhar(u"linha de subgrupo fora de subgrupo"_s);
        m_subgrupo->*campo = resto;
        return true;
    }

    bool ciuo88SemCorrespondencia(const QString &resto) {
        if (!m_subgrupo)
            return m_leitura.falhar(u"grupo CIUO88 fora de subgrupo"_s);
        m_subgrupo->ciuo88SemCorrespondencia << resto;
        return true;
    }

    bool tarefas(const QString &resto) {
        if (!m_subgrupo)
            return m_leitura.falhar(u"tarefas fora de subgrupo"_s);
        (m_familia ? m_familia->tarefas : m_subgrupo->tarefas) = partes(resto, u';');
        return true;
    }

    bool familia(const QString &resto) {
        if (!m_subgrupo)
            return m_leitura.falhar(u"família fora de subgrupo"_s);
        const QStringList p = partes(resto, u'|');
        if (p.size() != 3)
            return m_leitura.falhar(u"esperado \"título | agente | itens\""_s);
        FamiliaFonte f;
        f.titulo = p[0];
        const QStringList agentes = partes(p[1], u'~');
        f.agente = agentes.front();
        f.agentesAlternativos = agentes.mid(1);
        m_subgrupo->familias.push_back(std::move(f));
        m_familia = &m_subgrupo->familias.back();
        return lerItens(p[2], m_familia, m_leitura);
    }

    std::vector<GrandeGrupoFonte> *m_grupos;
    Leitura m_leitura;
    SubgrupoFonte *m_subgrupo = nullptr;
    FamiliaFonte *m_familia = nullptr;
};

bool lerEstrutura(const QString &arquivo, std::vector<GrandeGrupoFonte> *grupos, QString *erro) {
    QStringList linhas;
    if (!lerLinhas(arquivo, &linhas, erro))
        return false;
    LeitorEstrutura leitor(grupos, Leitura{arquivo, 0, erro});
    for (const QString &bruta : linhas) {
        leitor.proximaLinha();
        const QString linha = bruta.trimmed();
        if (!ignorada(linha) && !leitor.ler(linha))
            return false;
    }
    return true;
}

// The last digit of a principal subgroup's or a subgroup's code is its place
// among its parent's children, counting from 1: the numbering has no gaps.
bool emOrdem(const QString &codigo, size_t lugar) {
    return lugar < 9 && codigo.back() == QChar(u'1' + char16_t(lugar));
}

// Every level has children, in order, and every subgroup carries its texts,
// so the tree the screens walk is complete.
bool verificarArvore(const std::vector<GrandeGrupoFonte> &grupos, QString *erro) {
    for (size_t i = 0; i < grupos.size(); ++i) {
        const GrandeGrupoFonte &g = grupos[i];
        if (g.codigo != QString::number(i) || g.subgruposPrincipais.empty()) {
            *erro = u"grande grupo fora de ordem ou vazio: "_s + g.codigo;
            return false;
        }
        for (size_t j = 0; j < g.subgruposPrincipais.size(); ++j) {
            const SubgrupoPrincipalFonte &p = g.subgruposPrincipais[j];
            if (p.subgrupos.empty() || !emOrdem(p.codigo, j)) {
                *erro = u"subgrupo principal fora de ordem ou vazio: "_s + p.codigo;
                return false;
            }
            for (size_t k = 0; k < p.subgrupos.size(); ++k) {
                const SubgrupoFonte &s = p.subgrupos[k];
                if (!emOrdem(s.codigo, k) || s.familias.empty() || s.area.isEmpty() ||
                    s.ambiente.isEmpty() || s.tarefas.size() < 3) {
                    *erro = u"subgrupo fora de ordem ou incompleto: "_s + s.codigo;
                    return false;
                }
            }
        }
    }
    return true;
}

bool lerTextos(QHash<QString, QStringList> *textos, QString *erro) {
    QStringList linhas;
    if (!lerLinhas(u"textos.txt"_s, &linhas, erro))
        return false;
    Leitura leitura{u"textos.txt"_s, 0, erro};
    QString secao;
    for (const QString &bruta : linhas) {
        ++leitura.linha;
        const QString linha = bruta.trimmed();
        if (ignorada(linha))
            continue;
        if (linha.startsWith(u'[') && linha.endsWith(u']'))
            secao = linha.mid(1, linha.size() - 2);
        else if (secao.isEmpty())
            return leitura.falhar(u"texto fora de seção"_s);
        else
            (*textos)[secao] << linha;
    }
    return true;
}

// The sentence patterns that the family texts draw from, per major group
// where the texts depend on the kind of work.
bool verificarTextos(const QHash<QString, QStringList> &textos, int grupos, QString *erro) {
    QStringList secoes = {u"descricao.ambiente"_s, u"descricao.ocupacoes"_s, u"excecao.irmao"_s,
                          u"excecao.sozinha"_s,    u"condicoes.segunda"_s,   u"formacao.segunda"_s,
                          u"excecao.segunda"_s};
    for (int g = 0; g < grupos; ++g)
        for (const QString &secao : {u"descricao.grupo."_s, u"condicoes."_s, u"formacao."_s})
            secoes << secao + QString::number(g);
    for (const QString &secao : std::as_const(secoes)) {
        if (textos.value(secao).isEmpty()) {
            *erro = u"textos.txt: falta a seção "_s + secao;
            return false;
        }
    }
    return true;
}

bool lerExtintas(std::vector<OcupacaoExtinta> *extintas, QString *erro) {
    QStringList linhas;
    const QString arquivo = u"ocupacoes94_extintas.txt"_s;
    if (!lerLinhas(arquivo, &linhas, erro))
        return false;
    Leitura leitura{arquivo, 0, erro};
    for (const QString &bruta : linhas) {
        ++leitura.linha;
        const QString linha = bruta.trimmed();
        if (ignorada(linha))
            continue;
        const QStringList p = partes(linha, u'>');
        if (p.size() != 2)
            return leitura.falhar(u"esperado \"título > palavra\""_s);
        extintas->push_back({p[0], p[1]});
    }
    return true;
}

} // namespace

bool lerFonte(Fonte *fonte, QString *erro) {
    const QStringList arquivos = QDir(raiz + u"estrutura"_s).entryList(QDir::Files, QDir::Name);
    for (const QString &arquivo : arquivos)
        if (!lerEstrutura(u"estrutura/"_s + arquivo, &fonte->grandesGrupos, erro))
            return false;
    return verificarArvore(fonte->grandesGrupos, erro) && lerTextos(&fonte->textos, erro) &&
           verificarTextos(fonte->textos, int(fonte->grandesGrupos.size()), erro) &&
           lerExtintas(&fonte->extintas, erro);
}

} // namespace gerador
