// The information, regulation and legislation screens: each loads its page
// from the html directory beside the program at every activation; a missing
// page is reported and leaves the screen where it was.

#include "apoio_paginas.h"
#include "exigir.h"
#include "fixtures.h"
#include "posicao.h"
#include "visualizador_html.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

QString raiz; // the installation; its html directory is a copy the tests may change

QString caminho(const QString &arquivo) {
    return raiz + u"/html/"_s + arquivo;
}

// The project's pages copied into the installation, pictures linked.
void copiarPaginas() {
    const QDir origem(QStringLiteral(ZEL_DIR_HTML));
    QDir().mkpath(raiz + u"/html"_s);
    for (const QString &arquivo : origem.entryList({u"*.htm"_s, u"*.css"_s}, QDir::Files))
        QVERIFY(QFile::copy(origem.filePath(arquivo), caminho(arquivo)));
    QVERIFY(QFile::link(origem.filePath(u"imagens"_s), caminho(u"imagens"_s)));
}

QString ler(const QString &arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void escrever(const QString &arquivo, const QString &texto) {
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(texto.toUtf8());
}

void guardarPosicao(QPoint p) {
    intJanelaX = p.x();
    intJanelaY = p.y();
}

} // namespace

class TestePaginas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void carregaCadaPagina_data() { linhasDasPaginas(); }
    void carregaCadaPagina();
    void molduraEDivisorias_data() { linhasDasPaginas(); }
    void molduraEDivisorias();
    void recarregaAoVoltarDoSobreNaoDoAviso_data() { linhasDasPaginas(); }
    void recarregaAoVoltarDoSobreNaoDoAviso();
    void paginaAusente_data() { linhasDasPaginas(); }
    void paginaAusente();
    void impressaoSoMostraADica_data() { linhasDasPaginas(); }
    void impressaoSoMostraADica();
    void botaoDaPropriaPaginaNaoFazNada_data();
    void botaoDaPropriaPaginaNaoFazNada();
    void tabChegaAPaginaEAosLinks_data() { linhasDasPaginas(); }
    void tabChegaAPaginaEAosLinks();
};

void TestePaginas::initTestCase() {
    raiz = programa::instalar(fixtures::banco(u"basica"_s), false);
    EXIGIR(copiarPaginas());
    programa::iniciar();
}

void TestePaginas::init() {
    programa::limparEventos();
    programa::avisos();
    programa::erros();
}

// The pages a test changed or took away come back as they are in the project.
void TestePaginas::cleanup() {
    const QDir origem(QStringLiteral(ZEL_DIR_HTML));
    for (const QString &arquivo : origem.entryList({u"*.htm"_s}, QDir::Files)) {
        QFile::remove(caminho(arquivo) + u".fora"_s);
        QFile::remove(caminho(arquivo));
        QVERIFY(QFile::copy(origem.filePath(arquivo), caminho(arquivo)));
    }
    programa::encerrarTeste();
}

// The page is looked for in the program's directory as it is written, with
// its capitals ("Programa ZEL"); the screen then takes the shared position.
void TestePaginas::carregaCadaPagina() {
    QFETCH(QString, nome);
    QFETCH(QString, arquivo);
    QFETCH(QString, botao);
    TelaPagina *tela = telaDePagina(nome);
    // Placed while hidden: hiding a page screen records its position.
    navegacao::irPara(navegacao::telaAtual(), obj_Form_FormInicial);
    tela->move(123, 77);
    guardarPosicao(QPoint(40, 30));
    if (tela->LDescricao)
        programa::mover(tela->obj_Bt_Tabua, QPoint(6, 6));
    abrirPagina(tela, botao);
    QVERIFY(programa::erros().isEmpty());
    QCOMPARE(navegacao::telaAtual(), tela);
    QVERIFY(tela->isVisible() && !obj_Form_FormInicial->isVisible());
    QCOMPARE(tela->obj_WebBrowser->source(), QUrl::fromLocalFile(caminho(arquivo)));
    QVERIFY(raiz.contains(u"Programa ZEL"_s));
    const QString titulo = QTextDocumentFragment::fromHtml(ler(caminho(arquivo)))
                               .toPlainText()
                               .section(u'\n', 0, 0, QString::SectionSkipEmpty);
    QVERIFY(!titulo.isEmpty());
    QVERIFY2(tela->obj_WebBrowser->toPlainText().contains(titulo), qPrintable(titulo));
    QCOMPARE(tela->pos(), QPoint(40, 30));
    if (tela->LDescricao)
        QCOMPARE(tela->LDescricao->text(), QString());
    QCOMPARE(tela->obj_Lb_Informacoes->text(), u"Informações Gerais da ZEL"_s);
    // The viewer keeps no history.
    abrirPagina(tela, botao);
    QVERIFY(!tela->obj_WebBrowser->isBackwardAvailable());
    QCOMPARE(tela->obj_WebBrowser->document()->defaultFont().family(),
             QFont::substitute(u"Times New Roman"_s));
}

