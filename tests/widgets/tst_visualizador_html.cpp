#include "acessivel.h"
#include "erro.h"
#include "exigir.h"
#include "fontes.h"
#include "fronteira.h"
#include "visualizador_html.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QColor creme(0xFF, 0xF7, 0xDF);

void escrever(const QString &caminho, const QString &html) {
    QFile arquivo(caminho);
    QVERIFY(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    arquivo.write(html.toUtf8());
}

QString pagina(const QString &corpo) {
    return u"<html><head><meta charset=\"utf-8\"></head><body>"_s + corpo + u"</body></html>"_s;
}

// Enough lines to make the viewer scroll, then the anchor "fim".
QString paginaLonga(const QString &nome, const QString &links) {
    QString corpo = u"<p>Página "_s + nome + u": "_s + links + u"</p>"_s;
    for (int i = 0; i < 60; ++i)
        corpo += u"<p>linha "_s + QString::number(i) + u"</p>"_s;
    return pagina(corpo + u"<p><a name=\"fim\"></a>Fim de "_s + nome + u"</p>"_s);
}

QList<QTextFragment> fragmentos(const QTextDocument &documento) {
    QList<QTextFragment> lista;
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next())
        for (auto it = bloco.begin(); !it.atEnd(); ++it)
            lista << it.fragment();
    return lista;
}

QImage comoImagem(const QVariant &recurso) {
    switch (recurso.metaType().id()) {
    case QMetaType::QByteArray:
        return QImage::fromData(recurso.toByteArray());
    case QMetaType::QImage:
        return recurso.value<QImage>();
    case QMetaType::QPixmap:
        return recurso.value<QPixmap>().toImage();
    default:
        return {};
    }
}

// The picture of `arquivo` drawn at twice its size on the page (`tamanho`),
// which the viewer shows on scaled screens, lies beside it as "nome@2x.png".
void verificarFiguraEmDobro(const QString &arquivo, QSize tamanho) {
    const QFileInfo simples(arquivo);
    const QString dobro = simples.dir().filePath(simples.completeBaseName() + u"@2x.png"_s);
    const QImage figura(dobro);
    QVERIFY2(!figura.isNull(), qPrintable(dobro));
    QCOMPARE(figura.size(), tamanho * 2);
}

// Clicks the middle of the first character of `texto`, as a user clicks a link.
void clicarNoTexto(VisualizadorHtml &visualizador, const QString &texto) {
    const QTextCursor achado = visualizador.document()->find(texto);
    QVERIFY2(!achado.isNull(), qPrintable(texto));
    QTextCursor antes(visualizador.document());
    antes.setPosition(achado.selectionStart());
    QTextCursor depois(visualizador.document());
    depois.setPosition(achado.selectionStart() + 1);
    const int x = (visualizador.cursorRect(antes).x() + visualizador.cursorRect(depois).x()) / 2;
    QTest::mouseClick(visualizador.viewport(), Qt::LeftButton, {},
                      QPoint(x, visualizador.cursorRect(antes).center().y()));
}

// The four sides of the ring of one pixel along the edge of `imagem`: top,
// bottom, left, right.
QList<QList<QPoint>> ladosDoAnel(const QImage &imagem) {
    QList<QList<QPoint>> lados(4);
    const QRect borda = imagem.rect();
    for (int x = borda.left(); x <= borda.right(); ++x) {
        lados[0] << QPoint(x, borda.top());
        lados[1] << QPoint(x, borda.bottom());
    }
    for (int y = borda.top(); y <= borda.bottom(); ++y) {
        lados[2] << QPoint(borda.left(), y);
        lados[3] << QPoint(borda.right(), y);
    }
    return lados;
}

int pixelsDaCor(const QImage &imagem, const QRect &area, const QColor &cor) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += imagem.pixelColor(x, y) == cor;
    return n;
}

// A window with a text box above a viewer and one below it, in this order
// for Tab.
struct JanelaComVisualizador {
    QWidget janela;
    QLineEdit antes{&janela};
    VisualizadorHtml visualizador{&janela};
    QLineEdit depois{&janela};

