// Every search and conversion action of the screens as a user meets it: the
// key, click, list choice or double click sent to the real widget, its
// handlers run, then the event loop run until it is idle, as after any
// event: a window just shown is exposed and painted whole, a page changed in
// place paints what changed. What the user does before the action (going to
// the screen, typing the word, choosing the bases, opening a list) is not
// timed.
//   bench_acoes DADOS_DIR [benchmark flags]
// Runs the whole program over a temporary installation of DADOS_DIR, on Qt's
// offscreen platform unless QT_QPA_PLATFORM says otherwise. An action that
// raises a notice or an error, or ends on another screen than the one it
// should, is reported as an error.

#include "argumentos.h"
#include "botao_figura.h"
#include "grade.h"
#include "navegacao.h"
#include "paginador.h"
#include "programa.h"
#include "rotulo_link.h"
#include "unit_FormBusca.h"
#include "unit_FormBuscaCodigo.h"
#include "unit_FormBuscaEstrutura.h"
#include "unit_FormBuscaTituloAZ.h"
#include "unit_FormDescricao.h"
#include "unit_FormDescricaoConversao.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabua.h"
#include "unit_FormTabuaTitulo.h"
#include "unit_global.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Words and codes found at every scale: the sample at escala N keeps the
// escala-1 rows, and its copies' titles hold the same words.
const QString palavraComum = u"medico"_s;    // a few pages of titles
const QString letraSo = u"a"_s;              // found in nearly every title
const QString palavraFontes = u"operador"_s; // the title search in all six sources
const QString familia = u"0121"_s;           // 30 occupations
const QString ocupacao94 = u"00101"_s;       // one ZEL94 occupation
const QString grupoCiuo88 = u"0111"_s;       // a CIUO88 base group
const QString grandeGrupo = u"3 "_s;         // list entries begin with the code
const QString subgrupoPrincipal = u"35"_s;   // of major group 3
const QString subgrupo = u"354"_s;           // 12 families: three pages of five
const QChar letraAZ = u'M';

using Acao = std::function<void()>;

void irPara(TelaPrincipal *tela) {
    if (navegacao::telaAtual() != tela)
        navegacao::irPara(navegacao::telaAtual(), tela);
}

void escrever(QLineEdit *caixa, const QString &texto) {
    caixa->setText(texto);
}

// The entry of `lista` whose text begins with `inicio`, chosen with no
// handler run (what the user chose before the action).
void escolherAntes(QComboBox *lista, const QString &inicio) {
    lista->setCurrentIndex(lista->findText(inicio, Qt::MatchStartsWith));
}

// The list opened on a screen with no choice made; returns where its entry
// beginning with `inicio` lies in the open list.
QPoint abrirLista(QComboBox *lista, const QString &inicio) {
    lista->setCurrentIndex(-1);
    lista->showPopup();
    QAbstractItemView *vista = lista->view();
    const QModelIndex entrada =
        vista->model()->index(lista->findText(inicio, Qt::MatchStartsWith), 0);
    vista->scrollTo(entrada);
    return vista->visualRect(entrada).center();
}

// The click on an entry of the open list: the list closes and the choice is
// made.
void clicarNaLista(QComboBox *lista, QPoint entrada) {
    QTest::mouseClick(lista->view()->viewport(), Qt::LeftButton, {}, entrada);
}

void duploClique(Grade *grade, int linha, int coluna = 0) {
    QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {},
                       grade->retanguloCelula(coluna, linha).center());
}

