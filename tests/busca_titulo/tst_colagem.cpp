// Text that reaches the boxes by pasting (a spreadsheet's cell, a title copied
// from a PDF or a web page): what no key types and nobody sees is cleaned out,
// so that the search finds what the box shows; typed text is kept as typed.

#include "cenario.h"
#include "colagem.h"
#include "fixtures.h"
#include "programa.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaBusca.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TesteColagem : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void textoDeUmaLinha_data();
    void textoDeUmaLinha();
    void todasAsCaixas();
    void colarEBuscar();
};

void TesteColagem::initTestCase() {
    programa::instalar(fixtures::banco(u"basica"_s));
    programa::iniciar();
}

void TesteColagem::cleanup() {
    programa::encerrarTeste();
}

void TesteColagem::textoDeUmaLinha_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("digitado, brancos nas pontas e em dobro")
        << u" Médico  fisiatra "_s << u" Médico  fisiatra "_s;
    QTest::newRow("curingas e pontuação") << u"%m_dico, 1º (a/b)"_s << u"%m_dico, 1º (a/b)"_s;
    QTest::newRow("célula de planilha: quebra no fim")
        << u"Médico fisiatra\n"_s << u"Médico fisiatra"_s;
    QTest::newRow("CR LF no fim e tabulação no início")
        << u"\tMédico fisiatra\r\n"_s << u"Médico fisiatra"_s;
    QTest::newRow("quebras e tabulação entre palavras")
        << u"Médico\r\nfisiatra\tde\u2028plantão"_s << u"Médico fisiatra de plantão"_s;
    QTest::newRow("várias quebras seguidas, um espaço") << u"a\n\n\tb"_s << u"a b"_s;
    QTest::newRow("hífen de separação silábica") << u"fisi\u00adatra"_s << u"fisiatra"_s;
    QTest::newRow("espaço e junções de largura zero")
        << u"Médico\u200bfisiatra\u200d\u2060"_s << u"Médicofisiatra"_s;
    QTest::newRow("marca de ordem de bytes") << u"\ufeffMédico"_s << u"Médico"_s;
    QTest::newRow("acentos decompostos") << u"reabilitac\u0327a\u0303o"_s << u"reabilitação"_s;
    QTest::newRow("espaço inseparável mantido") << u"a\u00a0b"_s << u"a\u00a0b"_s;
    QTest::newRow("fora do plano básico mantido") << u"a\U0001F600b"_s << u"a\U0001F600b"_s;
    QTest::newRow("só quebras") << u"\r\n"_s << QString();
    QTest::newRow("vazio") << QString() << QString();
}

void TesteColagem::textoDeUmaLinha() {
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QCOMPARE(colagem::textoDeUmaLinha(texto), esperado);
}

// Every text box of every screen cleans a paste and keeps what is typed.
// (The code search box holds six characters: the paste fits.)
void TesteColagem::todasAsCaixas() {
    int caixas = 0;
    for (QWidget *widget : QApplication::allWidgets()) {
        auto *caixa = qobject_cast<QLineEdit *>(widget);
        if (!caixa)
            continue;
        ++caixas;
        caixa->clear();
        QGuiApplication::clipboard()->setText(u"\t12\u00ad3\n"_s);
        caixa->paste();
        QVERIFY2(caixa->text() == u"123"_s, qPrintable(caixa->objectName()));
        QCOMPARE(caixa->cursorPosition(), 3);
        caixa->clear();
        programa::digitar(caixa, u" 1 2"_s);
        QVERIFY2(caixa->text() == u" 1 2"_s, qPrintable(caixa->objectName()));
        caixa->clear();
    }
    QVERIFY(caixas > 17);
}

// A cell copied from a spreadsheet, with its accent decomposed, finds the
// titles the word finds typed.
void TesteColagem::colarEBuscar() {
    cenario::irPara(obj_Form_FormInicial);
    QLineEdit *caixa = obj_Form_FormInicial->obj_Edit_BuscaTitulo;
    caixa->clear();
    QGuiApplication::clipboard()->setText(u"me\u0301dico\r\n"_s);
    caixa->setFocus();
    QTest::keyClick(caixa, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(caixa->text(), u"médico"_s);
    programa::enter(caixa);
    QVERIFY(programa::avisos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaBusca);
    QCOMPARE(obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ->celula(0, 0),
             u"Resultado de títulos encontrados (%1)"_s.arg(cenario::contarTitulos(u"%médico%"_s)));
}

QTEST_MAIN(TesteColagem)
#include "tst_colagem.moc"
