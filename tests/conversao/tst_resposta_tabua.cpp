// The conversion results: caption, header and rows by origin and pair, the
// heading of the item converted, the note of an excluded occupation, pages
// of 13 rows and "Voltar" to the screen that ran the conversion.

#include "apoio_conversao.h"
#include "botao_figura.h"
#include "cursor.h"
#include "exigir.h"
#include "fixtures.h"
#include "grade.h"
#include "navegacao.h"
#include "paginador.h"
#include "programa.h"
#include "rotulo_link.h"
#include "unit_FormDescricaoConversao.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabua.h"
#include "unit_FormTabuaTitulo.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using apoio_conversao::converter;
using apoio_conversao::linhasDaGrade;

namespace {

Tobj_Form_FormRespostaTabua *tela() {
    return obj_Form_FormRespostaTabua;
}

QString texto(const QString &rotulo) {
    return apoio_conversao::textoDe(tela(), rotulo);
}

// The base classification and a CIUO88 base group of 20 occupations, all
// of one family.
QString banco() {
    fixtures::Classificacao classificacao(u"basica"_s);
    classificacao.linha(u"TGrupo_Base_CIUO88"_s, {u"9999"_s, u"Grupo de teste"_s});
    for (int i = 0; i < 20; ++i)
        classificacao.linha(u"TOcupacao"_s,
                            {QString::number(100 + i), u"3111"_s, QString::number(20 + i),
                             u"Ocupação de teste "_s + QString::number(20 + i), u"9999"_s});
    return classificacao.criar();
}

const QString cabecalhoZel94 = u"Ocupações encontradas na conversão para a base ZEL94"_s;
const QString cabecalhoCiuo88 = u"Famílias encontradas na conversão para a base CIUO88"_s;
const QString cabecalhoTitulos = u"Títulos encontrados na conversão para a base ZEL2002"_s;
const QString cabecalhoOcupacoes = u"Ocupações encontradas na conversão para a base ZEL2002"_s;

} // namespace

class TesteRespostaTabua : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void apresentacao_data();
    void apresentacao();
    void notaDeOcupacaoExcluidaSomeNaConversaoSeguinte();
    void paginasDe13();
    void reativacaoRelistaAMesmaPagina();
    void tituloSemItemMostraOCodigo();
    void voltar_data();
    void voltar();
    void errosDoBancoChegamAoUsuario(); // last: it takes a table away
};

void TesteRespostaTabua::initTestCase() {
    programa::instalar(banco());
    programa::iniciar();
}

void TesteRespostaTabua::init() {
    apoio_conversao::irPara(obj_Form_FormInicial);
    programa::avisos();
    programa::erros();
}

void TesteRespostaTabua::cleanup() {
    programa::encerrarTeste();
}

