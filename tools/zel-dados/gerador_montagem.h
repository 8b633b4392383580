#pragma once

#include "gerador_modelo.h"

// The steps that turn the curated source into the rows of the sample
// classification at its normal size, and the steps that write them out.
namespace gerador {

struct OcupacaoGerada {
    QString interno; // cod_int_ocup
    QString numero;  // cod_ocup
    QString titulo;
    QString ciuo88;
    QStringList sinonimos; // in stored (cod_sin) order
};

struct FamiliaGerada {
    QString codigo;
    const FamiliaFonte *fonte = nullptr;
    const SubgrupoFonte *subgrupo = nullptr;
    int grandeGrupo = 0;
    int indice = 0;           // position in the whole classification
    int indiceNoSubgrupo = 0; // position among the families of its subgroup
    std::vector<OcupacaoGerada> ocupacoes;
};

using Familias = std::vector<FamiliaGerada>;

// Major groups, principal subgroups and subgroups as rows; the families with
// their codes, occupations and synonyms.
bool montarEstrutura(const Fonte &fonte, Tabelas *tabelas, Familias *familias, QString *erro);

// The CIUO88 base groups, and the base group of every occupation.
bool montarCiuo88(const Fonte &fonte, Familias *familias, Tabelas *tabelas, QString *erro);

// TFamilia (with its summary descriptions), TOcupacao, TSinonimo, TTemplate.
void escreverFamilias(const Fonte &fonte, const Familias &familias, Tabelas *tabelas);

// Related families, stored once in either direction, some in both.
void montarAfinidades(const Familias &familias, Tabelas *tabelas);

// Previous-edition occupations and their correspondences with 2002 ones.
bool montarZel94(const Fonte &fonte, const Familias &familias, Tabelas *tabelas, QString *erro);

// Adds escala - 1 renamed copies of the escala-1 rows.
bool ampliar(int escala, Tabelas *tabelas, QString *erro);

bool gravarCsv(const Tabelas &tabelas, const QString &diretorio, QString *erro);

// "Costureiro sob medida" -> "Costureira sob medida"; empty when the title
// has no feminine of its own.
QString formaFeminina(const QString &titulo);

// "Operador de empilhadeira" -> "Operador(a) de empilhadeira"; empty where
// more than the head noun would have to agree.
QString formaInclusiva(const QString &titulo);

// "de", "em", "para", ... : where the words that agree with a head noun end.
bool ehPreposicao(const QString &palavra);

// The first letter in lower case, for a title used inside a sentence.
QString emMinusculaInicial(const QString &titulo);

} // namespace gerador
