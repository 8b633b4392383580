#include "unit_FormBuscaTituloAZ.h"

#include "botao_figura.h"
#include "controles.h"
#include "controles_busca.h"
#include "cursor.h"
#include "fontes.h"
#include "fronteira.h"
#include "grade.h"
#include "pagina_grade.h"
#include "paginador.h"
#include "rotulo_link.h"
#include "unit_FormMODALAviso.h"
#include "unit_global.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

Tobj_Form_FormBuscaTituloAZ *obj_Form_FormBuscaTituloAZ = nullptr;

namespace {

// The letter links stand in one row, "A" at the first left, "Z" at the last.
constexpr int topoLetras = 29;
constexpr int esquerdaA = 310;
constexpr int esquerdaZ = 648;
constexpr int topoLegendas = 301;

QStringList cabecalho(int total) {
    return {u"Resultado de títulos encontrados ("_s + QString::number(total) + u")"_s, u"ZEL2002"_s,
            u"ZEL94"_s};
}

// Families in capitals, occupations in bold, synonyms in italic.
QString tituloFormatado(const QString &tipo, const QString &titulo) {
    if (tipo == u"F"_s)
        return grade_html::simples(titulo.toUpper());
    if (tipo == u"O"_s)
        return grade_html::negrito(titulo);
    return grade_html::italico(titulo);
}

// The program lower-cases the letters A to Z only: the query lower-cases
// the pattern again by the engine's rules, which a first change of case by
// other rules could contradict (a Greek capital sigma at the end of a word
// is a final sigma to the engine, a medial one to QString::toLower).
QString minusculasAZ(QString texto) {
    for (QChar &c : texto)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    return texto;
}

QStringList celulas(const Consulta &registro) {
    return {tituloFormatado(registro.campo(u"tipo"_s), registro.campo(u"titulo"_s)),
            grade_html::simples(registro.campo(u"codigo"_s)),
            grade_html::simples(registro.campo(u"zel94"_s))};
}

} // namespace

// The pager in the group box; the page labels after the first are placed
// when the page is filled.
ConfiguracaoPaginador Tobj_Form_FormBuscaTituloAZ::configuracaoPaginador() {
    return {.linhasPorPagina = 11,
            .paginasPorBloco = 10,
            .paginas = QPoint(54, 263),
            .topo = 263,
            .esquerdaMenos = 112,
            .esquerdaPrimeiro = 123,
            .lugaresFixos = std::nullopt,
            .setaAnterior = QPoint(579, 265),
            .setaProxima = QPoint(611, 265)};
}

Tobj_Form_FormBuscaTituloAZ::Tobj_Form_FormBuscaTituloAZ()
    : TelaPrincipal(IdTela::FormBuscaTituloAZ, {.regra = Moldura::Regra::C,
                                                .posicaoAoMostrar = true,
                                                .botaoProprio = Moldura::Botao::Busca,
                                                .links = Moldura::Links::Busca,
                                                .linkAtual = 3,
                                                .tagBuscaRapida = u"rapidaBuscaTitulosAZ"_s}),
      strLetraAtual(u"a"_s) {
    setObjectName(u"obj_Form_FormBuscaTituloAZ"_s);
    obj_Grupo_Pesquisa =
        controles::grupoPesquisa(this, u".:: Por Títulos de AZ ::."_s, QRect(16, 110, 681, 320));

    obj_Edit_BuscaTitulosAZ =
        controles::caixaComBorda(obj_Grupo_Pesquisa, u"obj_Edit_BuscaTitulosAZ"_s,
                                 QRect(81, 28, 121, 16), fontes::sansSerif(fontes::pt8), nullptr);
    obj_Edit_BuscaTitulosAZ->setAccessibleName(u"Busca por palavra"_s);
    fronteira::conectar(obj_Edit_BuscaTitulosAZ, &QLineEdit::returnPressed, this,
                        [this] { prcVerificaExecutaConsultaTitulosAZ(); });
    obj_Bt_BuscaTitulosAZ_Ok =
        controles::botaoComSombra(obj_Grupo_Pesquisa, u"obj_Bt_BuscaTitulosAZ_Ok"_s, u"bt_ok"_s,
                                  u"Buscar por palavra"_s, QRect(209, 27, 26, 17));
    fronteira::conectar(obj_Bt_BuscaTitulosAZ_Ok, &BotaoFigura::clicado, this,
                        [this] { prcTestaBuscaTitulosAZEnvia(); });
    criarLetras();

    obj_SortGrid_BuscaTitulosAZ =
        new Grade(obj_Grupo_Pesquisa, QRect(21, 53, 644, 204), 3, true, 17);
    obj_SortGrid_BuscaTitulosAZ->setObjectName(u"obj_SortGrid_BuscaTitulosAZ"_s);
    obj_SortGrid_BuscaTitulosAZ->definirAlinhamento(
        [this](int linha, int coluna) { return prcAlinhaGrid(linha, coluna); });
    fronteira::conectar(obj_SortGrid_BuscaTitulosAZ, &Grade::duploClique, this,
                        [this](int linha, int) { prcMostraDetalheFamilia(linha); });

    paginador = new Paginador(
        obj_Grupo_Pesquisa, configuracaoPaginador(), [this] { preencherPagina(); },
        [this] { definirLarguras(); });
    paginador->ligarGrade(obj_SortGrid_BuscaTitulosAZ);
    obj_SortGrid_BuscaTitulosAZ->definirColunaCodigo(1);
    criarLegendas();
}