    JanelaComVisualizador() {
        antes.setGeometry(0, 0, 100, 20);
        visualizador.setGeometry(0, 30, 300, 120);
        visualizador.definirCorDeFundo(creme);
        depois.setGeometry(0, 160, 100, 20);
    }
    // Shows the window, active; false when it did not become so.
    [[nodiscard]] bool mostrar() {
        janela.show();
        janela.activateWindow();
        return QTest::qWaitForWindowActive(&janela);
    }
};

// Receives the links that the viewer hands to the system's browser.
class Navegador : public QObject {
    Q_OBJECT
public:
    QList<QUrl> abertos;
public slots:
    void abrir(const QUrl &endereco) { abertos << endereco; }
};

} // namespace

class TstVisualizadorHtml : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mostraCadaPagina_data();
    void mostraCadaPagina();
    void arquivoAusente_data();
    void arquivoAusente();
    void recarregaOArquivoDoDisco_data();
    void recarregaOArquivoDoDisco();
    void naoGuardaHistorico();
    void linkInternoAbreNoVisualizador_data();
    void linkInternoAbreNoVisualizador();
    void linkParaPaginaAusente();
    void linkExternoVaiAoNavegador_data();
    void linkExternoVaiAoNavegador();
    void fontesPadrao_data();
    void fontesPadrao();
    void semCursorNemMolduraDeFoco_data();
    void semCursorNemMolduraDeFoco();
    void selecaoDeTexto_data();
    void selecaoDeTexto();
    void marcaDeFocoPeloTeclado_data();
    void marcaDeFocoPeloTeclado();
    void paginaAcessivel();
    void nomesDosLinks_data();
    void nomesDosLinks();
    void tabAnunciaOLink();

private:
    QString caminho(const QString &nome) const { return m_dir.filePath(nome); }
    void mostrar(VisualizadorHtml &visualizador);
    // Writes the page `arquivo` with `corpo` and loads it into `visualizador`.
    void carregarCorpo(VisualizadorHtml &visualizador, const QString &arquivo,
                       const QString &corpo);

    QTemporaryDir m_dir;
    QStringList m_erros;
    fronteira::Relator m_relatorAnterior;
    std::unique_ptr<VisualizadorHtml> m_visualizador;
};

void TstVisualizadorHtml::initTestCase() {
    fontes::registrarSubstituicoes();
    QVERIFY(m_dir.isValid());
}

// Every test starts with fresh pages A and B and a fresh viewer; the errors
// that the viewer reports through the boundary are recorded.
void TstVisualizadorHtml::init() {
    EXIGIR(
        escrever(caminho(u"a.htm"_s),
                 paginaLonga(u"A"_s, u"<a href=\"#fim\">ao fim</a> <a href=\"b.htm\">página B</a> "
                                     "<a href=\"b.htm#fim\">fim de B</a> "
                                     "<a href=\"http://exemplo.invalid/zel\">sítio</a> "
                                     "<a href=\"mailto:zel@exemplo.invalid\">correio</a> "
                                     "<a href=\"ausente.htm\">ausente</a>"_s)));
    EXIGIR(escrever(caminho(u"b.htm"_s), paginaLonga(u"B"_s, u"<a href=\"a.htm\">página A</a>"_s)));
    m_erros.clear();
    m_relatorAnterior =
        fronteira::definirRelator([this](const QString &texto) { m_erros << texto; });
    m_visualizador = std::make_unique<VisualizadorHtml>();
    m_visualizador->resize(300, 120);
}

void TstVisualizadorHtml::cleanup() {
    m_visualizador.reset();
    fronteira::definirRelator(m_relatorAnterior);
}

void TstVisualizadorHtml::mostrar(VisualizadorHtml &visualizador) {
    visualizador.show();
    QVERIFY(QTest::qWaitForWindowExposed(&visualizador));
}

void TstVisualizadorHtml::carregarCorpo(VisualizadorHtml &visualizador, const QString &arquivo,
                                        const QString &corpo) {
    EXIGIR(escrever(caminho(arquivo), pagina(corpo)));
    visualizador.carregar(caminho(arquivo));
}

