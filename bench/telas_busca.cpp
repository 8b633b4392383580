// The whole quick search as a user meets it: Enter in the quick search box,
// the query run, the search results screen shown and filled, its window
// painted. From another screen (the title search), and on the results screen
// itself, for a word with a few pages of rows and for one found everywhere.
//   bench_telas_busca [benchmark flags]
// Reads the database beside the program (build/dados, the sample
// classification); runs on Qt's offscreen platform unless QT_QPA_PLATFORM
// says otherwise.

#include "aplicacao.h"
#include "navegacao.h"
#include "unit_FormBusca.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormRespostaBusca.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList palavras = {u"medico"_s, u"a"_s};

void enter(QLineEdit *caixa) {
    QKeyEvent tecla(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
    QApplication::sendEvent(caixa, &tecla);
}

// Enter, then the results window painted.
void buscar(TelaPrincipal *tela, const QString &palavra) {
    tela->obj_Edit_BuscaRapida->setText(palavra);
    enter(tela->obj_Edit_BuscaRapida);
    const QPixmap pintada = obj_Form_FormRespostaBusca->grab();
    benchmark::DoNotOptimize(pintada.cacheKey());
}

void linhas(benchmark::State &estado) {
    estado.counters["linhas"] =
        double(obj_Form_FormRespostaBusca->consultaDeOrigem().totalLinhas());
}

// From the title search screen: the results screen is shown, the title
// search screen hidden; going back is not timed.
void BM_BuscaRapida_DeOutraTela(benchmark::State &estado) {
    const QString palavra = palavras[estado.range(0)];
    for (auto _ : estado) {
        estado.PauseTiming();
        navegacao::irPara(navegacao::telaAtual(), obj_Form_FormBusca);
        estado.ResumeTiming();
        buscar(obj_Form_FormBusca, palavra);
    }
    linhas(estado);
}

// On the results screen: the list is replaced in place.
void BM_BuscaRapida_NaResposta(benchmark::State &estado) {
    const QString palavra = palavras[estado.range(0)];
    navegacao::irPara(navegacao::telaAtual(), obj_Form_FormRespostaBusca);
    for (auto _ : estado)
        buscar(obj_Form_FormRespostaBusca, palavra);
    linhas(estado);
}

BENCHMARK(BM_BuscaRapida_DeOutraTela)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuscaRapida_NaResposta)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList avisos;
    gravarAvisos(&avisos);
    aplicacao::configurar(app);
    aplicacao::iniciar();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return avisos.isEmpty() ? 0 : 1;
}
