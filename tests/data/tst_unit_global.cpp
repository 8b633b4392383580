// The statement builders return the catalogue's lines exactly, blanks included.

#include "unit_global.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TesteUnitGlobal : public QObject {
    Q_OBJECT
private slots:
    void linhas_data();
    void linhas();
    void buscaTituloPorFlags_data();
    void buscaTituloPorFlags();
    void literaisDobramAspas();
};

namespace {

const QStringList familias = {
    u"select tfamilia.tit_familia as titulo, tfamilia.cod_familia as codigo, 'Família  ' as tipo "_s,
    u"from tfamilia where LOWER(tfamilia.tit_familia) like lower(:busca)"_s};
const QStringList ocupacoes = {
    u"select tocupacao.nom_ocup as titulo, tocupacao.cod_familia as codigo, 'Ocupação ' as tipo "_s,
    u"from tocupacao where LOWER(tocupacao.nom_ocup) like lower(:busca)"_s};
const QStringList sinonimos = {
    u"select tsinonimo.nom_sin as titulo, tocupacao.cod_familia as codigo, 'Sinônimo ' as tipo from tsinonimo, tocupacao "_s,
    u"where LOWER(tsinonimo.nom_sin) like lower(:busca) and tocupacao.cod_int_ocup = tsinonimo.cod_int_ocup"_s};
const QStringList condicoes = {u"select TTemplate.cond_exerc as titulo, "_s,
                               u"TTemplate.cod_familia as codigo, "_s, u"'Condições' as tipo "_s,
                               u"from TTemplate where "_s, u"TTemplate.cond_exerc like :busca"_s};
const QStringList formacao = {u"select TTemplate.form_exp as titulo, "_s,
                              u"TTemplate.cod_familia as codigo, "_s, u"'Formação ' as tipo "_s,
                              u"from TTemplate where "_s, u"TTemplate.form_exp like :busca"_s};
const QStringList descricao = {u"select TFamilia.descr_familia as titulo, "_s,
                               u"TFamilia.cod_familia as codigo, "_s, u"'Descrição' as tipo "_s,
                               u"from TFamilia where "_s, u"TFamilia.descr_familia like :busca"_s};
const QString uniao = u" union all "_s;

const QStringList zel2002ParaZel94Inicio = {
    u"select distinct TOcupacao94.Cod_Ocup_Zel94 as codigo, TOcupacao94.Nom_ocup94 as nome "_s,
    u"from TOcupacao94, TOcup_2000_94 "_s, u"where TOcup_2000_94.cod_int_ocup in "_s};
const QString zel2002ParaZel94Fim =
    u"and TOcupacao94.Cod_Ocup_Zel94 = TOcup_2000_94.Cod_Ocup_Zel94 and TOcupacao94.Tp_situacao = 'AT' order by TOcupacao94.Cod_Ocup_Zel94"_s;

} // namespace