void TstVisualizadorHtml::mostraCadaPagina_data() {
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QSize>("tamanho");
    QTest::addColumn<QString>("trecho");
    QTest::addColumn<int>("figuras");
    QTest::newRow("boas-vindas") << u"inicial.htm"_s << QSize(467, 175)
                                 << u"famílias, ocupações e sinônimos"_s << 6;
    QTest::newRow("informações") << u"info_zel.htm"_s << QSize(683, 295) << u"Subgrupo Principal"_s
                                 << 6;
    QTest::newRow("regulamentação")
        << u"regulamentacao.htm"_s << QSize(683, 294) << u"não a regulamenta"_s << 1;
    QTest::newRow("legislação") << u"legislacao.htm"_s << QSize(683, 294)
                                << u"profissões regulamentadas"_s << 1;
}

// The page shows its text with the accents read as UTF-8, every picture is
// found beside the page, decodes, is shown at its size and has its picture
// drawn at twice that size beside it, every link leads somewhere (an anchor of
// the page or a file of the html directory), and the shared stylesheet, the
// only source of the Verdana headings, is applied.
void TstVisualizadorHtml::mostraCadaPagina() {
    QFETCH(QString, arquivo);
    QFETCH(QSize, tamanho);
    QFETCH(QString, trecho);
    QFETCH(int, figuras);
    const QDir html(QStringLiteral(ZEL_DIR_HTML));
    const QString pagina = html.filePath(arquivo);

    QFile fonte(pagina);
    QVERIFY(fonte.open(QIODevice::ReadOnly));
    QVERIFY(fonte.readAll().contains("<meta charset=\"utf-8\">"));

    VisualizadorHtml &visualizador = *m_visualizador;
    visualizador.resize(tamanho);
    mostrar(visualizador);
    visualizador.carregar(pagina);
    QVERIFY2(visualizador.toPlainText().contains(trecho), qPrintable(trecho));

    const QList<QTextFragment> partes = fragmentos(*visualizador.document());
    QStringList ancoras;
    for (const QTextFragment &parte : partes)
        ancoras << parte.charFormat().anchorNames();
    int vistas = 0;
    bool estiloAplicado = false;
    for (const QTextFragment &parte : partes) {
        const QTextCharFormat formato = parte.charFormat();
        estiloAplicado |= formato.fontFamilies().toStringList().contains(u"Verdana"_s);
        if (formato.isImageFormat()) {
            const QTextImageFormat figura = formato.toImageFormat();
            const QString nome = figura.name();
            const QVariant recurso =
                visualizador.document()->resource(QTextDocument::ImageResource, QUrl(nome));
            const QImage simples = comoImagem(recurso);
            QVERIFY2(!simples.isNull(), qPrintable(nome));
            QCOMPARE(QSize(qRound(figura.width()), qRound(figura.height())), simples.size());
            EXIGIR(verificarFiguraEmDobro(html.filePath(nome), simples.size()));
            ++vistas;
        }
        const QUrl link(formato.anchorHref());
        if (!formato.isAnchor() || link.isEmpty() || !link.scheme().isEmpty())
            continue;
        if (link.path().isEmpty())
            QVERIFY2(ancoras.contains(link.fragment()), qPrintable(link.toString()));
        else
            QVERIFY2(QFileInfo::exists(html.filePath(link.path())), qPrintable(link.toString()));
    }
    QVERIFY2(vistas >= figuras, qPrintable(QString::number(vistas)));
    QVERIFY2(estiloAplicado, "the headings of the shared stylesheet are missing");
}

void TstVisualizadorHtml::arquivoAusente_data() {
    QTest::addColumn<QString>("anterior");
    QTest::addColumn<QString>("pedido");
    QTest::addColumn<bool>("apagarAnterior");
    QTest::newRow("nada mostrado antes") << QString() << u"nao_existe.htm"_s << false;
    QTest::newRow("outra página mostrada") << u"a.htm"_s << u"nao_existe.htm"_s << false;
    QTest::newRow("diretório") << u"a.htm"_s << QString() << false;
    QTest::newRow("a página mostrada foi apagada") << u"c.htm"_s << u"c.htm"_s << true;
}

