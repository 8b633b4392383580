// The conversion by code: the coupling of its two base lists, the checks of
// OK in their order, the codes it accepts, Enter, the reset on activation
// and after a listed result, driven through the real widgets.

#include "apoio_conversao.h"
#include "botao_figura.h"
#include "exigir.h"
#include "fixtures.h"
#include "navegacao.h"
#include "programa.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormTabua.h"
#include "unit_FormTabuaTitulo.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using apoio_conversao::entradas;
using apoio_conversao::escolher;
using apoio_conversao::linhasDaGrade;

namespace {

const QStringList todas = {u"ZEL2002"_s, u"ZEL94"_s, u"CIUO88"_s};
const QString avisoBaseInicial = u"Você deve informar a\rbase inicial para conversão"_s;
const QString avisoBaseFinal = u"Você deve informar a\rbase final para conversão"_s;
const QString avisoCodigo = u"Você deve informar um\rcódigo para conversão"_s;
const QString avisoInvalido =
    u"O código digitado\rnão parece ser válido\rex: 1234, 12345 ou 123466"_s;
const QString avisoNada = u"Não foi encontrado\rnenhum registro para busca"_s;

Tobj_Form_FormTabua *tela() {
    return obj_Form_FormTabua;
}

// Each step chooses an entry in one list: "De:ZEL94", "Para:ZEL2002".
void escolherPassos(const QStringList &passos) {
    for (const QString &passo : passos) {
        const QString lista = passo.section(u':', 0, 0);
        EXIGIR(escolher(lista == u"De"_s ? tela()->obj_Combo_De : tela()->obj_Combo_Para,
                        passo.section(u':', 1)));
    }
}

void converter(const QString &de, const QString &codigo, const QString &para) {
    EXIGIR(apoio_conversao::converter(u"tabua"_s, de, para, codigo));
}

} // namespace

class TesteTabua : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void acoplamento_data();
    void acoplamento();
    void verificacoesNaOrdem_data();
    void verificacoesNaOrdem();
    void codigosDaZel2002ParaZel94_data();
    void codigosDaZel2002ParaZel94();
    void enterAgeComoOk();
    void ativacaoLimpaEscolhasECodigo();
    void resultadoListadoReiniciaATela();
    void ocupacaoParaCiuo88PelaFamilia();
};

void TesteTabua::initTestCase() {
    programa::instalar(fixtures::banco(u"basica"_s));
    programa::iniciar();
}

// Every case starts on a freshly activated screen with the three bases in
// both lists.
void TesteTabua::init() {
    apoio_conversao::irPara(obj_Form_FormInicial);
    tela()->prcReiniciarEntradas();
    apoio_conversao::irPara(tela());
    programa::avisos();
    programa::erros();
}

void TesteTabua::cleanup() {
    programa::encerrarTeste();
}

void TesteTabua::acoplamento_data() {
    QTest::addColumn<QStringList>("passos");
    QTest::addColumn<QStringList>("entradasDe");
    QTest::addColumn<QString>("escolhaDe");
    QTest::addColumn<QStringList>("entradasPara");
    QTest::addColumn<QString>("escolhaPara");
    const QStringList de2002 = {u"ZEL94"_s, u"CIUO88"_s};
    const QStringList so2002 = {u"ZEL2002"_s};
    QTest::newRow("De ZEL2002, Para vazia")
        << QStringList{"De:ZEL2002"} << todas << "ZEL2002" << de2002 << "";
    QTest::newRow("De ZEL94") << QStringList{"De:ZEL94"} << todas << "ZEL94" << so2002 << "";
    QTest::newRow("De CIUO88") << QStringList{"De:CIUO88"} << todas << "CIUO88" << so2002 << "";
    QTest::newRow("Para ZEL2002") << QStringList{"Para:ZEL2002"} << de2002 << "" << todas
                                  << "ZEL2002";
    QTest::newRow("Para ZEL94") << QStringList{"Para:ZEL94"} << so2002 << "" << todas << "ZEL94";
    QTest::newRow("Para CIUO88") << QStringList{"Para:CIUO88"} << so2002 << "" << todas << "CIUO88";
    QTest::newRow("par permitido não muda a outra")
        << QStringList{"Para:ZEL94", "De:ZEL2002", "Para:CIUO88"} << so2002 << "ZEL2002" << todas
        << "CIUO88";
    QTest::newRow("ZEL2002/CIUO88, depois De ZEL94")
        << QStringList{"De:ZEL2002", "Para:CIUO88", "De:ZEL94"} << todas << "ZEL94" << so2002 << "";
    QTest::newRow("ZEL94/ZEL2002, depois De ZEL2002")
        << QStringList{"De:ZEL94", "Para:ZEL2002", "De:ZEL2002"} << todas << "ZEL2002" << de2002
        << "";
}