// The timed loop: `preparar` (not timed) brings the program to the moment
// before the action and leaves no event pending; `agir` sends the event,
// after which the events it posted run, painting included (the offscreen
// platform paints a window only once its exposure has been delivered, so a
// repaint right after the event would paint nothing on a new screen).
// `linhas` counts the rows of the outcome, a counter of the benchmark.
void medir(benchmark::State &estado, const Acao &preparar, const Acao &agir, TelaPrincipal *alvo,
           const std::function<int()> &linhas = {}) {
    for (auto _ : estado) {
        estado.PauseTiming();
        preparar();
        QCoreApplication::processEvents();
        estado.ResumeTiming();
        agir();
        QCoreApplication::processEvents();
    }
    if (const QStringList avisos = programa::avisos() + programa::erros(); !avisos.isEmpty())
        estado.SkipWithError(avisos.join(u" | "_s).toStdString().c_str());
    else if (!alvo->windowHandle() || !alvo->windowHandle()->isExposed())
        estado.SkipWithError("a janela não foi exposta");
    else if (navegacao::telaAtual() != alvo)
        estado.SkipWithError(
            (u"terminou em "_s + navegacao::telaAtual()->objectName()).toStdString().c_str());
    if (linhas)
        estado.counters["linhas"] = linhas();
}

// The next-page arrow of `tela` from page 1, where the previous-page arrow
// brings it first (not timed).
void medirProximaPagina(benchmark::State &estado, TelaPrincipal *tela, Paginador *paginador,
                        const std::function<int()> &linhas) {
    medir(
        estado,
        [&] {
            irPara(tela);
            programa::clicar(paginador->obj_Bt_RespostaBusca_Menos);
        },
        [&] { programa::clicar(paginador->obj_Bt_RespostaBusca_Mais); }, tela, linhas);
    if (paginador->estado().intPaginaAtual() != 2)
        estado.SkipWithError("a página 2 não foi mostrada");
}

// Enter in `caixa` of `tela`, with `texto` typed in it first (not timed).
void medirEnter(benchmark::State &estado, TelaPrincipal *tela, QLineEdit *caixa,
                const QString &texto, TelaPrincipal *alvo, const std::function<int()> &linhas) {
    medir(
        estado,
        [&] {
            irPara(tela);
            escrever(caixa, texto);
        },
        [&] { programa::enter(caixa); }, alvo, linhas);
}

// ------------------------------------------------------------- searches

int linhasDaResposta() {
    return obj_Form_FormRespostaBusca->consultaDeOrigem().totalLinhas();
}

int linhasDaBuscaCodigo() {
    return obj_Form_FormBuscaCodigo->obj_DB_QUERY_BuscaCodigo.totalLinhas();
}

// Enter in the quick search box of the title search screen.
void BM_BuscaRapida(benchmark::State &estado, const QString &palavra) {
    TelaPrincipal *tela = obj_Form_FormBusca;
    medirEnter(estado, tela, tela->obj_Edit_BuscaRapida, palavra, obj_Form_FormRespostaBusca,
               linhasDaResposta);
}

// Enter in the quick search box of the results screen: the list is replaced
// in place.
void BM_BuscaRapida_NaResposta(benchmark::State &estado, const QString &palavra) {
    TelaPrincipal *tela = obj_Form_FormRespostaBusca;
    medirEnter(estado, tela, tela->obj_Edit_BuscaRapida, palavra, tela, linhasDaResposta);
}

void BM_Inicial_Titulo(benchmark::State &estado) {
    auto *tela = obj_Form_FormInicial;
    medirEnter(estado, tela, tela->obj_Edit_BuscaTitulo, palavraComum, obj_Form_FormRespostaBusca,
               linhasDaResposta);
}

void BM_Inicial_Codigo(benchmark::State &estado) {
    auto *tela = obj_Form_FormInicial;
    medirEnter(estado, tela, tela->obj_Edit_BuscaCodigo, familia, obj_Form_FormRespostaBuscaCodigo,
               [tela] { return tela->obj_DB_QUERY_BuscaCodigo.totalLinhas(); });
}

// The source boxes keep their state: they are all checked once.
void BM_BuscaTitulo_SeisFontes(benchmark::State &estado) {
    auto *tela = obj_Form_FormBusca;
    for (QCheckBox *caixa : tela->findChildren<QCheckBox *>())
        caixa->setChecked(true);
    medirEnter(estado, tela, tela->obj_Edit_BuscaTitulo, palavraFontes, obj_Form_FormRespostaBusca,
               linhasDaResposta);
}