// The error names the path exactly as given; the viewer keeps its page.
void TstVisualizadorHtml::arquivoAusente() {
    QFETCH(QString, anterior);
    QFETCH(QString, pedido);
    QFETCH(bool, apagarAnterior);
    VisualizadorHtml &visualizador = *m_visualizador;
    if (!anterior.isEmpty()) {
        QFile::copy(caminho(u"b.htm"_s), caminho(anterior));
        visualizador.carregar(caminho(anterior));
    }
    if (apagarAnterior)
        QVERIFY(QFile::remove(caminho(anterior)));
    const QString texto = visualizador.toPlainText();
    const QUrl fonte = visualizador.source();
    const QString ausente = pedido.isEmpty() ? m_dir.path() : caminho(pedido);

    try {
        visualizador.carregar(ausente);
        QFAIL("no error for a missing file");
    } catch (const Erro &erro) {
        QCOMPARE(erro.texto(), u"Can't locate file: "_s + ausente);
    }
    QCOMPARE(visualizador.toPlainText(), texto);
    QCOMPARE(visualizador.source(), fonte);
}

void TstVisualizadorHtml::recarregaOArquivoDoDisco_data() {
    QTest::addColumn<QStringList>("cliques");
    QTest::newRow("página no topo") << QStringList();
    QTest::newRow("depois de uma âncora") << QStringList{u"ao fim"_s};
    QTest::newRow("depois de voltar de outra página") << QStringList{u"página B"_s, u"página A"_s};
}

// The screens load their page at every activation: the file is read again,
// with what it holds now, and shown from the top.
void TstVisualizadorHtml::recarregaOArquivoDoDisco() {
    QFETCH(QStringList, cliques);
    VisualizadorHtml &visualizador = *m_visualizador;
    mostrar(visualizador);
    visualizador.carregar(caminho(u"a.htm"_s));
    for (const QString &link : cliques)
        EXIGIR(clicarNoTexto(visualizador, link));

    EXIGIR(escrever(caminho(u"a.htm"_s), paginaLonga(u"A nova"_s, QString())));
    visualizador.carregar(caminho(u"a.htm"_s));
    QVERIFY(visualizador.toPlainText().startsWith(u"Página A nova"_s));
    QCOMPARE(visualizador.verticalScrollBar()->value(), 0);
    QCOMPARE(visualizador.source(), QUrl::fromLocalFile(caminho(u"a.htm"_s)));
}

// Neither the pages loaded one after the other nor the links followed leave
// anything to go back or forward to.
void TstVisualizadorHtml::naoGuardaHistorico() {
    VisualizadorHtml &visualizador = *m_visualizador;
    mostrar(visualizador);
    visualizador.carregar(caminho(u"a.htm"_s));
    visualizador.carregar(caminho(u"b.htm"_s));
    EXIGIR(clicarNoTexto(visualizador, u"página A"_s));
    EXIGIR(clicarNoTexto(visualizador, u"ao fim"_s));
    const QUrl atual = visualizador.source();
    QCOMPARE(atual, QUrl::fromLocalFile(caminho(u"a.htm"_s)).resolved(QUrl(u"#fim"_s)));
    QVERIFY(!visualizador.isBackwardAvailable());
    QVERIFY(!visualizador.isForwardAvailable());

    visualizador.backward();
    QTest::keyClick(&visualizador, Qt::Key_Left, Qt::AltModifier);
    visualizador.forward();
    QCOMPARE(visualizador.source(), atual);
}

void TstVisualizadorHtml::linkInternoAbreNoVisualizador_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("destino");
    QTest::addColumn<QString>("inicio");
    QTest::addColumn<bool>("rolada");
    QTest::newRow("âncora") << u"ao fim"_s << u"a.htm#fim"_s << u"Página A"_s << true;
    QTest::newRow("outra página") << u"página B"_s << u"b.htm"_s << u"Página B"_s << false;
    QTest::newRow("âncora de outra página")
        << u"fim de B"_s << u"b.htm#fim"_s << u"Página B"_s << true;
}

void TstVisualizadorHtml::linkInternoAbreNoVisualizador() {
    QFETCH(QString, link);
    QFETCH(QString, destino);
    QFETCH(QString, inicio);
    QFETCH(bool, rolada);
    VisualizadorHtml &visualizador = *m_visualizador;
    mostrar(visualizador);
    visualizador.carregar(caminho(u"a.htm"_s));
    EXIGIR(clicarNoTexto(visualizador, link));
    QCOMPARE(visualizador.source(),
             QUrl::fromLocalFile(m_dir.path() + u'/').resolved(QUrl(destino)));
    QVERIFY(visualizador.toPlainText().startsWith(inicio));
    QCOMPARE(visualizador.verticalScrollBar()->value() > 0, rolada);
    QVERIFY(m_erros.isEmpty());
}