void TesteUnitGlobal::linhas_data() {
    QTest::addColumn<QStringList>("obtidas");
    QTest::addColumn<QStringList>("esperadas");

    QTest::newRow("busca rápida")
        << fncSqlBuscaRapida()
        << QStringList{
               u"select tfamilia.tit_familia as titulo, tfamilia.cod_familia as codigo, 'Família ' as tipo "_s,
               u"from tfamilia where LOWER(tfamilia.tit_familia) like lower(:busca) union all "_s,
               u"select tocupacao.nom_ocup as titulo, tocupacao.cod_familia as codigo, 'Ocupação' as tipo "_s,
               u"from tocupacao where LOWER(tocupacao.nom_ocup) like lower(:busca) union all select tsinonimo.nom_sin as "_s,
               u"titulo, tocupacao.cod_familia as codigo, 'Sinônimo' as tipo from tsinonimo, tocupacao "_s,
               u"where LOWER(tsinonimo.nom_sin) like lower(:busca) and tocupacao.cod_int_ocup = tsinonimo.cod_int_ocup order by titulo"_s};
    QTest::newRow("títulos A-Z")
        << fncSqlTitulosAZ()
        << QStringList{
               u"select upper(tfamilia.tit_familia) as titulo, tfamilia.cod_familia + '   ' as codigo, '  -  ' as zel94, 'F' as tipo "_s,
               u"from tfamilia where LOWER(tfamilia.tit_familia) like lower(:busca) union all "_s,
               u"select tocupacao.nom_ocup as titulo, tocupacao.cod_familia + '-' + tocupacao.cod_ocup as codigo, TOcup_2000_94.Cod_Ocup_ZEL94 as zel94, 'O' as tipo "_s,
               u"from tocupacao, tOcup_2000_94, TOcupacao94 where LOWER(tocupacao.nom_ocup) like lower(:busca) and tocupacao.cod_int_ocup = TOcup_2000_94.cod_int_ocup "_s,
               u" and substring(TOcup_2000_94.Cod_Ocup_ZEL94 from 4 for 2) <> '90' and TOcup_2000_94.cod_ocup_zel94 = TOcupacao94.cod_ocup_zel94 and TOcupacao94.Tp_Situacao = 'AT' union all select tsinonimo.nom_sin as "_s,
               u"titulo, tocupacao.cod_familia + '-' + cod_ocup as codigo, TOcup_2000_94.Cod_Ocup_ZEL94 as zel94, 'S' as tipo from tsinonimo, tocupacao, TOcup_2000_94, Tocupacao94 "_s,
               u"where LOWER(tsinonimo.nom_sin) like lower(:busca) and tocupacao.cod_int_ocup = tsinonimo.cod_int_ocup and tsinonimo.cod_int_ocup = TOcup_2000_94.cod_int_ocup and substring(TOcup_2000_94.Cod_Ocup_ZEL94 from 4 for 2) <> '90'"_s,
               u" and TOcup_2000_94.cod_ocup_zel94 = TOcupacao94.cod_ocup_zel94 and TOcupacao94.Tp_Situacao = 'AT' order by titulo"_s};
    QTest::newRow("código de família")
        << fncSqlBuscaCodigoFamilia()
        << QStringList{u"select UPPER(tfamilia.tit_familia) as titulo, "_s,
                       u"tfamilia.cod_familia + '   ' as codigo, 'F' as tipo from tfamilia "_s,
                       u"where tfamilia.cod_familia = :busca "_s,
                       u"union all "_s,
                       u"select tocupacao.nom_ocup as titulo, "_s,
                       u"tocupacao.cod_familia + '-' + tocupacao.cod_ocup "_s,
                       u"as codigo, 'O' as tipo from tocupacao where "_s,
                       u"tocupacao.cod_familia = :busca"_s,
                       u" order by codigo"_s};
    QTest::newRow("código de ocupação")
        << fncSqlBuscaCodigoOcupacao(u"515105"_s)
        << QStringList{
               u"select tocupacao.nom_ocup as titulo, "_s,
               u"tocupacao.cod_familia + '-' + tocupacao.cod_ocup as codigo, 'O' as tipo from tocupacao where "_s,
               u"tocupacao.cod_familia = '5151' and tocupacao.cod_ocup = '05'"_s,
               u" order by codigo"_s};
    QTest::newRow("grandes grupos")
        << fncSqlGrandesGrupos()
        << QStringList{
               u"select TGrande_Grupo.Cod_Gde_Gp as codigo, TGrande_Grupo.Cod_Gde_Gp + ' - ' + TGrande_Grupo.Tit_Gde_Gp as titulo from TGrande_Grupo"_s,
               u"order by TGrande_Grupo.Cod_Gde_Gp"_s};
    QTest::newRow("subgrupos principais")
        << fncSqlSubgruposPrincipais(u"3"_s)
        << QStringList{
               u"select TSubgrupo_Principal.Cod_Sgp_Pcp as codigo, TSubgrupo_Principal.Cod_Sgp_Pcp + ' - ' + TSubgrupo_Principal.Tit_Sgp_Pcp as titulo from TSubgrupo_Principal"_s,
               u"where TSubgrupo_Principal.Cod_Gde_Gp = '3' order by TSubgrupo_Principal.Cod_Sgp_Pcp"_s};
    QTest::newRow("subgrupos")
        << fncSqlSubgrupos(u"21"_s)
        << QStringList{
               u"select TSubgrupo.Cod_Sgp as codigo, TSubgrupo.Cod_Sgp + ' - ' + TSubgrupo.Tit_Sgp as titulo from TSubgrupo"_s,
               u"where TSubgrupo.Cod_Sgp_Pcp = '21' order by TSubgrupo.Cod_Sgp"_s};
    QTest::newRow("famílias do subgrupo")
        << fncSqlFamiliasDoSubgrupo(u"211"_s)
        << QStringList{
               u"select TFamilia.Cod_Familia as codigo, upper(TFamilia.Cod_Familia + ' - ' + TFamilia.Tit_Familia) as titulo from TFamilia"_s,
               u"where TFamilia.Cod_Sgp = '211' order by TFamilia.Cod_Familia"_s};
    QTest::newRow("descrição sumária")
        << fncSqlDescricaoSumaria(u"2111"_s)
        << QStringList{u"select TFamilia.descr_familia as descricao "_s,
                       u"from Tfamilia where Tfamilia.cod_familia = '2111'"_s};
    QTest::newRow("exceções") << fncSqlExcecoes(u"2111"_s)
                              << QStringList{
                                     u"select TTemplate.descr_excecao as excecao from TTemplate "_s,
                                     u"where TTemplate.cod_familia = '2111'"_s};
    QTest::newRow("condições") << fncSqlCondicoes(u"2111"_s)
                               << QStringList{
                                      u"select TTemplate.Cond_Exerc as condicoes "_s,
                                      u"from TTemplate where TTemplate.cod_familia = '2111'"_s};
    QTest::newRow("formação") << fncSqlFormacao(u"2111"_s)
                              << QStringList{
                                     u"select TTemplate.Form_Exp as formacao "_s,
                                     u"from TTemplate where TTemplate.cod_familia = '2111'"_s};
    QTest::newRow("ocupações da família")
        << fncSqlOcupacoesDaFamilia(u"2111"_s)
        << QStringList{
               u"select TOcupacao.Cod_Familia + '-' + TOcupacao.cod_ocup + '  ' + TOcupacao.nom_ocup as Cod_Tit_Familia, "_s,
               u"TOcupacao.cod_int_ocup as interno from TOcupacao where TOcupacao.cod_familia = '2111' order by Cod_Tit_Familia"_s};
    QTest::newRow("famílias afins")
        << fncSqlFamiliasAfins(u"2111"_s)
        << QStringList{
               u"select TAfinidade.cod_familia_afim + ' - ' + TFamilia.Tit_Familia as Cod_Familia_Afim, "_s,
               u"TAfinidade.cod_familia as Cod_Familia from Tfamilia, TAfinidade where TAfinidade.cod_familia = '2111' and TFamilia.cod_Familia = TAfinidade.cod_familia_afim "_s,
               u"union all "_s,
               u"select TAfinidade.cod_familia + ' - ' + TFamilia.Tit_Familia as Cod_Familia_Afim, "_s,
               u"TAfinidade.cod_familia_afim as Cod_Familia from Tfamilia, TAfinidade where TAfinidade.cod_familia_afim = '2111' and TFamilia.cod_Familia = TAfinidade.cod_familia "_s};
    QTest::newRow("sinônimos, família com 0")
        << fncSqlSinonimos(u"0111"_s, u"17"_s)
        << QStringList{u"select TSinonimo.nom_sin as sinonimo, cod_sin "_s,
                       u"from TSinonimo where TSinonimo.cod_int_ocup = '17'"_s,
                       u"Order by TSinonimo.cod_sin"_s};
    QTest::newRow("sinônimos, outra família")
        << fncSqlSinonimos(u"2111"_s, u"17"_s)
        << QStringList{u"select TSinonimo.nom_sin as sinonimo "_s,
                       u"from TSinonimo where TSinonimo.cod_int_ocup = '17'"_s,
                       u"Order by TSinonimo.nom_sin"_s};
    QTest::newRow("conversão 2002->94, família")
        << fncSqlConversao(u"ZEL2002"_s, u"ZEL94"_s, u"1234"_s)
        << (QStringList(zel2002ParaZel94Inicio)
            << u"(select TOcupacao.cod_int_ocup from TOcupacao where TOcupacao.cod_familia = :busca)"_s
            << zel2002ParaZel94Fim);
    QTest::newRow("conversão 2002->94, ocupação")
        << fncSqlConversao(u"ZEL2002"_s, u"ZEL94"_s, u"123456"_s)
        << (QStringList(zel2002ParaZel94Inicio)
            << u"(select TOcupacao.cod_int_ocup from TOcupacao where TOcupacao.cod_familia = '1234' and tocupacao.cod_ocup = '56')"_s
            << zel2002ParaZel94Fim);
    QTest::newRow("conversão 2002->94, cinco caracteres")
        << fncSqlConversao(u"ZEL2002"_s, u"ZEL94"_s, u"12345"_s)
        << (QStringList(zel2002ParaZel94Inicio)
            << u"(select TOcupacao.cod_int_ocup from TOcupacao where TOcupacao.cod_familia = '1234' and tocupacao.cod_ocup = '5')"_s
            << zel2002ParaZel94Fim);
    const QStringList paraCiuo88 = {
        u"select distinct TOcupacao.Cod_Gp_Base_CIUO88 as codigo, UPPER(TGrupo_Base_CIUO88.Tit_grp_Base_CIUO88) as nome "_s,
        u"from TOcupacao, TGrupo_Base_CIUO88 where TOcupacao.cod_int_ocup in "_s,
        u"(select TOcupacao.cod_int_ocup from TOcupacao where TOcupacao.cod_familia = :busca) "_s,
        u"and TOcupacao.Cod_Gp_Base_CIUO88 = TGrupo_Base_CIUO88.Cod_Gp_Base_CIUO88 order by TOcupacao.Cod_Gp_Base_CIUO88 "_s};
    QTest::newRow("conversão 2002->CIUO88")
        << fncSqlConversao(u"ZEL2002"_s, u"CIUO88"_s, u"1234"_s) << paraCiuo88;
    QTest::newRow("conversão 2002->CIUO88, seis caracteres")
        << fncSqlConversao(u"ZEL2002"_s, u"CIUO88"_s, u"123456"_s) << paraCiuo88;
    QTest::newRow("conversão 94->2002")
        << fncSqlConversao(u"ZEL94"_s, u"ZEL2002"_s, u"20101"_s)
        << QStringList{
               u"select TFamilia.cod_familia as codigo_Familia, TFamilia.tit_familia as titulo_Familia, TOcupacao.cod_familia + '-' + TOcupacao.Cod_Ocup as codigo,  "_s,
               u"TOcupacao.Nom_ocup as nome, TOcup_2000_94.cod_ocup_zel94 as zel94, Tocupacao94.tp_situacao "_s,
               u"from TFamilia, TOcupacao, TOcup_2000_94, TOcupacao94  "_s,
               u"where TOcupacao94.cod_ocup_zel94 = TOcup_2000_94.cod_ocup_zel94 and TOcupacao.cod_int_ocup = TOcup_2000_94.cod_int_ocup "_s,
               u"and TOcup_2000_94.cod_ocup_zel94 = :busca and TFamilia.Cod_Familia = TOcupacao.Cod_Familia order by codigo "_s};
    QTest::newRow("conversão CIUO88->2002")
        << fncSqlConversao(u"CIUO88"_s, u"ZEL2002"_s, u"2101"_s)
        << QStringList{
               u"select TOcupacao.cod_familia + '-' + TOcupacao.Cod_Ocup as codigo, "_s,
               u"TOcupacao.Nom_ocup as nome from TOcupacao where TOcupacao.Cod_Gp_Base_CIUO88 = :busca order by codigo "_s};
    QTest::newRow("conversão 94->CIUO88")
        << fncSqlConversao(u"ZEL94"_s, u"CIUO88"_s, u"1234"_s) << QStringList{};
    QTest::newRow("conversão CIUO88->94")
        << fncSqlConversao(u"CIUO88"_s, u"ZEL94"_s, u"1234"_s) << QStringList{};
    QTest::newRow("conversão 2002->2002")
        << fncSqlConversao(u"ZEL2002"_s, u"ZEL2002"_s, u"1234"_s) << QStringList{};
    QTest::newRow("conversão base desconhecida")
        << fncSqlConversao(u"zel2002"_s, u"ZEL94"_s, u"1234"_s) << QStringList{};
    QTest::newRow("origem 2002 família")
        << fncSqlTabuaOrigem(u"1234"_s, u"ZEL2002"_s)
        << QStringList{
               u"Select tfamilia.cod_familia as codigo, tfamilia.tit_familia as titulo from tfamilia where cod_familia = '1234'"_s};
    QTest::newRow("origem 2002 ocupação")
        << fncSqlTabuaOrigem(u"123456"_s, u"ZEL2002"_s)
        << QStringList{
               u"Select tocupacao.cod_familia + '-' + tocupacao.cod_ocup as codigo, tfamilia.tit_familia as titulo from tocupacao, tfamilia where tocupacao.cod_familia = '1234' and tocupacao.cod_ocup = '56' and tocupacao.cod_familia = tfamilia.cod_familia"_s};
    QTest::newRow("origem 94")
        << fncSqlTabuaOrigem(u"20101"_s, u"ZEL94"_s)
        << QStringList{
               u"Select tocupacao94.cod_ocup_zel94 as codigo, tocupacao94.nom_ocup94 as titulo from tocupacao94 where tocupacao94.cod_ocup_zel94 = '20101'"_s};
    QTest::newRow("origem CIUO88")
        << fncSqlTabuaOrigem(u"2101"_s, u"CIUO88"_s)
        << QStringList{
               u"Select tgrupo_base_ciuo88.cod_gp_base_ciuo88 as codigo, tgrupo_base_ciuo88.tit_grp_base_ciuo88 as titulo from tgrupo_base_ciuo88 where tgrupo_base_ciuo88.cod_gp_base_ciuo88 = '2101'"_s};
    QTest::newRow("título base 2002")
        << fncSqlTabuaTituloBase2002()
        << QStringList{
               u"select UPPER(tfamilia.tit_familia) as titulo, tfamilia.cod_familia as codigo, 'F' as tipo "_s,
               u"from tfamilia where LOWER(tfamilia.tit_familia) like lower(:busca) union all "_s,
               u"select tocupacao.nom_ocup as titulo, tocupacao.cod_familia as codigo, 'O' as tipo "_s,
               u"from tocupacao where LOWER(tocupacao.nom_ocup) like lower(:busca) union all select tsinonimo.nom_sin as "_s,
               u"titulo, tocupacao.cod_familia as codigo, 'S' as tipo from tsinonimo, tocupacao "_s,
               u"where LOWER(tsinonimo.nom_sin) like lower(:busca) and tocupacao.cod_int_ocup = tsinonimo.cod_int_ocup order by titulo"_s};
    QTest::newRow("título base 94")
        << fncSqlTabuaTituloBase94()
        << QStringList{
               u"select TOcupacao94.Nom_Ocup94 as titulo, TOcupacao94.Cod_Ocup_Zel94 as codigo, 'O' as tipo"_s,
               u"from TOcupacao94 where LOWER(TOcupacao94.Nom_Ocup94) like lower(:busca) order by TOcupacao94.Nom_Ocup94"_s};
    QTest::newRow("título CIUO88")
        << fncSqlTabuaTituloCiuo88()
        << QStringList{
               u"select UPPER(TGrupo_Base_CIUO88.Tit_Grp_Base_CIUO88) as titulo, TGrupo_Base_CIUO88.Cod_Gp_Base_CIUO88 as codigo, "_s,
               u"'F' as tipo from TGrupo_Base_CIUO88 where LOWER(TGrupo_Base_CIUO88.Tit_Grp_Base_CIUO88) like lower(:busca) order by titulo"_s};
}