void TesteRespostaTabua::apresentacao_data() {
    QTest::addColumn<QString>("origem");
    QTest::addColumn<QString>("de");
    QTest::addColumn<QString>("para");
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<QString>("legenda");
    QTest::addColumn<QString>("cabecalho");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QStringList>("linhas");
    const QStringList zel94 = {"<b>20101 - Médico de clínica geral</b>",
                               "<b>20102 - Médico cirurgião</b>", "<b>20190 - Outros médicos</b>"};
    const QStringList ocupacoesNegrito = {"<b>2111-01 - Médico clínico</b>",
                                          "<b>2111-02 - Médico cirurgião</b>",
                                          "<b>2111-03 - Médico pediatra</b>"};
    const QStringList ocupacoesMaiusculas = {
        "2111-01 - MÉDICO CLÍNICO", "2111-02 - MÉDICO CIRURGIÃO", "2111-03 - MÉDICO PEDIATRA"};
    const QStringList do20101Negrito = {"<b>2111-01 - Médico clínico</b>",
                                        "<b>2111-02 - Médico cirurgião</b>",
                                        "<b>2112-01 - Cirurgião-dentista clínico geral</b>"};
    const QStringList do20101Maiusculas = {"2111-01 - MÉDICO CLÍNICO", "2111-02 - MÉDICO CIRURGIÃO",
                                           "2112-01 - CIRURGIÃO-DENTISTA CLÍNICO GERAL"};
    const QStringList ciuo88 = {"2101 - MÉDICOS"};
    QTest::newRow("código, ZEL2002 para ZEL94")
        << "tabua"
        << "ZEL2002"
        << "ZEL94"
        << "2111"
        << ""
        << "Base ZEL2002 para ZEL94" << cabecalhoZel94 << "2111 - Médicos" << zel94;
    QTest::newRow("código, ZEL2002 para CIUO88")
        << "tabua"
        << "ZEL2002"
        << "CIUO88"
        << "2111"
        << ""
        << "Base ZEL2002 para CIUO88" << cabecalhoCiuo88 << "2111 - Médicos" << ciuo88;
    QTest::newRow("código, ZEL94 para ZEL2002")
        << "tabua"
        << "ZEL94"
        << "ZEL2002"
        << "20101"
        << ""
        << "Base ZEL94 para ZEL2002" << cabecalhoTitulos << "20101 - Médico de clínica geral"
        << do20101Negrito;
    QTest::newRow("código, CIUO88 para ZEL2002")
        << "tabua"
        << "CIUO88"
        << "ZEL2002"
        << "2101"
        << ""
        << "Base CIUO88 para ZEL2002" << cabecalhoOcupacoes << "2101 - Médicos" << ocupacoesNegrito;
    QTest::newRow("família, ZEL2002 para ZEL94")
        << "conversao"
        << "ZEL2002"
        << "ZEL94"
        << "2111"
        << ""
        << "Base ZEL2002 para ZEL94" << cabecalhoZel94 << "2111 - Médicos" << zel94;
    QTest::newRow("família, ZEL2002 para CIUO88")
        << "conversao"
        << "ZEL2002"
        << "CIUO88"
        << "2111"
        << ""
        << "Base ZEL2002 para CIUO88" << cabecalhoCiuo88 << "2111 - Médicos" << ciuo88;
    QTest::newRow("título, ZEL2002 para ZEL94")
        << "conversaoTitulo"
        << "ZEL2002"
        << "ZEL94"
        << "2111"
        << "medic"
        << "Base ZEL2002 para ZEL94" << cabecalhoZel94 << "2111 - Médicos" << zel94;
    QTest::newRow("título, ZEL2002 para CIUO88")
        << "conversaoTitulo"
        << "ZEL2002"
        << "CIUO88"
        << "2111"
        << "medic"
        << "Base ZEL2002 para CIUO88" << cabecalhoCiuo88 << "2111 - Médicos" << ciuo88;
    QTest::newRow("título, ZEL94 para ZEL2002")
        << "conversaoTitulo"
        << "ZEL94"
        << "ZEL2002"
        << "20101"
        << "medico"
        << "Base ZEL94 para ZEL2002" << cabecalhoTitulos << "20101 - Médico de clínica geral"
        << do20101Maiusculas;
    QTest::newRow("título, CIUO88 para ZEL2002") << "conversaoTitulo"
                                                 << "CIUO88"
                                                 << "ZEL2002"
                                                 << "2101"
                                                 << "medic"
                                                 << "Base CIUO88 para ZEL2002" << cabecalhoTitulos
                                                 << "2101 - Médicos" << ocupacoesMaiusculas;
}