// A link to a page that is not there is reported like a missing page, and the
// page with the link stays on show.
void TstVisualizadorHtml::linkParaPaginaAusente() {
    VisualizadorHtml &visualizador = *m_visualizador;
    mostrar(visualizador);
    visualizador.carregar(caminho(u"a.htm"_s));
    const QString texto = visualizador.toPlainText();
    EXIGIR(clicarNoTexto(visualizador, u"ausente"_s));
    QCOMPARE(m_erros, QStringList{u"Can't locate file: "_s + caminho(u"ausente.htm"_s)});
    QCOMPARE(visualizador.source(), QUrl::fromLocalFile(caminho(u"a.htm"_s)));
    QCOMPARE(visualizador.toPlainText(), texto);
}

void TstVisualizadorHtml::linkExternoVaiAoNavegador_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QUrl>("endereco");
    QTest::newRow("http") << u"sítio"_s << QUrl(u"http://exemplo.invalid/zel"_s);
    QTest::newRow("mailto") << u"correio"_s << QUrl(u"mailto:zel@exemplo.invalid"_s);
}

void TstVisualizadorHtml::linkExternoVaiAoNavegador() {
    QFETCH(QString, link);
    QFETCH(QUrl, endereco);
    Navegador navegador;
    QDesktopServices::setUrlHandler(endereco.scheme(), &navegador, "abrir");
    VisualizadorHtml &visualizador = *m_visualizador;
    mostrar(visualizador);
    visualizador.carregar(caminho(u"a.htm"_s));
    EXIGIR(clicarNoTexto(visualizador, link));
    QDesktopServices::unsetUrlHandler(endereco.scheme());
    QCOMPARE(navegador.abertos, QList<QUrl>{endereco});
    QCOMPARE(visualizador.source(), QUrl::fromLocalFile(caminho(u"a.htm"_s)));
}

void TstVisualizadorHtml::fontesPadrao_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("familia");
    QTest::newRow("parágrafo") << u"<p>texto</p>"_s << u"Liberation Serif"_s;
    QTest::newRow("pre") << u"<pre>texto</pre>"_s << u"Liberation Mono"_s;
    QTest::newRow("code") << u"<p><code>texto</code></p>"_s << u"Liberation Mono"_s;
    QTest::newRow("tt") << u"<p><tt>texto</tt></p>"_s << u"Liberation Mono"_s;
    QTest::newRow("kbd") << u"<p><kbd>texto</kbd></p>"_s << u"Liberation Mono"_s;
}

// Times New Roman and Courier New, through the substitutions of the program.
void TstVisualizadorHtml::fontesPadrao() {
    QFETCH(QString, html);
    QFETCH(QString, familia);
    EXIGIR(escrever(caminho(u"fontes.htm"_s), pagina(html)));
    VisualizadorHtml &visualizador = *m_visualizador;
    visualizador.carregar(caminho(u"fontes.htm"_s));
    const QTextCursor achado = visualizador.document()->find(u"texto"_s);
    QVERIFY(!achado.isNull());
    const QFont fonte = achado.charFormat().font().resolve(visualizador.document()->defaultFont());
    QCOMPARE(QFontInfo(fonte).family(), familia);
}

void TstVisualizadorHtml::semCursorNemMolduraDeFoco_data() {
    QTest::addColumn<bool>("comFoco");
    QTest::newRow("com foco") << true;
    QTest::newRow("foco passado a outro campo") << false;
}

// A page without ink (a blank paragraph): with the keyboard focus or
// without it, the viewer is its background colour from edge to edge, with
// no caret and no focus frame. Keyboard selection still works (below).
void TstVisualizadorHtml::semCursorNemMolduraDeFoco() {
    QFETCH(bool, comFoco);
    EXIGIR(escrever(caminho(u"vazia.htm"_s), pagina(u"<p>&nbsp;</p>"_s)));
    JanelaComVisualizador teste;
    VisualizadorHtml &visualizador = teste.visualizador;
    QLineEdit &campo = teste.antes;
    visualizador.carregar(caminho(u"vazia.htm"_s));
    QVERIFY(teste.mostrar());
    visualizador.setFocus();
    QTRY_VERIFY(visualizador.hasFocus());
    if (!comFoco) {
        campo.setFocus();
        QTRY_VERIFY(campo.hasFocus());
    }
    const QImage imagem = visualizador.grab().toImage();
    QCOMPARE(pixelsDaCor(imagem, imagem.rect(), creme), imagem.width() * imagem.height());
}

