#include "esquema.h"

using namespace Qt::StringLiterals;

namespace esquema {

namespace {

Coluna texto(const QString &nome) {
    return {nome};
}
// A code of the classification, typed by users in the code boxes.
Coluna codigo(const QString &nome, int largura) {
    return {nome, largura, true, false, Caracteres::Digitos};
}
Coluna codigoZel94(const QString &nome) {
    return {nome, 0, true, false, Caracteres::Conversao};
}
Coluna codigoCiuo88(const QString &nome) {
    return {nome, 0, true, false, Caracteres::DigitosConversao};
}
// The internal occupation key: never typed, only written into statements.
Coluna chaveInterna(const QString &nome) {
    return {nome, 0, true};
}
Coluna sequencia(const QString &nome) {
    return {nome, 0, true, true};
}

} // namespace

const std::vector<Tabela> &tabelas() {
    static const std::vector<Tabela> todas = {
        {u"TGrande_Grupo"_s,
         {codigo(u"Cod_Gde_Gp"_s, 1), texto(u"Tit_Gde_Gp"_s)},
         {u"Cod_Gde_Gp"_s},
         {}},
        {u"TSubgrupo_Principal"_s,
         {codigo(u"Cod_Sgp_Pcp"_s, 2), texto(u"Tit_Sgp_Pcp"_s), codigo(u"Cod_Gde_Gp"_s, 1)},
         {u"Cod_Sgp_Pcp"_s},
         {u"Cod_Gde_Gp"_s}},
        {u"TSubgrupo"_s,
         {codigo(u"Cod_Sgp"_s, 3), texto(u"Tit_Sgp"_s), codigo(u"Cod_Sgp_Pcp"_s, 2)},
         {u"Cod_Sgp"_s},
         {u"Cod_Sgp_Pcp"_s}},
        {u"TFamilia"_s,
         {codigo(u"cod_familia"_s, 4), texto(u"tit_familia"_s), texto(u"descr_familia"_s),
          codigo(u"Cod_Sgp"_s, 3)},
         {u"cod_familia"_s},
         {u"Cod_Sgp"_s}},
        // The visible code (family and number) names one occupation: the
        // screens look occupations up by it.
        {u"TOcupacao"_s,
         {chaveInterna(u"cod_int_ocup"_s), codigo(u"cod_familia"_s, 4), codigo(u"cod_ocup"_s, 2),
          texto(u"nom_ocup"_s), codigoCiuo88(u"Cod_Gp_Base_CIUO88"_s)},
         {u"cod_int_ocup"_s},
         // Statements that join a synonym or a correspondence to its
         // occupation read the occupation's visible code from this index
         // alone, without a second lookup into the table.
         {u"Cod_Gp_Base_CIUO88"_s, u"cod_int_ocup,cod_familia,cod_ocup"_s},
         {u"cod_familia,cod_ocup"_s}},
        {u"TSinonimo"_s,
         {chaveInterna(u"cod_int_ocup"_s), texto(u"nom_sin"_s), sequencia(u"cod_sin"_s)},
         {},
         {u"cod_int_ocup"_s}},
        {u"TTemplate"_s,
         {codigo(u"cod_familia"_s, 4), texto(u"cond_exerc"_s), texto(u"form_exp"_s),
          texto(u"descr_excecao"_s)},
         {},
         {u"cod_familia"_s}},
        {u"TAfinidade"_s,
         {codigo(u"cod_familia"_s, 4), codigo(u"cod_familia_afim"_s, 4)},
         {},
         {u"cod_familia"_s, u"cod_familia_afim"_s}},
        {u"TOcupacao94"_s,
         {codigoZel94(u"Cod_Ocup_Zel94"_s), texto(u"Nom_Ocup94"_s), texto(u"Tp_Situacao"_s)},
         {u"Cod_Ocup_Zel94"_s},
         // The A-Z index keeps only correspondences to occupations in
         // force: their state is read from this index alone.
         {u"Cod_Ocup_Zel94,Tp_Situacao"_s}},
        {u"TOcup_2000_94"_s,
         {chaveInterna(u"cod_int_ocup"_s), codigoZel94(u"Cod_Ocup_Zel94"_s)},
         {},
         // An occupation's codes in the previous edition are read from the
         // first index alone.
         {u"cod_int_ocup,Cod_Ocup_Zel94"_s, u"Cod_Ocup_Zel94"_s}},
        {u"TGrupo_Base_CIUO88"_s,
         {codigoCiuo88(u"Cod_Gp_Base_CIUO88"_s), texto(u"Tit_Grp_Base_CIUO88"_s)},
         {u"Cod_Gp_Base_CIUO88"_s},
         {}},
    };
    return todas;
}

const std::vector<Referencia> &referencias() {
    static const std::vector<Referencia> todas = {
        {u"TSubgrupo_Principal"_s, u"Cod_Gde_Gp"_s, u"TGrande_Grupo"_s, u"Cod_Gde_Gp"_s},
        {u"TSubgrupo"_s, u"Cod_Sgp_Pcp"_s, u"TSubgrupo_Principal"_s, u"Cod_Sgp_Pcp"_s},
        {u"TFamilia"_s, u"Cod_Sgp"_s, u"TSubgrupo"_s, u"Cod_Sgp"_s},
        {u"TOcupacao"_s, u"cod_familia"_s, u"TFamilia"_s, u"cod_familia"_s},
        {u"TOcupacao"_s, u"Cod_Gp_Base_CIUO88"_s, u"TGrupo_Base_CIUO88"_s, u"Cod_Gp_Base_CIUO88"_s},
        {u"TSinonimo"_s, u"cod_int_ocup"_s, u"TOcupacao"_s, u"cod_int_ocup"_s},
        {u"TTemplate"_s, u"cod_familia"_s, u"TFamilia"_s, u"cod_familia"_s},
        // The related families are read with the other family's title: a
        // pair whose other family is missing is left out of the list.
        {u"TAfinidade"_s, u"cod_familia"_s, u"TFamilia"_s, u"cod_familia"_s, true},
        {u"TAfinidade"_s, u"cod_familia_afim"_s, u"TFamilia"_s, u"cod_familia"_s, true},
        // Every statement that reads a correspondence joins its 2002
        // occupation: one of a missing occupation is never reached.
        {u"TOcup_2000_94"_s, u"cod_int_ocup"_s, u"TOcupacao"_s, u"cod_int_ocup"_s, true},
        {u"TOcup_2000_94"_s, u"Cod_Ocup_Zel94"_s, u"TOcupacao94"_s, u"Cod_Ocup_Zel94"_s},
    };
    return todas;
}

const std::vector<TituloBuscado> &titulosBuscados() {
    static const std::vector<TituloBuscado> todos = {
        // The quick search orders family titles as stored; the A-Z index and
        // the conversion by title order them in capitals.
        {u"TFamilia"_s, u"tit_familia"_s, true, true},
        {u"TOcupacao"_s, u"nom_ocup"_s, true, false},
        {u"TSinonimo"_s, u"nom_sin"_s, true, false},
        {u"TOcupacao94"_s, u"Nom_Ocup94"_s, true, false},
        {u"TGrupo_Base_CIUO88"_s, u"Tit_Grp_Base_CIUO88"_s, false, true},
    };
    return todos;
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
        for (const QString &unica : t.unicas)
            colunas << u"UNIQUE ("_s + unica + u")"_s;
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