// The heading over a divider, the viewer in a black frame one pixel larger
// on every side, a second divider under it; nothing overlaps.
void TestePaginas::molduraEDivisorias() {
    QFETCH(QString, nome);
    QFETCH(QString, botao);
    TelaPagina *tela = telaDePagina(nome);
    abrirPagina(tela, botao);
    const QRect visualizador(tela->obj_WebBrowser->mapTo(tela, QPoint(0, 0)),
                             tela->obj_WebBrowser->size());
    const QRect moldura = tela->obj_Lb_WebBrownser_Borda->geometry();
    QCOMPARE(moldura, visualizador.adjusted(-1, -1, 1, 1));
    QCOMPARE(visualizador.width(), 683);
    const QImage imagem = tela->grab().toImage();
    for (const QPoint &canto : {moldura.topLeft(), moldura.topRight(), moldura.bottomLeft(),
                                moldura.bottomRight(), moldura.bottomLeft() + QPoint(300, 0)})
        QCOMPARE(imagem.pixelColor(canto), QColor(Qt::black));
    const QRect titulo = tela->obj_Lb_Informacoes->geometry();
    const QRect acima = tela->obj_Img_Divisoria->geometry();
    const QRect abaixo = tela->obj_Img_Divisoria_2->geometry();
    QVERIFY(titulo.bottom() < acima.top());
    QVERIFY(acima.bottom() < moldura.top());
    QVERIFY(moldura.bottom() < abaixo.top());
    QVERIFY(abaixo.bottom() < tela->obj_Bt_Impressao->geometry().top());
    QCOMPARE(acima.left(), moldura.left());
    QCOMPARE(abaixo.width(), moldura.width());
}

// The page is read again from the disk when the About screen goes away, and
// shown from its top; a notice closing above the screen reloads nothing.
void TestePaginas::recarregaAoVoltarDoSobreNaoDoAviso() {
    QFETCH(QString, nome);
    QFETCH(QString, arquivo);
    QFETCH(QString, botao);
    TelaPagina *tela = telaDePagina(nome);
    abrirPagina(tela, botao);
    const QString original = ler(caminho(arquivo));
    EXIGIR(escrever(caminho(arquivo),
                    QString(original).replace(u"<body>"_s, u"<body><p>Versão nova</p>"_s)));
    QScrollBar *barra = tela->obj_WebBrowser->verticalScrollBar();
    barra->setValue(barra->maximum());
    const int rolagem = barra->value();
    QVERIFY(rolagem > 0);

    QVERIFY(fecharAvisoReal(tela));
    QVERIFY(!tela->obj_WebBrowser->toPlainText().contains(u"Versão nova"_s));
    QCOMPARE(barra->value(), rolagem);

    abrirEFecharSobre(tela);
    QVERIFY(tela->obj_WebBrowser->toPlainText().startsWith(u"Versão nova"_s));
    QCOMPARE(barra->value(), 0);
    QVERIFY(programa::erros().isEmpty());
}

// The error names the missing file exactly; the activation ends there: the
// caption was already emptied, the screen does not take the shared position,
// the viewer keeps its page, and the screen stays on view and usable.
void TestePaginas::paginaAusente() {
    QFETCH(QString, nome);
    QFETCH(QString, arquivo);
    QFETCH(QString, botao);
    TelaPagina *tela = telaDePagina(nome);
    abrirPagina(tela, botao);
    const QString texto = tela->obj_WebBrowser->toPlainText();
    QVERIFY(QFile::rename(caminho(arquivo), caminho(arquivo) + u".fora"_s));
    navegacao::irPara(tela, obj_Form_FormInicial);
    tela->move(123, 77);
    guardarPosicao(QPoint(40, 30));
    if (tela->LDescricao)
        programa::mover(tela->obj_Bt_Home, QPoint(6, 6));

    abrirPagina(tela, botao);
    QCOMPARE(programa::erros(), QStringList{u"Can't locate file: "_s + caminho(arquivo)});
    QCOMPARE(navegacao::telaAtual(), tela);
    QVERIFY(tela->isVisible() && !obj_Form_FormInicial->isVisible());
    QCOMPARE(tela->pos(), QPoint(123, 77));
    QCOMPARE(tela->obj_WebBrowser->toPlainText(), texto);
    if (tela->LDescricao)
        QCOMPARE(tela->LDescricao->text(), QString());

    programa::clicar(::botao(tela, u"obj_Bt_Home"_s), QPoint(5, 5));
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormInicial);
    QVERIFY(QFile::rename(caminho(arquivo) + u".fora"_s, caminho(arquivo)));
    abrirPagina(tela, botao);
    QVERIFY(programa::erros().isEmpty());
    QCOMPARE(tela->pos(), QPoint(intJanelaX, intJanelaY));
}