void BM_BuscaCodigo(benchmark::State &estado) {
    auto *tela = obj_Form_FormBuscaCodigo;
    medirEnter(estado, tela, tela->obj_Edit_BuscaCodigo, familia, obj_Form_FormRespostaBuscaCodigo,
               linhasDaBuscaCodigo);
}

// The structure browser: major group 3, principal subgroup 35, subgroup 354.
auto *estrutura() {
    return obj_Form_FormBuscaEstrutura;
}

void BM_Estrutura_GrandeGrupo(benchmark::State &estado) {
    QPoint entrada;
    medir(
        estado,
        [&] {
            irPara(estrutura());
            entrada = abrirLista(estrutura()->obj_ComboBoxGrandeGrupo, grandeGrupo);
        },
        [&] { clicarNaLista(estrutura()->obj_ComboBoxGrandeGrupo, entrada); }, estrutura(),
        [] { return estrutura()->obj_ComboBoxSGP->count(); });
}

void BM_Estrutura_SubgrupoPrincipal(benchmark::State &estado) {
    QPoint entrada;
    medir(
        estado,
        [&] {
            irPara(estrutura());
            if (estrutura()->obj_ComboBoxSGP->count() == 0)
                escolherAntes(estrutura()->obj_ComboBoxGrandeGrupo, grandeGrupo);
            entrada = abrirLista(estrutura()->obj_ComboBoxSGP, subgrupoPrincipal);
        },
        [&] { clicarNaLista(estrutura()->obj_ComboBoxSGP, entrada); }, estrutura(),
        [] { return estrutura()->obj_ComboBoxSubGrupo->count(); });
}

// Chooses the major group and the principal subgroup, with their handlers.
void escolherAteSubgrupoPrincipal() {
    irPara(estrutura());
    escolherAntes(estrutura()->obj_ComboBoxGrandeGrupo, grandeGrupo);
    escolherAntes(estrutura()->obj_ComboBoxSGP, subgrupoPrincipal);
}

int familiasDoSubgrupo() {
    return estrutura()->obj_DB_QUERY_BuscaEstrutura_Familia.totalLinhas();
}

void BM_Estrutura_Subgrupo(benchmark::State &estado) {
    QPoint entrada;
    escolherAteSubgrupoPrincipal();
    medir(
        estado,
        [&] {
            irPara(estrutura());
            entrada = abrirLista(estrutura()->obj_ComboBoxSubGrupo, subgrupo);
        },
        [&] { clicarNaLista(estrutura()->obj_ComboBoxSubGrupo, entrada); }, estrutura(),
        familiasDoSubgrupo);
}

void BM_Estrutura_ProximaPagina(benchmark::State &estado) {
    escolherAteSubgrupoPrincipal();
    escolherAntes(estrutura()->obj_ComboBoxSubGrupo, subgrupo);
    medirProximaPagina(estado, estrutura(), estrutura()->paginador, familiasDoSubgrupo);
}

auto *titulosAZ() {
    return obj_Form_FormBuscaTituloAZ;
}

int linhasAZ() {
    return titulosAZ()->obj_DB_QUERY_BuscaTituloAZ.totalLinhas();
}

void BM_TitulosAZ_Letra(benchmark::State &estado) {
    medir(
        estado,
        [&] {
            irPara(titulosAZ());
            titulosAZ()->linkDaLetra(letraAZ)->setEnabled(true);
        },
        [&] { programa::clicar(titulosAZ()->linkDaLetra(letraAZ)); }, titulosAZ(), linhasAZ);
}

void BM_TitulosAZ_Palavra(benchmark::State &estado) {
    medirEnter(estado, titulosAZ(), titulosAZ()->obj_Edit_BuscaTitulosAZ, palavraFontes,
               titulosAZ(), linhasAZ);
}

void BM_TitulosAZ_ProximaPagina(benchmark::State &estado) {
    irPara(titulosAZ());
    titulosAZ()->linkDaLetra(letraAZ)->setEnabled(true);
    programa::clicar(titulosAZ()->linkDaLetra(letraAZ));
    medirProximaPagina(estado, titulosAZ(), titulosAZ()->paginador, linhasAZ);
}