void TstVisualizadorHtml::selecaoDeTexto_data() {
    QTest::addColumn<QString>("meio");
    QTest::newRow("arrastando o mouse") << u"mouse"_s;
    QTest::newRow("Ctrl+A") << u"Ctrl+A"_s;
}

void TstVisualizadorHtml::selecaoDeTexto() {
    QFETCH(QString, meio);
    EXIGIR(escrever(caminho(u"texto.htm"_s), pagina(u"<p>uma frase para selecionar</p>"_s)));
    VisualizadorHtml &visualizador = *m_visualizador;
    mostrar(visualizador);
    visualizador.carregar(caminho(u"texto.htm"_s));
    if (meio == u"mouse"_s) {
        QTextCursor fim(visualizador.document());
        fim.setPosition(10);
        const QPoint de = visualizador.cursorRect(QTextCursor(visualizador.document())).center();
        const QPoint ate = visualizador.cursorRect(fim).center();
        QWidget *area = visualizador.viewport();
        QTest::mousePress(area, Qt::LeftButton, {}, de);
        QMouseEvent arraste(QEvent::MouseMove, ate, area->mapToGlobal(ate), Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &arraste);
        QTest::mouseRelease(area, Qt::LeftButton, {}, ate);
    } else {
        visualizador.setFocus();
        QTest::keySequence(&visualizador, QKeySequence(meio));
    }
    QVERIFY(visualizador.textCursor().hasSelection());
    QVERIFY(visualizador.textCursor().selectedText().startsWith(u"uma fras"_s));
}

void TstVisualizadorHtml::marcaDeFocoPeloTeclado_data() {
    QTest::addColumn<QString>("passos");
    QTest::addColumn<bool>("marca");
    QTest::newRow("Tab") << u"Tab"_s << true;
    QTest::newRow("Shift+Tab") << u"Shift+Tab"_s << true;
    QTest::newRow("clique") << u"clique"_s << false;
    QTest::newRow("Tab e clique") << u"Tab clique"_s << false;
    QTest::newRow("clique e seta") << u"clique seta"_s << true;
}

// The focus mark shows while the focus came by the keyboard, on the ring
// round the page: the page's text, scrolled up to the edge, is drawn as it
// is without the focus, and the text starts 8 pixels in, as without a ring.
void TstVisualizadorHtml::marcaDeFocoPeloTeclado() {
    QFETCH(QString, passos);
    QFETCH(bool, marca);
    QString corpo;
    for (int i = 0; i < 40; ++i)
        corpo += u"<p>linha de texto da página, número "_s + QString::number(i) + u"</p>"_s;
    JanelaComVisualizador teste;
    VisualizadorHtml &visualizador = teste.visualizador;
    QLineEdit &antes = teste.antes;
    QLineEdit &depois = teste.depois;
    EXIGIR(carregarCorpo(visualizador, u"texto.htm"_s, corpo));
    QVERIFY(teste.mostrar());
    QTextCursor inicio(visualizador.document());
    QCOMPARE(visualizador.viewport()
                 ->mapTo(&visualizador, visualizador.cursorRect(inicio).topLeft())
                 .x(),
             8);
    visualizador.verticalScrollBar()->setValue(13);

    for (const QString &passo : passos.split(u' ')) {
        if (passo == u"Tab"_s) {
            antes.setFocus();
            QTest::keyClick(&antes, Qt::Key_Tab);
        } else if (passo == u"Shift+Tab"_s) {
            depois.setFocus();
            QTest::keyClick(&depois, Qt::Key_Tab, Qt::ShiftModifier);
        } else if (passo == u"clique"_s) {
            QTest::mouseClick(visualizador.viewport(), Qt::LeftButton, {}, QPoint(150, 60));
        } else {
            QTest::keyClick(&visualizador, Qt::Key_Down);
        }
        QTRY_VERIFY(visualizador.hasFocus());
    }
    const QImage focado = visualizador.grab().toImage();
    antes.setFocus();
    QTRY_VERIFY(antes.hasFocus());
    const QImage semFoco = visualizador.grab().toImage();

    const QRect dentro = focado.rect().adjusted(1, 1, -1, -1);
    QCOMPARE(focado.copy(dentro), semFoco.copy(dentro));
    // Sides of the ring with dots of the mark.
    int marcados = 0;
    for (const QList<QPoint> &lado : ladosDoAnel(focado)) {
        bool preto = false;
        for (const QPoint &ponto : lado) {
            QCOMPARE(semFoco.pixelColor(ponto), creme);
            preto = preto || focado.pixelColor(ponto) == QColor(Qt::black);
        }
        marcados += preto;
    }
    QCOMPARE(marcados, marca ? 4 : 0);
}