void TestePaginas::impressaoSoMostraADica() {
    QFETCH(QString, nome);
    QFETCH(QString, botao);
    TelaPagina *tela = telaDePagina(nome);
    abrirPagina(tela, botao);
    QWidget *impressao = tela->obj_Bt_Impressao;
    QCOMPARE(impressao->size(), QSize(11, 11));
    const QPoint posicao = tela->pos();
    const QPoint lugar = impressao->pos();
    const QString pagina = tela->obj_WebBrowser->toHtml();
    programa::limparEventos();
    programa::clicar(impressao, QPoint(5, 5));
    QVERIFY(programa::eventos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), tela);
    QCOMPARE(tela->pos(), posicao);
    QCOMPARE(impressao->pos(), lugar);
    QCOMPARE(tela->obj_WebBrowser->toHtml(), pagina);
    QVERIFY(programa::avisos().isEmpty() && programa::erros().isEmpty());

    QHelpEvent dica(QEvent::ToolTip, QPoint(5, 5), impressao->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(impressao, &dica);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), u"Imprimir"_s);
    QToolTip::hideText();
}

void TestePaginas::botaoDaPropriaPaginaNaoFazNada_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("legenda");
    QTest::newRow("informações") << "FormInformacoes"
                                 << "obj_Bt_Info"
                                 << "Informações da ZEL";
    QTest::newRow("regulamentação") << "FormRegulamentacao"
                                    << "obj_Bt_Regula"
                                    << "Regulamentação da ZEL";
}

// No show, no activation: the page is not even reloaded. The caption still
// shows on hover.
void TestePaginas::botaoDaPropriaPaginaNaoFazNada() {
    QFETCH(QString, nome);
    QFETCH(QString, botao);
    QFETCH(QString, legenda);
    TelaPagina *tela = telaDePagina(nome);
    abrirPagina(tela, botao);
    programa::limparEventos();
    programa::clicar(::botao(tela, botao), QPoint(7, 7));
    QVERIFY(programa::eventos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), tela);
    programa::mover(::botao(tela, botao), QPoint(6, 6));
    QCOMPARE(tela->LDescricao->text(), legenda);
}

// Tab reaches the page: the dotted focus mark shows inside the black frame,
// which stays whole, and a screen reader hears a document named by the
// heading; the next Tab reaches the page's first link, which it hears too.
void TestePaginas::tabChegaAPaginaEAosLinks() {
    QFETCH(QString, nome);
    QFETCH(QString, botao);
    TelaPagina *tela = telaDePagina(nome);
    abrirPagina(tela, botao);
    tela->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tela));
    VisualizadorHtml *pagina = tela->obj_WebBrowser;
    for (int i = 0; i < 100 && !pagina->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(pagina->hasFocus());

    const QImage imagem = tela->grab().toImage();
    const QRect moldura = tela->obj_Lb_WebBrownser_Borda->geometry();
    int pretosNaMoldura = 0;
    int pretosDentro = 0;
    for (int x = moldura.left(); x <= moldura.right(); ++x) {
        pretosNaMoldura += imagem.pixelColor(x, moldura.top()) == QColor(Qt::black);
        pretosDentro += imagem.pixelColor(x, moldura.top() + 1) == QColor(Qt::black);
    }
    QCOMPARE(pretosNaMoldura, moldura.width());
    QVERIFY2(pretosDentro > moldura.width() / 4, qPrintable(QString::number(pretosDentro)));
    QVERIFY(pretosDentro < moldura.width());

    QAccessibleInterface *documento = QAccessible::queryAccessibleInterface(pagina);
    QCOMPARE(documento->role(), QAccessible::Document);
    QCOMPARE(documento->text(QAccessible::Name), u"Informações Gerais da ZEL"_s);
    QTest::keyClick(pagina, Qt::Key_Tab);
    QVERIFY(pagina->hasFocus());
    QAccessibleInterface *link = documento->focusChild();
    QVERIFY(link);
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), pagina->links().value(0).texto);
    QVERIFY(!link->text(QAccessible::Name).isEmpty());
}

QTEST_MAIN(TestePaginas)
#include "tst_paginas.moc"
