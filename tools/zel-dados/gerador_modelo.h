#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// The sample classification in the two shapes the generator works with: the
// curated source read from the embedded text files of dataset/, and the rows
// of the eleven tables, each row in the column order of the schema.
namespace gerador {

struct ItemOcupacao {
    QString titulo;        // the occupation title
    QString qualificador;  // what follows the family's agent noun in a composed title
    bool composto = false; // titulo = agent noun + qualificador
    QStringList sinonimos; // synonyms written out in the source
};

struct FamiliaFonte {
    QString titulo; // plural, as a family title reads
    QString agente; // the agent noun that composed occupation titles begin with
    QStringList agentesAlternativos;
    std::vector<ItemOcupacao> itens;
    QStringList tarefas; // empty: the tasks of the subgroup
};

struct SubgrupoFonte {
    QString codigo;
    QString titulo;
    QString area;     // field of training, as in "na área de {area}"
    QString ambiente; // where the work is done, as in "Atuam {ambiente}"
    QStringList tarefas;
    std::vector<FamiliaFonte> familias;
    QStringList ciuo88SemCorrespondencia; // titles of base groups no occupation points to
};

struct SubgrupoPrincipalFonte {
    QString codigo;
    QString titulo;
    std::vector<SubgrupoFonte> subgrupos;
};

struct GrandeGrupoFonte {
    QString codigo;
    QString titulo;
    std::vector<SubgrupoPrincipalFonte> subgruposPrincipais;
};

// A previous-edition occupation that the 2002 edition no longer has; its work
// went to the 2002 occupations whose titles contain palavraChave.
struct OcupacaoExtinta {
    QString titulo;
    QString palavraChave;
};

struct Fonte {
    std::vector<GrandeGrupoFonte> grandesGrupos;
    QHash<QString, QStringList> textos; // section name -> alternative sentence patterns
    std::vector<OcupacaoExtinta> extintas;
};

// Reads the embedded source files; false with a message naming file and line
// when one of them is malformed.
bool lerFonte(Fonte *fonte, QString *erro);

using Linhas = std::vector<QStringList>;

struct Tabelas {
    Linhas grandesGrupos;       // TGrande_Grupo
    Linhas subgruposPrincipais; // TSubgrupo_Principal
    Linhas subgrupos;           // TSubgrupo
    Linhas familias;            // TFamilia
    Linhas ocupacoes;           // TOcupacao
    Linhas sinonimos;           // TSinonimo
    Linhas templates;           // TTemplate
    Linhas afinidades;          // TAfinidade
    Linhas ocupacoes94;         // TOcupacao94
    Linhas correspondencias;    // TOcup_2000_94
    Linhas ciuo88;              // TGrupo_Base_CIUO88
};

// Deterministic pseudo-random choice: the same arguments give the same number
// on every platform (no library distribution is involved).
inline quint32 sortear(quint32 a, quint32 b = 0) {
    quint32 h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u + (a << 6) + (a >> 2));
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

} // namespace gerador