void TesteRespostaTabua::apresentacao() {
    QFETCH(QString, origem);
    QFETCH(QString, de);
    QFETCH(QString, para);
    QFETCH(QString, codigo);
    QFETCH(QString, palavra);
    QFETCH(QString, legenda);
    QFETCH(QString, cabecalho);
    QFETCH(QString, titulo);
    QFETCH(QStringList, linhas);
    EXIGIR(converter(origem, de, para, codigo, palavra));
    QVERIFY(programa::avisos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), tela());
    QCOMPARE(tela()->strOrigem, origem);
    QCOMPARE(texto(u"obj_Lb_Titulo_Base"_s), legenda);
    QCOMPARE(texto(u"obj_Lb_Total_Encontrados"_s), cabecalho);
    QCOMPARE(texto(u"obj_Lb_Total"_s), u"(%1)"_s.arg(linhas.size()));
    QCOMPARE(texto(u"obj_Lb_BemVindo"_s), titulo);
    QCOMPARE(linhasDaGrade(), linhas);
    QVERIFY(!tela()->obj_Lb_Ocup_Excluida->isVisible());
    // The count stands on the header's line, 5 pixels to its right.
    const QRect cabecalhoGeo = tela()->obj_Lb_Total_Encontrados->geometry();
    QCOMPARE(tela()->obj_Lb_Total->x(), cabecalhoGeo.right() + 1 + 5);
    QCOMPARE(tela()->obj_Lb_Total->y(), cabecalhoGeo.y());
    QCOMPARE(tela()->obj_SortGrid_Tabua_Codigo->larguraColuna(0), 645);
    QCOMPARE(tela()->LDescricao->text(), QString());
    QVERIFY(!cursor::ocupado());
    QVERIFY(programa::erros().isEmpty());
}

// An occupation of the previous edition excluded from the new one lists the
// family of each linked occupation (one row each) under the red note; the
// next conversion has no note.
void TesteRespostaTabua::notaDeOcupacaoExcluidaSomeNaConversaoSeguinte() {
    EXIGIR(converter(u"tabua"_s, u"ZEL94"_s, u"ZEL2002"_s, u"30201"_s));
    QCOMPARE(navegacao::telaAtual(), tela());
    QVERIFY(tela()->obj_Lb_Ocup_Excluida->isVisible());
    QCOMPARE(tela()->obj_Lb_Ocup_Excluida->text(), u"(*) Esta ocupação foi excluída na nova ZEL"_s);
    QCOMPARE(texto(u"obj_Lb_BemVindo"_s), u"30201 - Químico técnico"_s);
    QCOMPARE(linhasDaGrade(),
             (QStringList{u"3211 - TÉCNICOS QUÍMICOS"_s, u"3211 - TÉCNICOS QUÍMICOS"_s}));

    EXIGIR(converter(u"tabua"_s, u"ZEL2002"_s, u"ZEL94"_s, u"2111"_s));
    QCOMPARE(navegacao::telaAtual(), tela());
    QVERIFY(!tela()->obj_Lb_Ocup_Excluida->isVisible());

    // From a title the same occupation lists its occupations, without the note.
    EXIGIR(converter(u"tabua"_s, u"ZEL94"_s, u"ZEL2002"_s, u"30201"_s));
    QVERIFY(tela()->obj_Lb_Ocup_Excluida->isVisible());
    EXIGIR(converter(u"conversaoTitulo"_s, u"ZEL94"_s, u"ZEL2002"_s, u"30201"_s, u"quimico"_s));
    QVERIFY(!tela()->obj_Lb_Ocup_Excluida->isVisible());
    QCOMPARE(linhasDaGrade(), (QStringList{u"3211-01 - TÉCNICO QUÍMICO"_s,
                                           u"3211-02 - TÉCNICO EM ANÁLISES QUÍMICAS"_s}));
}

