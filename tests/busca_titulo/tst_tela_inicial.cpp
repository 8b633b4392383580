// The home screen: its welcome page, reloaded at every activation, and its
// searches by title and by code, with their notices, focus and boxes.

#include "cenario.h"
#include "fixtures.h"
#include "programa.h"
#include "unit_FormInicial.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_global.h"
#include "visualizador_html.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString vazioTitulo = u"Digite a palavra para Busca"_s;
const QString vazioCodigo = u"Digite um código para Busca\rexemplo: 5151 ou 515105"_s;
const QString invalido = u"O código digitado\rnão parece ser válido\rexemplo: 1234 ou 123466"_s;
const QString nada = u"Não foi encontrado\rnenhum registro para busca"_s;

QString instalacao;

QString paginaInicial() {
    return instalacao + u"/html/inicial.htm"_s;
}

// Types into a box and presses Enter in it, or clicks the box's button.
void enviar(QLineEdit *caixa, const QString &texto, bool porEnter, BotaoFigura *botao) {
    caixa->clear();
    programa::digitar(caixa, texto);
    if (porEnter)
        programa::enter(caixa);
    else
        programa::clicar(botao);
}

} // namespace

class TesteTelaInicial : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void paginaDeBoasVindas();
    void paginaRelidaAoReativarNaoAoFecharAviso();
    void paginaAusente();
    void buscaTitulo_data();
    void buscaTitulo();
    void buscaCodigo_data();
    void buscaCodigo();
    void tabulacaoDoTituloAoCodigo();
};

void TesteTelaInicial::initTestCase() {
    instalacao = programa::instalar(fixtures::banco(u"basica"_s));
    programa::iniciar();
}

void TesteTelaInicial::init() {
    cenario::irPara(obj_Form_FormInicial);
    obj_Form_FormInicial->obj_Edit_BuscaTitulo->clear();
    obj_Form_FormInicial->obj_Edit_BuscaCodigo->clear();
    programa::limparEventos();
    programa::avisos();
    programa::erros();
}

void TesteTelaInicial::cleanup() {
    programa::encerrarTeste();
}

void TesteTelaInicial::paginaDeBoasVindas() {
    VisualizadorHtml *pagina = obj_Form_FormInicial->obj_WebBrowser;
    QCOMPARE(pagina->source(), QUrl::fromLocalFile(paginaInicial()));
    QVERIFY(!pagina->toPlainText().trimmed().isEmpty());
    QCOMPARE(pagina->corDeFundo(), QColor(255, 247, 223));
    QCOMPARE(pagina->geometry(), QRect(33, 118, 467, 175));
    QCOMPARE(obj_Form_FormInicial->obj_Panel_Sombra->geometry(), QRect(32, 117, 470, 177));
    QCOMPARE(obj_Form_FormInicial->focusWidget(), obj_Form_FormInicial->obj_Edit_BuscaTitulo);
}

// The page is read again, and the shared position taken, when the About
// screen goes away; not when a notice closes.
void TesteTelaInicial::paginaRelidaAoReativarNaoAoFecharAviso() {
    VisualizadorHtml *pagina = obj_Form_FormInicial->obj_WebBrowser;
    const QString boasVindas = pagina->toPlainText();
    const QPoint lugar = obj_Form_FormInicial->pos();
    pagina->setHtml(u"<p>outra</p>"_s);
    obj_Form_FormInicial->move(lugar + QPoint(40, 30));
    navegacao::mostrarSobre();
    navegacao::sobreFechado();
    QCOMPARE(programa::eventos(), QStringList{u"FormInicial ativada"_s});
    QCOMPARE(obj_Form_FormInicial->pos(), lugar);
    QCOMPARE(pagina->toPlainText(), boasVindas);
    QCOMPARE(pagina->source(), QUrl::fromLocalFile(paginaInicial()));

    pagina->setHtml(u"<p>outra</p>"_s);
    programa::limparEventos();
    QCOMPARE(programa::fecharAvisoReal(
                 [] { programa::clicar(obj_Form_FormInicial->obj_Bt_ProcurarTitulo); }),
             u"Digite a palavra para Busca"_s);
    QVERIFY(programa::eventos().isEmpty());
    QCOMPARE(pagina->toPlainText(), u"outra"_s);
}