void BM_RespostaBusca_ProximaPagina(benchmark::State &estado) {
    auto *resposta = obj_Form_FormRespostaBusca;
    irPara(obj_Form_FormBusca);
    escrever(obj_Form_FormBusca->obj_Edit_BuscaRapida, palavraComum);
    programa::enter(obj_Form_FormBusca->obj_Edit_BuscaRapida);
    medirProximaPagina(estado, resposta, resposta->paginador, linhasDaResposta);
}

// The code search of the family on its results screen.
void listarFamilia() {
    irPara(obj_Form_FormBuscaCodigo);
    escrever(obj_Form_FormBuscaCodigo->obj_Edit_BuscaCodigo, familia);
    programa::enter(obj_Form_FormBuscaCodigo->obj_Edit_BuscaCodigo);
}

void BM_RespostaBuscaCodigo_ProximaPagina(benchmark::State &estado) {
    auto *resposta = obj_Form_FormRespostaBuscaCodigo;
    listarFamilia();
    medirProximaPagina(estado, resposta, resposta->paginador, linhasDaBuscaCodigo);
}

// ------------------------------------------------------------- the family

int linhasDaDescricao() {
    return obj_Form_FormDescricao->obj_SortGrid_Tabua_Codigo->totalLinhas();
}

// A double click on the family's row of the code search results.
void BM_Familia_Descricao(benchmark::State &estado) {
    auto *resposta = obj_Form_FormRespostaBuscaCodigo;
    listarFamilia();
    medir(
        estado, [&] { irPara(resposta); },
        [&] { duploClique(resposta->obj_SortGrid_BuscaTitulosAZ, 1); }, obj_Form_FormDescricao,
        linhasDaDescricao);
}

// A link of the family menu, from the family description of the family.
void BM_Familia_Link(benchmark::State &estado, int link) {
    auto *descricao = obj_Form_FormDescricao;
    descricao->strCodigoFamilia = familia;
    TelaPrincipal *alvo = navegacao::tela(link == 1 ? IdTela::FormDescricaoCaracteristicas
                                                    : IdTela::FormDescricaoConversao);
    medir(
        estado, [&] { irPara(descricao); }, [&] { programa::clicar(descricao->links().at(link)); },
        alvo);
}

// ------------------------------------------------------------- conversions

auto *tabua() {
    return obj_Form_FormTabua;
}

// The rows of the conversion that `origem` ran.
std::function<int()> convertidas(OrigemConversao *origem) {
    return [origem] { return origem->resultadoConversao().totalLinhas(); };
}

// The conversion by code: the bases and the code given, then OK.
void BM_Tabua(benchmark::State &estado, const QString &de, const QString &para,
              const QString &codigo) {
    medir(
        estado,
        [&] {
            irPara(tabua());
            escolherAntes(tabua()->obj_Combo_De, de);
            escolherAntes(tabua()->obj_Combo_Para, para);
            escrever(tabua()->obj_Edit_ConverteCodigo, codigo);
        },
        [&] { programa::clicar(tabua()->obj_Bt_Converter_Ok); }, obj_Form_FormRespostaTabua,
        convertidas(tabua()));
}

auto *tabuaTitulo() {
    return obj_Form_FormTabuaTitulo;
}

int titulosParaConverter() {
    return tabuaTitulo()->obj_DB_QUERY_TabuaTitulo.totalLinhas();
}

// The titles of `base` that hold `palavra`, listed for conversion.
void prepararTabuaTitulo(const QString &base, const QString &palavra) {
    irPara(tabuaTitulo());
    escolherAntes(tabuaTitulo()->obj_Combo_De, base);
    escrever(tabuaTitulo()->obj_Edit_ConverteTitulo, palavra);
}

void BM_TabuaTitulo(benchmark::State &estado, const QString &base, const QString &palavra) {
    medir(
        estado, [&] { prepararTabuaTitulo(base, palavra); },
        [&] { programa::clicar(tabuaTitulo()->obj_Bt_Converter_Procurar); },
        obj_Form_FormRespostaTabuaTitulo, titulosParaConverter);
}

