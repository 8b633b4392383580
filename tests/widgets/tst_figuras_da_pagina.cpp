// The page viewer's pictures on screens of every display scaling: CTest runs
// this test at 100 %, 150 % and 200 % (QT_SCALE_FACTOR). A picture comes in
// two files, `nome.png` at its size on the page and `nome@2x.png` drawn at
// twice it; the viewer draws the second on a scaled screen and the first
// otherwise, and reports the file it draws when it cannot be read.

#include "exigir.h"
#include "fronteira.h"
#include "visualizador_html.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The picture's two files: red at its size on the page, a checkerboard of
// single blue and green pixels at twice it, which no enlargement of the
// first could give.
constexpr int lado = 40;
const QColor vermelho(Qt::red);
const QColor azul(Qt::blue);
const QColor verde(Qt::green);

QImage figuraSimples() {
    QImage imagem(lado, lado, QImage::Format_RGB32);
    imagem.fill(vermelho);
    return imagem;
}

QImage figuraEmDobro() {
    QImage imagem(2 * lado, 2 * lado, QImage::Format_RGB32);
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            imagem.setPixelColor(x, y, (x + y) % 2 ? azul : verde);
    return imagem;
}

void gravar(const QString &caminho, const QByteArray &conteudo) {
    QFile arquivo(caminho);
    QVERIFY2(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(caminho));
    QCOMPARE(arquivo.write(conteudo), conteudo.size());
}

QByteArray png(const QImage &imagem) {
    QByteArray dados;
    QBuffer buffer(&dados);
    buffer.open(QIODevice::WriteOnly);
    imagem.save(&buffer, "PNG");
    return dados;
}

enum class Dano { Nenhum, SemDobro, DobroIlegivel, SimplesIlegivel };

// Where the picture lies in `tela` (device pixels), its border left out.
QRect meioDaFigura(const VisualizadorHtml &visualizador, const QImage &tela) {
    QTextCursor inicio(visualizador.document());
    inicio.setPosition(0);
    const QPoint canto = visualizador.cursorRect(inicio).topLeft();
    const qreal escala = tela.devicePixelRatio();
    const QRect figura(canto + QPoint(4, 4), QSize(lado - 8, lado - 8));
    return QRect((QPointF(figura.topLeft()) * escala).toPoint(),
                 (QSizeF(figura.size()) * escala).toSize());
}

} // namespace

class TstFigurasDaPagina : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void figuraDaEscalaDaTela_data();
    void figuraDaEscalaDaTela();

private:
    qreal m_escala = 1;
    std::unique_ptr<QTemporaryDir> m_dir; // each case's own
    QStringList m_erros;
    fronteira::Relator m_relatorAnterior;
    std::unique_ptr<VisualizadorHtml> m_visualizador;
};

// The scale CTest asked for is the screen's.
void TstFigurasDaPagina::initTestCase() {
    m_escala = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
    VisualizadorHtml visualizador;
    visualizador.show();
    QVERIFY(QTest::qWaitForWindowExposed(&visualizador));
    QCOMPARE(visualizador.devicePixelRatioF(), m_escala);
}

void TstFigurasDaPagina::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_erros.clear();
    m_relatorAnterior =
        fronteira::definirRelator([this](const QString &texto) { m_erros << texto; });
    m_visualizador = std::make_unique<VisualizadorHtml>();
    m_visualizador->resize(200, 100);
    m_visualizador->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_visualizador.get()));
}

void TstFigurasDaPagina::cleanup() {
    m_visualizador.reset();
    m_dir.reset();
    fronteira::definirRelator(m_relatorAnterior);
}

void TstFigurasDaPagina::figuraDaEscalaDaTela_data() {
    QTest::addColumn<QString>("pasta");
    QTest::addColumn<Dano>("dano");
    QTest::newRow("as duas figuras") << u"html"_s << Dano::Nenhum;
    // The picture's name is a path that Qt's URLs would take apart.
    QTest::newRow("pasta com espaço, # e acento") << u"Páginas #2 e %20 x"_s << Dano::Nenhum;
    QTest::newRow("sem a figura em dobro") << u"html"_s << Dano::SemDobro;
    QTest::newRow("figura em dobro ilegível") << u"html"_s << Dano::DobroIlegivel;
    QTest::newRow("figura simples ilegível") << u"html"_s << Dano::SimplesIlegivel;
}

// On a scaled screen the picture is drawn from its @2x file, pixel for pixel
// at 200 % and reduced smoothly at 150 %; at 100 %, or without a readable
// @2x file, from the picture at its size. The file drawn is the one
// reported when it cannot be read, and only that one.
void TstFigurasDaPagina::figuraDaEscalaDaTela() {
    QFETCH(QString, pasta);
    QFETCH(Dano, dano);
    const QDir raiz(m_dir->filePath(pasta));
    QVERIFY(raiz.mkpath(u"imagens"_s));
    const QString simples = raiz.filePath(u"imagens/figura.png"_s);
    const QString dobro = raiz.filePath(u"imagens/figura@2x.png"_s);
    EXIGIR(gravar(simples,
                  dano == Dano::SimplesIlegivel ? QByteArray("corrompida") : png(figuraSimples())));
    if (dano != Dano::SemDobro)
        EXIGIR(gravar(dobro, dano == Dano::DobroIlegivel ? QByteArray("corrompida")
                                                         : png(figuraEmDobro())));
    const QString pagina = raiz.filePath(u"pagina.htm"_s);
    EXIGIR(gravar(pagina, "<html><body><img src=\"imagens/figura.png\" width=\"40\" "
                          "height=\"40\"></body></html>"));

    VisualizadorHtml &visualizador = *m_visualizador;
    visualizador.carregar(pagina);

    const bool escalada = m_escala > 1;
    const bool emDobro = escalada && dano != Dano::SemDobro;
    const QString ilegivel = dano == Dano::DobroIlegivel && escalada     ? dobro
                             : dano == Dano::SimplesIlegivel && !emDobro ? simples
                                                                         : QString();
    QCOMPARE(m_erros, ilegivel.isEmpty()
                          ? QStringList()
                          : QStringList{u"A figura da página não pôde ser lida: "_s + ilegivel});
    if (!ilegivel.isEmpty())
        return;

    const QImage tela = visualizador.viewport()->grab().toImage();
    const QRect meio = meioDaFigura(visualizador, tela);
    for (int y = meio.top(); y <= meio.bottom(); ++y)
        for (int x = meio.left(); x <= meio.right(); ++x) {
            const QColor cor = tela.pixelColor(x, y);
            const QString onde = u"(%1, %2): %3"_s.arg(x).arg(y).arg(cor.name());
            if (!emDobro)
                QVERIFY2(cor == vermelho, qPrintable(onde));
            else if (m_escala == 2)
                QVERIFY2((cor == azul || cor == verde) && tela.pixelColor(x + 1, y) != cor,
                         qPrintable(onde));
            else
                QVERIFY2(cor.red() == 0, qPrintable(onde));
        }
}

QTEST_MAIN(TstFigurasDaPagina)
#include "tst_figuras_da_pagina.moc"