void TesteUnitGlobal::linhas() {
    QFETCH(QStringList, obtidas);
    QFETCH(QStringList, esperadas);
    QCOMPARE(obtidas, esperadas);
}

void TesteUnitGlobal::buscaTituloPorFlags_data() {
    QTest::addColumn<QList<bool>>("flags");
    QTest::addColumn<QStringList>("esperadas");
    QTest::newRow("nenhuma") << QList<bool>{false, false, false, false, false, false}
                             << QStringList{};
    QTest::newRow("como no início")
        << QList<bool>{true, true, true, false, false, false}
        << (familias + QStringList{uniao} + ocupacoes + QStringList{uniao} + sinonimos);
    QTest::newRow("só condições") << QList<bool>{false, false, false, true, false, false}
                                  << condicoes;
    QTest::newRow("só descrição") << QList<bool>{false, false, false, false, false, true}
                                  << descricao;
    QTest::newRow("formação e descrição") << QList<bool>{false, false, false, false, true, true}
                                          << (formacao + QStringList{uniao} + descricao);
    QTest::newRow("todas") << QList<bool>{true, true, true, true, true, true}
                           << (familias + QStringList{uniao} + ocupacoes + QStringList{uniao} +
                               sinonimos + QStringList{uniao} + condicoes + QStringList{uniao} +
                               formacao + QStringList{uniao} + descricao);
    QTest::newRow("sinônimos e condições") << QList<bool>{false, false, true, true, false, false}
                                           << (sinonimos + QStringList{uniao} + condicoes);
}

void TesteUnitGlobal::buscaTituloPorFlags() {
    QFETCH(QList<bool>, flags);
    QFETCH(QStringList, esperadas);
    QCOMPARE(fncSqlBuscaTitulo(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]),
             esperadas);
}

// A value that holds a quote cannot end the literal early or add SQL of its own.
void TesteUnitGlobal::literaisDobramAspas() {
    QCOMPARE(fncSqlDescricaoSumaria(u"1' or '1'='1"_s).last(),
             u"from Tfamilia where Tfamilia.cod_familia = '1'' or ''1''=''1'"_s);
    QCOMPARE(
        fncSqlTabuaOrigem(u"12'4"_s, u"ZEL2002"_s).first(),
        u"Select tfamilia.cod_familia as codigo, tfamilia.tit_familia as titulo from tfamilia where cod_familia = '12''4'"_s);
    QVERIFY(fncSqlSinonimos(u"2111"_s, u"a'b"_s)[1].endsWith(u"= 'a''b'"_s));
}

QTEST_GUILESS_MAIN(TesteUnitGlobal)
#include "tst_unit_global.moc"