// Assistive technology reads the viewer as a read-only document with the
// page's text, whose first children are the links of the page on show.
void TstVisualizadorHtml::paginaAcessivel() {
    VisualizadorHtml &visualizador = *m_visualizador;
    mostrar(visualizador);
    visualizador.carregar(caminho(u"a.htm"_s));
    QAccessibleInterface *documento = QAccessible::queryAccessibleInterface(&visualizador);
    QVERIFY(documento);
    QCOMPARE(documento->role(), QAccessible::Document);
    QVERIFY(documento->state().readOnly);
    QVERIFY(documento->state().focusable);
    QAccessibleTextInterface *texto = documento->textInterface();
    QVERIFY(texto);
    QCOMPARE(texto->text(0, texto->characterCount()), visualizador.toPlainText());
    QVERIFY(texto->text(0, 20).startsWith(u"Página A: ao fim"_s));

    const QStringList nomes{u"ao fim"_s, u"página B"_s, u"fim de B"_s,
                            u"sítio"_s,  u"correio"_s,  u"ausente"_s};
    const QStringList enderecos{u"#fim"_s,
                                u"b.htm"_s,
                                u"b.htm#fim"_s,
                                u"http://exemplo.invalid/zel"_s,
                                u"mailto:zel@exemplo.invalid"_s,
                                u"ausente.htm"_s};
    QVERIFY(documento->childCount() >= nomes.size());
    for (int i = 0; i < nomes.size(); ++i) {
        QAccessibleInterface *link = documento->child(i);
        QVERIFY(link && link->isValid());
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), nomes[i]);
        QCOMPARE(link->text(QAccessible::Value), enderecos[i]);
        QVERIFY(link->state().linked && link->state().focusable && !link->state().focused);
        QCOMPARE(link->parent(), documento);
        QCOMPARE(documento->indexOfChild(link), i);
        QVERIFY(!link->rect().isEmpty());
        QCOMPARE(documento->childAt(link->rect().center().x(), link->rect().center().y()), link);
    }
    // The scroll bars follow the links; the area that shows the page is the
    // document itself, not a child of it.
    for (int i = int(nomes.size()); i < documento->childCount(); ++i) {
        QAccessibleInterface *parte = documento->child(i);
        QVERIFY(parte->role() != QAccessible::Link);
        QVERIFY(parte->object() != visualizador.viewport());
        QCOMPARE(documento->indexOfChild(parte), i);
    }

    // Another page: the links are its own, and a place beyond them is gone.
    QAccessibleInterface *sexto = documento->child(5);
    visualizador.carregar(caminho(u"b.htm"_s));
    QCOMPARE(documento->child(0)->text(QAccessible::Name), u"página A"_s);
    QVERIFY(!sexto->isValid());
    QCOMPARE(documento->indexOfChild(sexto), -1);
}