// A missing welcome page is the viewer's error, shown by the boundary; the
// screen stays, placed as usual.
void TesteTelaInicial::paginaAusente() {
    programa::instalar(fixtures::banco(u"basica"_s), false);
    const QString ausente = diretorioPrograma() + u"/html/inicial.htm"_s;
    cenario::irPara(obj_Form_FormRespostaBusca);
    cenario::irPara(obj_Form_FormInicial);
    QCOMPARE(programa::erros(), QStringList{u"Can't locate file: "_s + ausente});
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormInicial);
    QVERIFY(obj_Form_FormInicial->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
    // The searches go on without the page.
    enviar(obj_Form_FormInicial->obj_Edit_BuscaTitulo, u"xyzzy"_s, true,
           obj_Form_FormInicial->obj_Bt_ProcurarTitulo);
    QCOMPARE(programa::avisos(), QStringList{nada});
    instalacao = programa::instalar(fixtures::banco(u"basica"_s));
}

void TesteTelaInicial::buscaTitulo_data() {
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<bool>("porEnter");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<QString>("padrao"); // what was searched, when something is found

    QTest::newRow("vazia, botão") << QString() << false << vazioTitulo << QString();
    QTest::newRow("vazia, Enter") << QString() << true << vazioTitulo << QString();
    QTest::newRow("nada, botão") << u"xyzzy"_s << false << nada << QString();
    QTest::newRow("nada, Enter") << u"xyzzy"_s << true << nada << QString();
    QTest::newRow("encontra, botão") << u"médico"_s << false << QString() << u"%médico%"_s;
    QTest::newRow("maiúsculas sem acento, Enter")
        << u"MEDICO"_s << true << QString() << u"%médico%"_s;
    QTest::newRow("um branco") << u" "_s << true << QString() << u"% %"_s;
    QTest::newRow("curinga _") << u"m_dico"_s << true << QString() << u"%médico%"_s;
    QTest::newRow("curinga %") << u"%"_s << false << QString() << u"%"_s;
}

// The title box is empty after every outcome; rows open the results screen
// with the tag "capa", reading the home screen's own title query.
void TesteTelaInicial::buscaTitulo() {
    QFETCH(QString, palavra);
    QFETCH(bool, porEnter);
    QFETCH(QString, aviso);
    QFETCH(QString, padrao);
    QLineEdit *caixa = obj_Form_FormInicial->obj_Edit_BuscaTitulo;
    obj_Form_FormInicial->obj_Edit_BuscaCodigo->setFocus();
    enviar(caixa, palavra, porEnter, obj_Form_FormInicial->obj_Bt_ProcurarTitulo);

    QCOMPARE(caixa->text(), QString());
    QCOMPARE(programa::avisos(), aviso.isEmpty() ? QStringList() : QStringList{aviso});
    QVERIFY(programa::erros().isEmpty());
    if (padrao.isEmpty()) {
        QCOMPARE(navegacao::telaAtual(), obj_Form_FormInicial);
        QCOMPARE(obj_Form_FormInicial->focusWidget(),
                 palavra.isEmpty() ? caixa : obj_Form_FormInicial->obj_Edit_BuscaCodigo);
        return;
    }
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaBusca);
    QVERIFY(!obj_Form_FormInicial->isVisible());
    QCOMPARE(obj_Form_FormRespostaBusca->strOrigem, u"capa"_s);
    QCOMPARE(&obj_Form_FormRespostaBusca->consultaDeOrigem(),
             &obj_Form_FormInicial->obj_DB_QUERY_BuscaTitulo);
    const int total = cenario::contarTitulos(padrao);
    QVERIFY(total > 0);
    QCOMPARE(obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ->celula(0, 0),
             u"Resultado de títulos encontrados (%1)"_s.arg(total));
}