void TesteTabua::acoplamento() {
    QFETCH(QStringList, passos);
    QFETCH(QStringList, entradasDe);
    QFETCH(QString, escolhaDe);
    QFETCH(QStringList, entradasPara);
    QFETCH(QString, escolhaPara);
    escolherPassos(passos);
    QCOMPARE(entradas(tela()->obj_Combo_De), entradasDe);
    QCOMPARE(tela()->obj_Combo_De->currentText(), escolhaDe);
    QCOMPARE(entradas(tela()->obj_Combo_Para), entradasPara);
    QCOMPARE(tela()->obj_Combo_Para->currentText(), escolhaPara);
    QCOMPARE(tela()->obj_Combo_Para->currentIndex() < 0, escolhaPara.isEmpty());
}

void TesteTabua::verificacoesNaOrdem_data() {
    QTest::addColumn<QStringList>("passos");
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<QString>("foco"); // "" : the focus stays where it was
    QTest::newRow("nada escolhido")
        << QStringList{} << "1234" << avisoBaseInicial << "obj_Combo_De";
    QTest::newRow("só Para") << QStringList{"Para:ZEL2002"} << "" << avisoBaseInicial
                             << "obj_Combo_De";
    QTest::newRow("sem Para") << QStringList{"De:ZEL2002"} << "1234" << avisoBaseFinal
                              << "obj_Combo_Para";
    QTest::newRow("ZEL94/ZEL2002, depois De ZEL2002 pede a base final")
        << QStringList{"De:ZEL94", "Para:ZEL2002", "De:ZEL2002"} << "1234" << avisoBaseFinal
        << "obj_Combo_Para";
    QTest::newRow("código vazio") << QStringList{"De:ZEL2002", "Para:ZEL94"} << "" << avisoCodigo
                                  << "obj_Edit_ConverteCodigo";
    QTest::newRow("123") << QStringList{"De:ZEL2002", "Para:ZEL94"} << "123" << avisoInvalido << "";
    QTest::newRow("1234567") << QStringList{"De:ZEL2002", "Para:ZEL94"} << "1234567"
                             << avisoInvalido << "";
    QTest::newRow("12a4, um só aviso")
        << QStringList{"De:ZEL2002", "Para:ZEL94"} << "12a4" << avisoInvalido << "";
    QTest::newRow("espaço") << QStringList{"De:ZEL94", "Para:ZEL2002"} << "061 0" << avisoInvalido
                            << "";
    QTest::newRow("X234 passa, nada encontrado")
        << QStringList{"De:ZEL2002", "Para:ZEL94"} << "X234" << avisoNada << "";
    QTest::newRow("x23456 passa, nada encontrado")
        << QStringList{"De:ZEL2002", "Para:CIUO88"} << "x23456" << avisoNada << "";
}

void TesteTabua::verificacoesNaOrdem() {
    QFETCH(QStringList, passos);
    QFETCH(QString, codigo);
    QFETCH(QString, aviso);
    QFETCH(QString, foco);
    escolherPassos(passos);
    const QString de = tela()->obj_Combo_De->currentText();
    const QString para = tela()->obj_Combo_Para->currentText();
    programa::digitar(tela()->obj_Edit_ConverteCodigo, codigo);
    tela()->obj_Edit_BuscaRapida->setFocus();
    programa::clicar(tela()->obj_Bt_Converter_Ok);
    QCOMPARE(programa::avisos(), QStringList{aviso});
    QCOMPARE(tela()->focusWidget()->objectName(),
             foco.isEmpty() ? u"obj_Edit_BuscaRapida"_s : foco);
    // The screen stays as it was.
    QCOMPARE(navegacao::telaAtual(), tela());
    QCOMPARE(tela()->obj_Combo_De->currentText(), de);
    QCOMPARE(tela()->obj_Combo_Para->currentText(), para);
    QCOMPARE(tela()->obj_Edit_ConverteCodigo->text(), codigo);
    QVERIFY(programa::erros().isEmpty());
}

void TesteTabua::codigosDaZel2002ParaZel94_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("titulo"); // empty: nothing found
    QTest::addColumn<QStringList>("linhas");
    QTest::newRow("1234: a família")
        << "2111"
        << "2111 - Médicos"
        << QStringList{"<b>20101 - Médico de clínica geral</b>", "<b>20102 - Médico cirurgião</b>",
                       "<b>20190 - Outros médicos</b>"};
    QTest::newRow("123456: a ocupação")
        << "211102"
        << "2111-02 - Médicos"
        << QStringList{"<b>20101 - Médico de clínica geral</b>", "<b>20102 - Médico cirurgião</b>"};
    QTest::newRow("12345: nada") << "21110"
                                 << "" << QStringList{};
    QTest::newRow("família sem ocupação em vigor: nada") << "3211"
                                                         << "" << QStringList{};
}

