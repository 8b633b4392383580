#include "esquema.h"

using namespace Qt::StringLiterals;

namespace esquema {

const std::vector<Tabela> &tabelas() {
    static const std::vector<Tabela> todas = {
        {u"TGrande_Grupo"_s,
         {{u"Cod_Gde_Gp"_s, 1, true}, {u"Tit_Gde_Gp"_s}},
         {u"Cod_Gde_Gp"_s},
         {}},
        {u"TSubgrupo_Principal"_s,
         {{u"Cod_Sgp_Pcp"_s, 2, true}, {u"Tit_Sgp_Pcp"_s}, {u"Cod_Gde_Gp"_s, 1, true}},
         {u"Cod_Sgp_Pcp"_s},
         {u"Cod_Gde_Gp"_s}},
        {u"TSubgrupo"_s,
         {{u"Cod_Sgp"_s, 3, true}, {u"Tit_Sgp"_s}, {u"Cod_Sgp_Pcp"_s, 2, true}},
         {u"Cod_Sgp"_s},
         {u"Cod_Sgp_Pcp"_s}},
        {u"TFamilia"_s,
         {{u"cod_familia"_s, 4, true},
          {u"tit_familia"_s},
          {u"descr_familia"_s},
          {u"Cod_Sgp"_s, 3, true}},
         {u"cod_familia"_s},
         {u"Cod_Sgp"_s}},
        {u"TOcupacao"_s,
         {{u"cod_int_ocup"_s, 0, true},
          {u"cod_familia"_s, 4, true},
          {u"cod_ocup"_s, 2, true},
          {u"nom_ocup"_s},
          {u"Cod_Gp_Base_CIUO88"_s, 0, true}},
         {u"cod_int_ocup"_s},
         {u"cod_familia,cod_ocup"_s, u"Cod_Gp_Base_CIUO88"_s}},
        {u"TSinonimo"_s,
         {{u"cod_int_ocup"_s, 0, true}, {u"nom_sin"_s}, {u"cod_sin"_s, 0, true, true}},
         {},
         {u"cod_int_ocup"_s}},
        {u"TTemplate"_s,
         {{u"cod_familia"_s, 4, true}, {u"cond_exerc"_s}, {u"form_exp"_s}, {u"descr_excecao"_s}},
         {},
         {u"cod_familia"_s}},
        {u"TAfinidade"_s,
         {{u"cod_familia"_s, 4, true}, {u"cod_familia_afim"_s, 4, true}},
         {},
         {u"cod_familia"_s, u"cod_familia_afim"_s}},
        {u"TOcupacao94"_s,
         {{u"Cod_Ocup_Zel94"_s, 0, true}, {u"Nom_Ocup94"_s}, {u"Tp_Situacao"_s}},
         {u"Cod_Ocup_Zel94"_s},
         {}},
        {u"TOcup_2000_94"_s,
         {{u"cod_int_ocup"_s, 0, true}, {u"Cod_Ocup_Zel94"_s, 0, true}},
         {},
         {u"cod_int_ocup"_s, u"Cod_Ocup_Zel94"_s}},
        {u"TGrupo_Base_CIUO88"_s,
         {{u"Cod_Gp_Base_CIUO88"_s, 0, true}, {u"Tit_Grp_Base_CIUO88"_s}},
         {u"Cod_Gp_Base_CIUO88"_s},
         {}},
    };
    return todas;
}

const Tabela *tabela(const QString &nome) {
    for (const Tabela &t : tabelas())
        if (t.nome.compare(nome, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QStringList comandosCriacao() {
    QStringList comandos;
    for (const Tabela &t : tabelas()) {
        QStringList colunas;
        for (const Coluna &c : t.colunas)
            colunas << c.nome + (c.inteiro ? u" INTEGER NOT NULL"_s : u" TEXT NOT NULL"_s);
        if (!t.chaves.isEmpty())
            colunas << u"UNIQUE ("_s + t.chaves.join(u", "_s) + u")"_s;
        comandos << u"CREATE TABLE "_s + t.nome + u" ("_s + colunas.join(u", "_s) + u")"_s;
        for (const QString &indice : t.indices) {
            QString nome = indice;
            nome.replace(u',', u'_');
            comandos << u"CREATE INDEX ix_"_s + t.nome + u"_"_s + nome + u" ON "_s + t.nome +
                            u" ("_s + indice + u")"_s;
        }
    }
    return comandos;
}

} // namespace esquema