// The first title of a ZEL2002 search that converts, converted to ZEL94 from
// its row. A synonym's row has no target list; at ten times the sample's size
// a page may hold only synonyms (a title and its copies sort together), so
// the pages are turned until one holds a row that converts (not timed).
void BM_TabuaTitulo_ConverterLinha(benchmark::State &estado) {
    auto *titulos = obj_Form_FormRespostaTabuaTitulo;
    prepararTabuaTitulo(baseZel2002, palavraComum);
    programa::clicar(tabuaTitulo()->obj_Bt_Converter_Procurar);
    const auto &linhas = titulos->linhasTitulos;
    const auto convertivel = [&] {
        return std::find_if(linhas.begin(), linhas.end(),
                            [](const auto &l) { return !l.obj_Combo_De->isHidden(); });
    };
    while (convertivel() == linhas.end() && titulos->paginador->estado().haProximaPagina())
        programa::clicar(titulos->paginador->obj_Bt_RespostaBusca_Mais);
    if (convertivel() == linhas.end()) {
        estado.SkipWithError("nenhum título que se converta");
        return;
    }
    const auto &linha = *convertivel();
    medir(
        estado,
        [&] {
            irPara(titulos);
            escolherAntes(linha.obj_Combo_De, baseZel94);
        },
        [&] { programa::clicar(linha.obj_Bt_Ok); }, obj_Form_FormRespostaTabua,
        convertidas(titulos));
}

void BM_TabuaTitulo_ProximaPagina(benchmark::State &estado) {
    auto *titulos = obj_Form_FormRespostaTabuaTitulo;
    prepararTabuaTitulo(baseZel2002, palavraComum);
    programa::clicar(tabuaTitulo()->obj_Bt_Converter_Procurar);
    medirProximaPagina(estado, titulos, titulos->paginador, titulosParaConverter);
}

// The family conversion of the family to ZEL94.
void converterFamilia() {
    auto *tela = obj_Form_FormDescricaoConversao;
    tela->strCodigoFamilia = familia;
    irPara(tela);
    escolherAntes(tela->obj_Combo_Para, baseZel94);
    programa::clicar(tela->obj_Bt_Ok);
}

void BM_ConversaoFamilia(benchmark::State &estado) {
    auto *tela = obj_Form_FormDescricaoConversao;
    medir(
        estado,
        [&] {
            tela->strCodigoFamilia = familia;
            irPara(tela);
            escolherAntes(tela->obj_Combo_Para, baseZel94);
        },
        [&] { programa::clicar(tela->obj_Bt_Ok); }, obj_Form_FormRespostaTabua, convertidas(tela));
}

void BM_RespostaTabua_ProximaPagina(benchmark::State &estado) {
    auto *resposta = obj_Form_FormRespostaTabua;
    converterFamilia();
    medirProximaPagina(estado, resposta, resposta->paginador,
                       convertidas(obj_Form_FormDescricaoConversao));
}