void TesteTabua::codigosDaZel2002ParaZel94() {
    QFETCH(QString, codigo);
    QFETCH(QString, titulo);
    QFETCH(QStringList, linhas);
    EXIGIR(converter(u"ZEL2002"_s, codigo, u"ZEL94"_s));
    if (titulo.isEmpty()) {
        QCOMPARE(programa::avisos(), QStringList{avisoNada});
        QCOMPARE(navegacao::telaAtual(), tela());
        return;
    }
    QVERIFY(programa::avisos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabua);
    QCOMPARE(apoio_conversao::textoDe(obj_Form_FormRespostaTabua, u"obj_Lb_BemVindo"_s), titulo);
    QCOMPARE(linhasDaGrade(), linhas);
}

void TesteTabua::enterAgeComoOk() {
    escolherPassos({u"De:ZEL94"_s, u"Para:ZEL2002"_s});
    programa::digitar(tela()->obj_Edit_ConverteCodigo, u"20101"_s);
    programa::enter(tela()->obj_Edit_ConverteCodigo);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabua);
    QCOMPARE(linhasDaGrade().size(), 3);
    // Enter typed nothing into the box.
    apoio_conversao::irPara(tela());
    programa::enter(tela()->obj_Edit_ConverteCodigo);
    QCOMPARE(programa::avisos(), QStringList{avisoBaseInicial});
    QCOMPARE(tela()->obj_Edit_ConverteCodigo->text(), QString());
}

void TesteTabua::ativacaoLimpaEscolhasECodigo() {
    escolherPassos({u"De:ZEL94"_s});
    programa::digitar(tela()->obj_Edit_ConverteCodigo, u"20101"_s);
    programa::mover(tela()->obj_Bt_Tabua, QPoint(6, 6));
    programa::clicar(tela()->obj_Bt_Home);
    programa::clicar(obj_Form_FormInicial->obj_Bt_Tabua);
    QCOMPARE(navegacao::telaAtual(), tela());
    QCOMPARE(tela()->obj_Combo_De->currentIndex(), -1);
    QCOMPARE(tela()->obj_Combo_Para->currentIndex(), -1);
    QCOMPARE(tela()->obj_Combo_De->currentText(), QString());
    QCOMPARE(tela()->obj_Edit_ConverteCodigo->text(), QString());
    QCOMPARE(tela()->LDescricao->text(), QString());
    // The entries stay as the coupling left them.
    QCOMPARE(entradas(tela()->obj_Combo_De), todas);
    QCOMPARE(entradas(tela()->obj_Combo_Para), QStringList{u"ZEL2002"_s});
}

// Once the results screen has listed the conversion, this screen is back to
// three bases in each list, nothing chosen and no code, though the results
// screen goes on showing the conversion that was made.
void TesteTabua::resultadoListadoReiniciaATela() {
    EXIGIR(converter(u"ZEL94"_s, u"20101"_s, u"ZEL2002"_s));
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabua);
    QCOMPARE(entradas(tela()->obj_Combo_De), todas);
    QCOMPARE(entradas(tela()->obj_Combo_Para), todas);
    QCOMPARE(tela()->obj_Combo_De->currentIndex(), -1);
    QCOMPARE(tela()->obj_Combo_Para->currentIndex(), -1);
    QCOMPARE(tela()->obj_Edit_ConverteCodigo->text(), QString());
    obj_Form_FormRespostaTabua->prcAlimentaGrid();
    QCOMPARE(apoio_conversao::textoDe(obj_Form_FormRespostaTabua, u"obj_Lb_Titulo_Base"_s),
             u"Base ZEL94 para ZEL2002"_s);
    QCOMPARE(apoio_conversao::textoDe(obj_Form_FormRespostaTabua, u"obj_Lb_BemVindo"_s),
             u"20101 - Médico de clínica geral"_s);
    QCOMPARE(linhasDaGrade().first(), u"<b>2111-01 - Médico clínico</b>"_s);

    programa::clicar(obj_Form_FormRespostaTabua->obj_bt_voltar);
    QCOMPARE(navegacao::telaAtual(), tela());
    QCOMPARE(entradas(tela()->obj_Combo_De), todas);
    QCOMPARE(entradas(tela()->obj_Combo_Para), todas);
    QCOMPARE(tela()->obj_Combo_De->currentIndex(), -1);
    QCOMPARE(tela()->obj_Edit_ConverteCodigo->text(), QString());
}

// The statement compares the parameter with family codes only: an
// occupation is converted through its family. The heading still names the
// occupation.
void TesteTabua::ocupacaoParaCiuo88PelaFamilia() {
    EXIGIR(converter(u"ZEL2002"_s, u"211103"_s, u"CIUO88"_s));
    QVERIFY(programa::avisos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabua);
    QCOMPARE(linhasDaGrade(), QStringList{u"2101 - MÉDICOS"_s});
    QCOMPARE(apoio_conversao::textoDe(obj_Form_FormRespostaTabua, u"obj_Lb_BemVindo"_s),
             u"2111-03 - Médicos"_s);
}

QTEST_MAIN(TesteTabua)
#include "tst_tabua.moc"
