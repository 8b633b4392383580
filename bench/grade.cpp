// The result grid: filling one page (13 rows x 3 columns, with the markup of
// the title A-Z index) and painting it, against painting the same cells with
// a new QTextDocument per cell, the way a rich-text delegate would.
//   bench_grade [benchmark flags]
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "grade.h"
#include "fontes.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QThread>
#include <QWindow>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int linhasPagina = 13;
constexpr int colunas = 3;
constexpr int celulasPintadas = (linhasPagina + 1) * colunas; // header included

// One page of the title A-Z index: family titles upper-cased, occupations in
// bold, synonyms in italic; codes of 2002 and of the previous edition.
QList<QStringList> pagina() {
    QList<QStringList> registros;
    for (int i = 0; i < linhasPagina; ++i) {
        QString titulo;
        switch (i % 3) {
        case 0:
            titulo = u"MÉDICOS CLÍNICOS E ANESTESIOLOGISTAS %1"_s.arg(i);
            break;
        case 1:
            titulo = u"<b>Médico anestesiologista %1</b>"_s.arg(i);
            break;
        default:
            titulo = u"<i>Anestesista, <b>médico</b> %1</i>"_s.arg(i);
            break;
        }
        registros.append({titulo, u"0121-%1"_s.arg(10 + i), u"0-61.%1"_s.arg(10 + i)});
    }
    return registros;
}

const QStringList cabecalho{u"Resultado de títulos encontrados (131)"_s, u"ZEL2002"_s, u"ZEL94"_s};

std::unique_ptr<Grade> novaGrade() {
    auto grade = std::make_unique<Grade>(nullptr, QRect(0, 0, 644, 238), colunas, true, 17);
    grade->definirAlinhamento(
        [](int, int coluna) { return coluna ? Qt::AlignHCenter : Qt::AlignLeft; });
    return grade;
}

// What a screen does to fill a page.
void preencher(Grade &grade, const QList<QStringList> &registros) {
    grade.definirTotalLinhas(2);
    grade.limpar();
    for (int c = 0; c < colunas; ++c)
        grade.definirCelula(c, 0, cabecalho[c]);
    for (int r = 0; r < registros.size(); ++r) {
        if (r > 0)
            grade.adicionarLinha();
        grade.acrescentarNaLinha(r + 1, registros[r]);
    }
    grade.definirLarguraColuna(0, 460);
    grade.definirLarguraColuna(1, 91);
    grade.definirLarguraColuna(2, 92);
}

void porCelula(benchmark::State &estado) {
    estado.counters["por_celula"] =
        benchmark::Counter(double(celulasPintadas), benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

// Fill and paint straight into an image (the grid's own drawing only).
void BM_Grade_PreencherEPintar(benchmark::State &estado) {
    const QList<QStringList> registros = pagina();
    auto grade = novaGrade();
    QImage imagem(644, 238, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : estado) {
        preencher(*grade, registros);
        QPainter pintor(&imagem);
        grade->pintar(pintor, imagem.rect());
    }
    porCelula(estado);
}
BENCHMARK(BM_Grade_PreencherEPintar)->Unit(benchmark::kMicrosecond);

// Fill, then a synchronous repaint of the shown widget through Qt's paint
// event and backing store: what the user gets.
void BM_Grade_PreencherERepintar(benchmark::State &estado) {
    const QList<QStringList> registros = pagina();
    auto grade = novaGrade();
    grade->show();
    for (int i = 0; i < 100 && !(grade->windowHandle() && grade->windowHandle()->isExposed());
         ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    if (!grade->windowHandle() || !grade->windowHandle()->isExposed()) {
        estado.SkipWithError("the window was not exposed");
        return;
    }
    int pinturas = 0;
    struct Contador : QObject {
        int *n;
        explicit Contador(int *n) : n(n) {}
        bool eventFilter(QObject *, QEvent *e) override {
            if (e->type() == QEvent::Paint)
                ++*n;
            return false;
        }
    } contador(&pinturas);
    grade->viewport()->installEventFilter(&contador);
    for (auto _ : estado) {
        preencher(*grade, registros);
        grade->viewport()->repaint();
    }
    if (pinturas < estado.iterations())
        estado.SkipWithError("repaint did not paint");
    porCelula(estado);
}
BENCHMARK(BM_Grade_PreencherERepintar)->Unit(benchmark::kMicrosecond);

// Painting a page already filled (scrolling, exposing): runs parsed and
// measured once, only drawn.
void BM_Grade_Pintar(benchmark::State &estado) {
    auto grade = novaGrade();
    preencher(*grade, pagina());
    QImage imagem(644, 238, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : estado) {
        QPainter pintor(&imagem);
        grade->pintar(pintor, imagem.rect());
    }
    porCelula(estado);
}
BENCHMARK(BM_Grade_Pintar)->Unit(benchmark::kMicrosecond);

// The baseline: the same page, each cell drawn by a QTextDocument built for
// the paint (background and lines drawn as the grid draws them).
void BM_DocumentoPorCelula_Pintar(benchmark::State &estado) {
    const QList<QStringList> registros = pagina();
    const QFont fonte = fontes::tahoma(fontes::pt8);
    const int larguras[colunas] = {460, 91, 92};
    QImage imagem(644, 238, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : estado) {
        QPainter pintor(&imagem);
        pintor.fillRect(imagem.rect(), QColor(0xFF, 0xF7, 0xDF));
        for (int r = 0; r <= linhasPagina; ++r) {
            int x = 0;
            for (int c = 0; c < colunas; ++c) {
                const QRect celula(x, r * 17, larguras[c], 17);
                x += larguras[c];
                if (r == 0)
                    pintor.fillRect(celula, QColor(0xFE, 0xEE, 0xBD));
                QTextDocument documento;
                documento.setDefaultFont(fonte);
                documento.setDocumentMargin(0);
                documento.setHtml(r == 0 ? cabecalho[c] : registros[r - 1][c]);
                pintor.save();
                pintor.setClipRect(celula.adjusted(0, 0, -1, -1));
                pintor.translate(celula.left() + 2, celula.top() + 2);
                documento.drawContents(&pintor);
                pintor.restore();
                pintor.setPen(Qt::white);
                pintor.drawLine(celula.right(), celula.top(), celula.right(), celula.bottom());
                pintor.drawLine(celula.left(), celula.bottom(), celula.right(), celula.bottom());
            }
        }
    }
    porCelula(estado);
}
BENCHMARK(BM_DocumentoPorCelula_Pintar)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    fontes::registrarSubstituicoes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