void TesteTelaInicial::buscaCodigo_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<bool>("porEnter");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<bool>("focoNaCaixa");    // the focus was moved into the code box
    QTest::addColumn<QStringList>("codigos"); // the rows found, when any

    QTest::newRow("vazio") << QString() << false << vazioCodigo << true << QStringList();
    QTest::newRow("vazio, Enter") << QString() << true << vazioCodigo << true << QStringList();
    QTest::newRow("três dígitos") << u"211"_s << false << invalido << false << QStringList();
    QTest::newRow("cinco dígitos") << u"21110"_s << true << invalido << false << QStringList();
    QTest::newRow("sete dígitos") << u"0121011"_s << false << invalido << false << QStringList();
    QTest::newRow("letra entre os dígitos")
        << u"22a1"_s << true << invalido << true << QStringList();
    QTest::newRow("seis com branco no meio")
        << u"211 05"_s << false << invalido << true << QStringList();
    QTest::newRow("branco à esquerda de quatro")
        << u" 2111"_s << false << invalido << false << QStringList();
    QTest::newRow("branco à esquerda, quatro caracteres")
        << u" 211"_s << false << invalido << true << QStringList();
    QTest::newRow("algarismo não latino")
        << u"٢٢٣١"_s << false << invalido << true << QStringList();
    QTest::newRow("família inexistente") << u"9999"_s << false << nada << false << QStringList();
    QTest::newRow("ocupação inexistente") << u"211199"_s << true << nada << false << QStringList();
    QTest::newRow("família") << u"2111"_s << false << QString() << false
                             << QStringList{u"2111   "_s, u"2111-01"_s, u"2111-02"_s, u"2111-03"_s};
    QTest::newRow("família, Enter") << u"0111"_s << true << QString() << false
                                    << QStringList{u"0111   "_s, u"0111-01"_s, u"0111-02"_s};
    QTest::newRow("ocupação") << u"211102"_s << true << QString() << false
                              << QStringList{u"2111-02"_s};
}

// Refused or not found, the code stays in the box; found, the box is emptied
// and the code search results screen reads the home screen's code query.
void TesteTelaInicial::buscaCodigo() {
    QFETCH(QString, codigo);
    QFETCH(bool, porEnter);
    QFETCH(QString, aviso);
    QFETCH(bool, focoNaCaixa);
    QFETCH(QStringList, codigos);
    QLineEdit *caixa = obj_Form_FormInicial->obj_Edit_BuscaCodigo;
    QLineEdit *outra = obj_Form_FormInicial->obj_Edit_BuscaTitulo;
    outra->setFocus();
    enviar(caixa, codigo, porEnter, obj_Form_FormInicial->obj_Bt_ProcurarCodigo);
    QCOMPARE(programa::avisos(), aviso.isEmpty() ? QStringList() : QStringList{aviso});
    QVERIFY(programa::erros().isEmpty());
    if (codigos.isEmpty()) {
        QCOMPARE(navegacao::telaAtual(), obj_Form_FormInicial);
        QCOMPARE(caixa->text(), codigo);
        QCOMPARE(obj_Form_FormInicial->focusWidget(), focoNaCaixa ? caixa : outra);
        return;
    }
    QCOMPARE(caixa->text(), QString());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaBuscaCodigo);
    QCOMPARE(obj_Form_FormRespostaBuscaCodigo->strOrigem, u"capa"_s);
    Consulta &consulta = obj_Form_FormInicial->obj_DB_QUERY_BuscaCodigo;
    QStringList achados;
    for (consulta.primeiro(); !consulta.fimDados(); consulta.proximo())
        achados << consulta.campo(u"codigo"_s);
    consulta.primeiro();
    QCOMPARE(achados, codigos);
}

void TesteTelaInicial::tabulacaoDoTituloAoCodigo() {
    obj_Form_FormInicial->obj_Edit_BuscaTitulo->setFocus();
    QTest::keyClick(obj_Form_FormInicial->obj_Edit_BuscaTitulo, Qt::Key_Tab);
    QCOMPARE(obj_Form_FormInicial->focusWidget(), obj_Form_FormInicial->obj_Edit_BuscaCodigo);
}

QTEST_MAIN(TesteTelaInicial)
#include "tst_tela_inicial.moc"