// Each letter is centred in its share of the row, so that narrow and wide
// letters stand evenly apart and the whole share takes the click.
void Tobj_Form_FormBuscaTituloAZ::criarLetras() {
    const QFont fonte = fontes::verdana(fontes::pt8);
    const int letras = int(obj_Bt_BuscaTitulosAZ.size());
    const auto esquerda = [letras](int i) {
        return esquerdaA + (esquerdaZ - esquerdaA) * i / (letras - 1);
    };
    for (int i = 0; i < letras; ++i) {
        const QChar letra(u'A' + i);
        auto *link = new RotuloLink(obj_Grupo_Pesquisa, letra, QPoint(esquerda(i), topoLetras),
                                    fonte, RotuloLink::Destaque::Sublinhado);
        link->setObjectName(u"obj_Bt_BuscaTitulosAZ_"_s + letra);
        // Heard alone, "A", "E" or "O" is a word; "Letra E" is a letter.
        link->setAccessibleName(u"Letra "_s + letra);
        link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        link->resize(esquerda(i + 1) - esquerda(i), link->height());
        fronteira::conectar(link, &RotuloLink::clicado, this,
                            [this, letra] { prcDefineLetraAtual(letra); });
        obj_Bt_BuscaTitulosAZ[i] = link;
    }
    linkDaLetra(u'A')->setEnabled(false);
}

// The legends stand in one row under the hint, each explanation right after
// the text of the style it explains. The bottom band covers the lower part
// of the group box: the row is raised just enough to lie whole above it.
void Tobj_Form_FormBuscaTituloAZ::criarLegendas() {
    obj_Lb_avisoClick = busca::legenda(obj_Grupo_Pesquisa, busca::dicaFamilia(), QPoint(133, 284));
    obj_Lb_avisoClick->setObjectName(u"obj_Lb_avisoClick"_s);
    QLabel *familia =
        busca::legenda(obj_Grupo_Pesquisa, u"CAIXA ALTA = Família"_s, QPoint(20, topoLegendas));
    familia->adjustSize();
    const int fimVisivel = Image2->y() - obj_Grupo_Pesquisa->y();
    const int subida = std::max(0, topoLegendas + familia->height() - fimVisivel);
    familia->move(familia->x(), familia->y() - subida);
    const auto par = [&](const QString &estilo, const QString &explicacao, QPoint lugar,
                         bool negrito, bool italico) {
        QLabel *primeiro =
            busca::legenda(obj_Grupo_Pesquisa, estilo, lugar - QPoint(0, subida), negrito, italico);
        primeiro->adjustSize();
        busca::legenda(obj_Grupo_Pesquisa, explicacao,
                       QPoint(primeiro->x() + primeiro->width(), primeiro->y()));
    };
    par(u"Negrito"_s, u" = Ocupação"_s, QPoint(296, topoLegendas), true, false);
    par(u"Itálico"_s, u" = Sinônimo"_s, QPoint(575, topoLegendas - 1), false, true);
}