void registrar() {
    // Qt paints and scales pictures on pooled threads too: the CPU time is the
    // process's.
    const auto ms = [](benchmark::internal::Benchmark *b) {
        b->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
    };
    ms(benchmark::RegisterBenchmark("BuscaRapida/palavra", BM_BuscaRapida, palavraComum));
    ms(benchmark::RegisterBenchmark("BuscaRapida/letra", BM_BuscaRapida, letraSo));
    ms(benchmark::RegisterBenchmark("BuscaRapidaNaResposta/palavra", BM_BuscaRapida_NaResposta,
                                    palavraComum));
    ms(benchmark::RegisterBenchmark("BuscaRapidaNaResposta/letra", BM_BuscaRapida_NaResposta,
                                    letraSo));
    ms(benchmark::RegisterBenchmark("Inicial/titulo", BM_Inicial_Titulo));
    ms(benchmark::RegisterBenchmark("Inicial/codigo", BM_Inicial_Codigo));
    ms(benchmark::RegisterBenchmark("BuscaTitulo/seis_fontes", BM_BuscaTitulo_SeisFontes));
    ms(benchmark::RegisterBenchmark("BuscaCodigo/familia", BM_BuscaCodigo));
    ms(benchmark::RegisterBenchmark("Estrutura/grande_grupo", BM_Estrutura_GrandeGrupo));
    ms(benchmark::RegisterBenchmark("Estrutura/subgrupo_principal",
                                    BM_Estrutura_SubgrupoPrincipal));
    ms(benchmark::RegisterBenchmark("Estrutura/subgrupo", BM_Estrutura_Subgrupo));
    ms(benchmark::RegisterBenchmark("Estrutura/proxima_pagina", BM_Estrutura_ProximaPagina));
    ms(benchmark::RegisterBenchmark("TitulosAZ/letra", BM_TitulosAZ_Letra));
    ms(benchmark::RegisterBenchmark("TitulosAZ/palavra", BM_TitulosAZ_Palavra));
    ms(benchmark::RegisterBenchmark("TitulosAZ/proxima_pagina", BM_TitulosAZ_ProximaPagina));
    ms(benchmark::RegisterBenchmark("RespostaBusca/proxima_pagina",
                                    BM_RespostaBusca_ProximaPagina));
    ms(benchmark::RegisterBenchmark("RespostaBuscaCodigo/proxima_pagina",
                                    BM_RespostaBuscaCodigo_ProximaPagina));
    ms(benchmark::RegisterBenchmark("Familia/descricao", BM_Familia_Descricao));
    ms(benchmark::RegisterBenchmark("Familia/caracteristicas", BM_Familia_Link, 1));
    ms(benchmark::RegisterBenchmark("Familia/conversao", BM_Familia_Link, 2));
    ms(benchmark::RegisterBenchmark("Tabua/2002_94", BM_Tabua, baseZel2002, baseZel94, familia));
    ms(benchmark::RegisterBenchmark("Tabua/2002_CIUO88", BM_Tabua, baseZel2002, baseCiuo88,
                                    familia));
    ms(benchmark::RegisterBenchmark("Tabua/94_2002", BM_Tabua, baseZel94, baseZel2002, ocupacao94));
    ms(benchmark::RegisterBenchmark("Tabua/CIUO88_2002", BM_Tabua, baseCiuo88, baseZel2002,
                                    grupoCiuo88));
    ms(benchmark::RegisterBenchmark("TabuaTitulo/ZEL2002", BM_TabuaTitulo, baseZel2002,
                                    palavraComum));
    ms(benchmark::RegisterBenchmark("TabuaTitulo/ZEL94", BM_TabuaTitulo, baseZel94, palavraFontes));
    ms(benchmark::RegisterBenchmark("TabuaTitulo/CIUO88", BM_TabuaTitulo, baseCiuo88,
                                    u"trabalhadores"_s));
    ms(benchmark::RegisterBenchmark("TabuaTitulo/converter_linha", BM_TabuaTitulo_ConverterLinha));
    ms(benchmark::RegisterBenchmark("TabuaTitulo/proxima_pagina", BM_TabuaTitulo_ProximaPagina));
    ms(benchmark::RegisterBenchmark("ConversaoFamilia/ZEL94", BM_ConversaoFamilia));
    ms(benchmark::RegisterBenchmark("RespostaTabua/proxima_pagina",
                                    BM_RespostaTabua_ProximaPagina));
}

// The offscreen platform says at every window raised and every list opened
// that it cannot do what a desktop does; those lines are dropped.
QtMessageHandler anterior = nullptr;
void filtrarPlataforma(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto) {
    if (!texto.startsWith(u"This plugin does not support"_s))
        anterior(tipo, contexto, texto);
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "uso: bench_acoes DADOS_DIR [opções do benchmark]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    anterior = qInstallMessageHandler(filtrarPlataforma);
    programa::instalar(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    programa::iniciar();
    registrar();
    rodarSemDiretorio(argc, argv);
    return 0;
}