void TstVisualizadorHtml::nomesDosLinks_data() {
    QTest::addColumn<QString>("corpo");
    QTest::addColumn<QStringList>("nomes");
    QTest::newRow("texto") << u"<p><a href=\"x.htm\">Glossário</a></p>"_s
                           << QStringList{u"Glossário"_s};
    QTest::newRow("estilos dentro do link")
        << u"<p><a href=\"x.htm\">um <b>dois</b> <i>três</i></a></p>"_s
        << QStringList{u"um dois três"_s};
    QTest::newRow("quebra de linha")
        << u"<p><a href=\"x.htm\">um<br>dois</a></p>"_s << QStringList{u"um dois"_s};
    QTest::newRow("links vizinhos")
        << u"<p><a href=\"x.htm\">um</a><a href=\"y.htm\">dois</a></p>"_s
        << QStringList{u"um"_s, u"dois"_s};
    QTest::newRow("só uma figura")
        << u"<p><a href=\"x.htm\"><img src=\"nada.png\"></a></p>"_s << QStringList{u"x.htm"_s};
    QTest::newRow("âncora sem endereço")
        << u"<p><a name=\"alvo\">alvo</a> <a href=\"y.htm\">ir</a></p>"_s << QStringList{u"ir"_s};
    QTest::newRow("sem links") << u"<p>nada</p>"_s << QStringList{};
}

// What a reader hears of each link: its text on one line, whatever its
// styles; its target when it holds only a picture.
void TstVisualizadorHtml::nomesDosLinks() {
    QFETCH(QString, corpo);
    QFETCH(QStringList, nomes);
    VisualizadorHtml &visualizador = *m_visualizador;
    EXIGIR(carregarCorpo(visualizador, u"links.htm"_s, corpo));
    QAccessibleInterface *documento = QAccessible::queryAccessibleInterface(&visualizador);
    QStringList lidos;
    for (int i = 0; i < documento->childCount(); ++i)
        if (QAccessibleInterface *filho = documento->child(i); filho->role() == QAccessible::Link)
            lidos << filho->text(QAccessible::Name);
    QCOMPARE(lidos, nomes);
}

// Tab and Shift+Tab from link to link move the accessible focus to the link
// reached, which a screen reader says; a click beside the links gives it
// back to the page.
void TstVisualizadorHtml::tabAnunciaOLink() {
    JanelaComVisualizador teste;
    VisualizadorHtml &visualizador = teste.visualizador;
    QLineEdit &campo = teste.antes;
    EXIGIR(carregarCorpo(visualizador, u"dois.htm"_s,
                         u"<p>Veja o <a href=\"a.htm\">Glossário</a> ou "
                         "<a href=\"b.htm\">voltar ao início</a>.</p>"_s));
    QVERIFY(teste.mostrar());
    campo.setFocus();
    QAccessibleInterface *documento = QAccessible::queryAccessibleInterface(&visualizador);

    // The links a Focus event of the viewer names, in order (-1: the page).
    QList<int> focos;
    acessivel::observar([&](QAccessibleEvent &evento) {
        if (evento.type() == QAccessible::Focus && evento.object() == &visualizador)
            focos << evento.child();
    });
    const auto parar = qScopeGuard([] { acessivel::observar(nullptr); });
    // The name of the link the last event named, when it is the focused one.
    const auto falado = [&] {
        QAccessibleInterface *link = documento->child(focos.last());
        if (!link->state().focused || documento->focusChild() != link)
            return u"(link sem foco)"_s;
        return link->text(QAccessible::Name);
    };
    QTest::keyClick(&campo, Qt::Key_Tab);
    QTRY_VERIFY(visualizador.hasFocus());
    QVERIFY(focos.isEmpty()); // Qt itself announces the viewer
    QTest::keyClick(&visualizador, Qt::Key_Tab);
    QCOMPARE(focos, QList<int>{0});
    QCOMPARE(falado(), u"Glossário"_s);
    QTest::keyClick(&visualizador, Qt::Key_Tab);
    QCOMPARE(focos, (QList<int>{0, 1}));
    QCOMPARE(falado(), u"voltar ao início"_s);
    QTest::keyClick(&visualizador, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focos, (QList<int>{0, 1, 0}));
    QCOMPARE(falado(), u"Glossário"_s);
    QTest::mouseClick(visualizador.viewport(), Qt::LeftButton, {},
                      visualizador.cursorRect(QTextCursor(visualizador.document())).center());
    QCOMPARE(focos, (QList<int>{0, 1, 0, -1}));
    QVERIFY(!documento->child(0)->state().focused);
}

QTEST_MAIN(TstVisualizadorHtml)
#include "tst_visualizador_html.moc"