void TesteRespostaTabua::paginasDe13() {
    EXIGIR(converter(u"tabua"_s, u"CIUO88"_s, u"ZEL2002"_s, u"9999"_s));
    Paginador *paginador = tela()->paginador;
    QCOMPARE(linhasDaGrade().size(), 13);
    QCOMPARE(linhasDaGrade().first(), u"<b>3111-20 - Ocupação de teste 20</b>"_s);
    QCOMPARE(texto(u"obj_Lb_Total"_s), u"(20)"_s);
    QVERIFY(!paginador->obj_Bt_Pagina_Primeiro->isEnabled());
    QVERIFY(paginador->obj_Bt_Pagina_Segundo->isVisible());
    QVERIFY(!paginador->obj_Bt_Pagina_Terceiro->isVisible());

    programa::clicar(paginador->obj_Bt_RespostaBusca_Mais);
    QCOMPARE(linhasDaGrade().size(), 7);
    QCOMPARE(linhasDaGrade().first(), u"<b>3111-33 - Ocupação de teste 33</b>"_s);
    QCOMPARE(linhasDaGrade().last(), u"<b>3111-39 - Ocupação de teste 39</b>"_s);
    QCOMPARE(texto(u"obj_Lb_Total"_s), u"(20)"_s);
    QCOMPARE(texto(u"obj_Lb_Total_Encontrados"_s), cabecalhoOcupacoes);
    QCOMPARE(texto(u"obj_Lb_Titulo_Base"_s), u"Base CIUO88 para ZEL2002"_s);
    QCOMPARE(texto(u"obj_Lb_BemVindo"_s), u"9999 - Grupo de teste"_s);
    QCOMPARE(tela()->obj_SortGrid_Tabua_Codigo->larguraColuna(0), 645);
    QVERIFY(!paginador->obj_Bt_Pagina_Segundo->isEnabled());

    programa::clicar(paginador->obj_Bt_Pagina_Primeiro);
    QCOMPARE(linhasDaGrade().size(), 13);
    // The labels keep their places.
    QCOMPARE(paginador->obj_Bt_Pagina_Primeiro->pos(), QPoint(134, 381));
    QCOMPARE(paginador->obj_Bt_Pagina_Segundo->pos(), QPoint(166, 381));
}

void TesteRespostaTabua::reativacaoRelistaAMesmaPagina() {
    EXIGIR(converter(u"tabua"_s, u"CIUO88"_s, u"ZEL2002"_s, u"9999"_s));
    programa::clicar(tela()->paginador->obj_Bt_Pagina_Segundo);
    const QStringList pagina2 = linhasDaGrade();
    QCOMPARE(pagina2.size(), 7);
    programa::clicar(tela()->obj_Bt_About);
    navegacao::sobreFechado();
    QCOMPARE(linhasDaGrade(), pagina2);
    QCOMPARE(texto(u"obj_Lb_Titulo_Base"_s), u"Base CIUO88 para ZEL2002"_s);
    QCOMPARE(texto(u"obj_Lb_Total_Encontrados"_s), cabecalhoOcupacoes);
    QCOMPARE(texto(u"obj_Lb_BemVindo"_s), u"9999 - Grupo de teste"_s);
    // A new conversion starts at page 1.
    EXIGIR(converter(u"tabua"_s, u"CIUO88"_s, u"ZEL2002"_s, u"9999"_s));
    QCOMPARE(linhasDaGrade().size(), 13);
}

// An occupation that its family's table does not list: its family converts
// to CIUO88, and the heading shows the code, not the previous heading.
void TesteRespostaTabua::tituloSemItemMostraOCodigo() {
    EXIGIR(converter(u"tabua"_s, u"ZEL2002"_s, u"ZEL94"_s, u"2111"_s));
    QCOMPARE(texto(u"obj_Lb_BemVindo"_s), u"2111 - Médicos"_s);
    EXIGIR(converter(u"tabua"_s, u"ZEL2002"_s, u"CIUO88"_s, u"211199"_s));
    QCOMPARE(navegacao::telaAtual(), tela());
    QCOMPARE(texto(u"obj_Lb_BemVindo"_s), u"211199"_s);
    QVERIFY(programa::erros().isEmpty());
}