RotuloLink *Tobj_Form_FormBuscaTituloAZ::linkDaLetra(QChar letra) const {
    return obj_Bt_BuscaTitulosAZ[letra.unicode() - u'A'];
}

// Shown: the shared position, page 1 and the titles beginning with "a".
void Tobj_Form_FormBuscaTituloAZ::prcRestaurarJanela() {
    TelaPrincipal::prcRestaurarJanela();
    paginador->reiniciar();
    strLetraAtual = u"a"_s;
    prcHabilitaLetras();
    linkDaLetra(u'A')->setEnabled(false);
}

void Tobj_Form_FormBuscaTituloAZ::telaAtivada() {
    TelaPrincipal::telaAtivada();
    prcAlimentaGrid();
}

void Tobj_Form_FormBuscaTituloAZ::prcHabilitaLetras() {
    for (RotuloLink *link : obj_Bt_BuscaTitulosAZ)
        link->setEnabled(true);
}

void Tobj_Form_FormBuscaTituloAZ::prcDefineLetraAtual(QChar letra) {
    prcHabilitaLetras();
    linkDaLetra(letra)->setEnabled(false);
    prcDefineBusca(letra);
}

void Tobj_Form_FormBuscaTituloAZ::prcVerificaExecutaConsultaTitulosAZ() {
    prcTestaBuscaTitulosAZEnvia();
}

// The word as typed, not trimmed: the titles that contain it.
void Tobj_Form_FormBuscaTituloAZ::prcTestaBuscaTitulosAZEnvia() {
    const QString palavra = obj_Edit_BuscaTitulosAZ->text();
    if (palavra.isEmpty()) {
        aviso::prcMostrarAviso(u"Digite a palavra para Busca"_s);
        return;
    }
    prcHabilitaLetras();
    prcDefineBusca(u"%"_s + palavra);
}

void Tobj_Form_FormBuscaTituloAZ::prcDefineBusca(const QString &padrao) {
    strLetraAtual = minusculasAZ(padrao);
    paginador->reiniciar();
    prcAlimentaGrid();
}

// Runs the pattern and shows the current page. A pattern that finds nothing
// leaves the grid at its header and one empty row, with no page label of an
// earlier listing left on view.
void Tobj_Form_FormBuscaTituloAZ::prcAlimentaGrid() {
    cursor::Ocupado ocupado;
    abrirConsulta(obj_DB_QUERY_BuscaTituloAZ, fncSqlTitulosAZ(), strLetraAtual + u"%"_s);
    const int total = preencherPagina();
    ocupado.terminar();
    if (total == 0) {
        paginador->obj_Bt_Pagina_Primeiro->hide();
        aviso::prcMostrarAviso(u"Não foi encontrado\rnenhum registro para busca"_s);
    }
}

// The current page of the rows found last: a page change reads them again
// without running the pattern once more.
int Tobj_Form_FormBuscaTituloAZ::preencherPagina() {
    limparLDescricao();
    const cursor::Ocupado ocupado;
    const int total =
        PaginaGrade{*obj_SortGrid_BuscaTitulosAZ, *paginador, cabecalho, celulas}.preencher(
            obj_DB_QUERY_BuscaTituloAZ);
    definirLarguras();
    return total;
}

void Tobj_Form_FormBuscaTituloAZ::definirLarguras() {
    obj_SortGrid_BuscaTitulosAZ->definirLarguraColuna(0, 460);
    obj_SortGrid_BuscaTitulosAZ->definirLarguraColuna(1, 91);
    obj_SortGrid_BuscaTitulosAZ->definirLarguraColuna(2, 92);
}

// The two code columns are centred, in the header as on every row.
Qt::Alignment Tobj_Form_FormBuscaTituloAZ::prcAlinhaGrid(int, int coluna) const {
    return coluna >= 1 ? Qt::AlignHCenter : Qt::AlignLeft;
}

void Tobj_Form_FormBuscaTituloAZ::prcMostraDetalheFamilia(int linha) {
    mostrarDetalheFamilia(*obj_SortGrid_BuscaTitulosAZ, linha);
}
