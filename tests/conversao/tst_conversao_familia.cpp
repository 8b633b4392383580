// The family conversion: OK without a target, a family that converts to
// nothing, the hand-over to the conversion results and the target kept on
// the way back. Its own program: the target list starts unchosen.

#include "apoio_conversao.h"
#include "botao_figura.h"
#include "exigir.h"
#include "fixtures.h"
#include "navegacao.h"
#include "programa.h"
#include "unit_FormDescricao.h"
#include "unit_FormDescricaoConversao.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaTabua.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Tobj_Form_FormDescricaoConversao *tela() {
    return obj_Form_FormDescricaoConversao;
}

// Opens the family's conversion view the way the family menu does.
void abrirFamilia(const QString &codigo) {
    apoio_conversao::irPara(obj_Form_FormDescricao);
    obj_Form_FormDescricao->strCodigoFamilia = codigo;
    obj_Form_FormDescricao->prcIniciarFormDescricaoConversao();
    QCOMPARE(navegacao::telaAtual(), tela());
}

} // namespace

class TesteConversaoFamilia : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void okSemDestino();
    void nadaEncontrado();
    void entregaAoResultadoEVoltaComODestino();
};

void TesteConversaoFamilia::initTestCase() {
    programa::instalar(fixtures::banco(u"basica"_s));
    programa::iniciar();
}

void TesteConversaoFamilia::init() {
    apoio_conversao::irPara(obj_Form_FormInicial);
    programa::avisos();
    programa::erros();
}

void TesteConversaoFamilia::cleanup() {
    programa::encerrarTeste();
}

void TesteConversaoFamilia::okSemDestino() {
    EXIGIR(abrirFamilia(u"2111"_s));
    QCOMPARE(apoio_conversao::entradas(tela()->obj_Combo_Para),
             (QStringList{u"ZEL94"_s, u"CIUO88"_s}));
    tela()->obj_Edit_BuscaRapida->setFocus();
    programa::clicar(tela()->obj_Bt_Ok);
    QCOMPARE(programa::avisos(), QStringList{u"Você deve informar a\rbase final para conversão"_s});
    QCOMPARE(tela()->focusWidget(), tela()->obj_Combo_Para);
    QCOMPARE(navegacao::telaAtual(), tela());
}

// None of the family's occupations is linked to a previous-edition
// occupation in force.
void TesteConversaoFamilia::nadaEncontrado() {
    EXIGIR(abrirFamilia(u"3211"_s));
    EXIGIR(apoio_conversao::escolher(tela()->obj_Combo_Para, u"ZEL94"_s));
    programa::clicar(tela()->obj_Bt_Ok);
    QCOMPARE(programa::avisos(),
             QStringList{u"Não foi encontrado\rnenhum registro para conversão"_s});
    QCOMPARE(navegacao::telaAtual(), tela());
}

void TesteConversaoFamilia::entregaAoResultadoEVoltaComODestino() {
    EXIGIR(abrirFamilia(u"0111"_s));
    EXIGIR(apoio_conversao::escolher(tela()->obj_Combo_Para, u"CIUO88"_s));
    programa::clicar(tela()->obj_Bt_Ok);
    QVERIFY(programa::avisos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabua);
    QCOMPARE(obj_Form_FormRespostaTabua->strOrigem, u"conversao"_s);
    QCOMPARE(apoio_conversao::textoDe(obj_Form_FormRespostaTabua, u"obj_Lb_BemVindo"_s),
             u"0111 - Docentes universitários"_s);
    QCOMPARE(apoio_conversao::linhasDaGrade(),
             QStringList{u"0101 - PROFESSORES DO ENSINO SUPERIOR"_s});

    programa::clicar(obj_Form_FormRespostaTabua->obj_bt_voltar);
    QCOMPARE(navegacao::telaAtual(), tela());
    QCOMPARE(tela()->obj_Combo_Para->currentText(), u"CIUO88"_s);
    QCOMPARE(tela()->strCodigoFamilia, u"0111"_s);
    // The next visit, from another family, still has the target chosen.
    EXIGIR(abrirFamilia(u"2111"_s));
    QCOMPARE(tela()->obj_Combo_Para->currentText(), u"CIUO88"_s);
    programa::clicar(tela()->obj_Bt_Ok);
    QCOMPARE(apoio_conversao::linhasDaGrade(), QStringList{u"2101 - MÉDICOS"_s});
}

QTEST_MAIN(TesteConversaoFamilia)
#include "tst_conversao_familia.moc"