void TesteRespostaTabua::voltar_data() {
    QTest::addColumn<QString>("origem");
    QTest::addColumn<QString>("de");
    QTest::addColumn<QString>("para");
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("palavra");
    QTest::newRow("código") << "tabua"
                            << "ZEL94"
                            << "ZEL2002"
                            << "20101"
                            << "";
    QTest::newRow("família") << "conversao"
                             << "ZEL2002"
                             << "CIUO88"
                             << "2111"
                             << "";
    QTest::newRow("título") << "conversaoTitulo"
                            << "ZEL2002"
                            << "ZEL94"
                            << "2111"
                            << "medic";
}

void TesteRespostaTabua::voltar() {
    QFETCH(QString, origem);
    QFETCH(QString, de);
    QFETCH(QString, para);
    QFETCH(QString, codigo);
    QFETCH(QString, palavra);
    EXIGIR(converter(origem, de, para, codigo, palavra));
    QCOMPARE(navegacao::telaAtual(), tela());
    QCOMPARE(tela()->obj_bt_voltar->toolTip(), u"Voltar"_s);
    programa::clicar(tela()->obj_bt_voltar);
    QVERIFY(!tela()->isVisible());
    if (origem == u"tabua"_s) {
        // Back empty, with the three bases in each list.
        QCOMPARE(navegacao::telaAtual(), obj_Form_FormTabua);
        QCOMPARE(apoio_conversao::entradas(obj_Form_FormTabua->obj_Combo_Para).size(), 3);
        QCOMPARE(obj_Form_FormTabua->obj_Combo_De->currentIndex(), -1);
        QCOMPARE(obj_Form_FormTabua->obj_Edit_ConverteCodigo->text(), QString());
    } else if (origem == u"conversao"_s) {
        QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricaoConversao);
        QCOMPARE(obj_Form_FormDescricaoConversao->obj_Combo_Para->currentText(), para);
    } else {
        // Back on the first page, no target chosen in any row.
        QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabuaTitulo);
        QCOMPARE(obj_Form_FormRespostaTabuaTitulo->paginador->estado().intPaginaAtual(), 1);
        for (const auto &linha : obj_Form_FormRespostaTabuaTitulo->linhasTitulos)
            QCOMPARE(linha.obj_Combo_De->currentIndex(), -1);
    }
}

// Without the table of CIUO88 groups the search of their titles fails, and
// so does the heading of a group's conversion, which itself reads only the
// occupations: each error is reported, the cursor is back to normal and the
// program goes on.
void TesteRespostaTabua::errosDoBancoChegamAoUsuario() {
    programa::instalar(fixtures::semTabela(u"basica"_s, u"TGrupo_Base_CIUO88"_s));
    apoio_conversao::irPara(obj_Form_FormTabuaTitulo);
    EXIGIR(apoio_conversao::escolher(obj_Form_FormTabuaTitulo->obj_Combo_De, u"CIUO88"_s));
    obj_Form_FormTabuaTitulo->obj_Edit_ConverteTitulo->setText(u"medic"_s);
    programa::clicar(obj_Form_FormTabuaTitulo->obj_Bt_Converter_Procurar);
    QCOMPARE(programa::erros().size(), 1);
    QVERIFY(!cursor::ocupado());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormTabuaTitulo);

    EXIGIR(converter(u"tabua"_s, u"CIUO88"_s, u"ZEL2002"_s, u"2101"_s));
    QCOMPARE(navegacao::telaAtual(), tela());
    const QStringList erros = programa::erros();
    QCOMPARE(erros.size(), 1);
    QVERIFY2(erros.first().contains(u"tgrupo_base_ciuo88"_s, Qt::CaseInsensitive),
             qPrintable(erros.first()));
    QVERIFY(!cursor::ocupado());
    programa::clicar(tela()->obj_bt_voltar);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormTabua);
    QVERIFY(programa::avisos().isEmpty());
}

QTEST_MAIN(TesteRespostaTabua)
#include "tst_resposta_tabua.moc"
