#include "unit_FormRespostaBuscaCodigo.h"

#include "controles.h"
#include "controles_busca.h"
#include "cursor.h"
#include "fronteira.h"
#include "grade.h"
#include "pagina_grade.h"
#include "paginador.h"
#include "unit_FormBuscaCodigo.h"
#include "unit_FormInicial.h"

#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;

Tobj_Form_FormRespostaBuscaCodigo *obj_Form_FormRespostaBuscaCodigo = nullptr;

namespace {

QStringList cabecalho(int total) {
    return {u"Código"_s, u"Família / Ocupação ("_s + QString::number(total) + u")"_s};
}

// The family row shows its title in capitals, an occupation in bold.
QStringList celulas(const Consulta &registro) {
    const QString titulo = registro.campo(u"titulo"_s);
    return {grade_html::simples(registro.campo(u"codigo"_s)),
            registro.campo(u"tipo"_s) == u"O"_s ? grade_html::negrito(titulo)
                                                : grade_html::simples(titulo.toUpper())};
}

} // namespace

// The pager in the group box; every label keeps its design place.
ConfiguracaoPaginador Tobj_Form_FormRespostaBuscaCodigo::configuracaoPaginador() {
    return {.linhasPorPagina = 13,
            .paginasPorBloco = 10,
            .paginas = QPoint(54, 267),
            .topo = 267,
            .esquerdaMenos = 111,
            .esquerdaPrimeiro = 122,
            .lugaresFixos =
                ConfiguracaoPaginador::LugaresFixos{
                    .rotulos = {156, 193, 229, 265, 301, 337, 374, 410, 446},
                    .separadores = {140, 176, 213, 249, 285, 321, 357, 394, 430},
                    .mais = 466},
            .setaAnterior = QPoint(579, 269),
            .setaProxima = QPoint(611, 269)};
}

Tobj_Form_FormRespostaBuscaCodigo::Tobj_Form_FormRespostaBuscaCodigo()
    : TelaPrincipal(IdTela::FormRespostaBuscaCodigo, {.regra = Moldura::Regra::C,
                                                      .posicaoAoMostrar = true,
                                                      .links = Moldura::Links::Busca,
                                                      .tagBuscaRapida = u"rapidaBuscaCodigo"_s}) {
    setObjectName(u"obj_Form_FormRespostaBuscaCodigo"_s);
    obj_Grupo_Pesquisa =
        controles::grupoPesquisa(this, u".:: Por Código ::."_s, QRect(16, 112, 681, 315));

    obj_SortGrid_BuscaTitulosAZ =
        new Grade(obj_Grupo_Pesquisa, QRect(21, 23, 644, 241), 2, true, 16);
    obj_SortGrid_BuscaTitulosAZ->setObjectName(u"obj_SortGrid_BuscaTitulosAZ"_s);
    obj_SortGrid_BuscaTitulosAZ->definirColunaOrdenacaoInicial(1);
    obj_SortGrid_BuscaTitulosAZ->definirAlinhamento(
        [this](int linha, int coluna) { return prcAlinhaGrid(linha, coluna); });
    fronteira::conectar(obj_SortGrid_BuscaTitulosAZ, &Grade::duploClique, this,
                        [this](int linha, int) { prcMostraDetalheFamilia(linha); });

    paginador = new Paginador(
        obj_Grupo_Pesquisa, configuracaoPaginador(), [this] { prcAlimentaGrid(); },
        [this] { definirLarguras(160, 483); });
    paginador->ligarGrade(obj_SortGrid_BuscaTitulosAZ);

    obj_Lb_avisoClick = busca::legenda(obj_Grupo_Pesquisa, busca::dicaFamilia(), QPoint(133, 289));
    obj_Lb_avisoClick->setObjectName(u"obj_Lb_avisoClick"_s);
}

// Shown: the shared position, the header of the code column and page 1.
void Tobj_Form_FormRespostaBuscaCodigo::prcRestaurarJanela() {
    TelaPrincipal::prcRestaurarJanela();
    obj_SortGrid_BuscaTitulosAZ->definirCelula(0, 0, u"Código"_s);
    paginador->reiniciar();
}

void Tobj_Form_FormRespostaBuscaCodigo::telaAtivada() {
    TelaPrincipal::telaAtivada();
    prcAlimentaGrid();
}

// The current page of the opener's query; the family row comes first.
void Tobj_Form_FormRespostaBuscaCodigo::prcAlimentaGrid() {
    limparLDescricao();
    const cursor::Ocupado ocupado;
    PaginaGrade{*obj_SortGrid_BuscaTitulosAZ, *paginador, cabecalho, celulas}.preencher(
        consultaDaOrigem());
    definirLarguras(80, 565);
}

// Before any code search there is no list to read: the screen shows an
// empty one.
Consulta &Tobj_Form_FormRespostaBuscaCodigo::consultaDaOrigem() const {
    if (strOrigem == u"BuscaCodigo"_s)
        return obj_Form_FormBuscaCodigo->obj_DB_QUERY_BuscaCodigo;
    if (strOrigem == u"capa"_s)
        return obj_Form_FormInicial->obj_DB_QUERY_BuscaCodigo;
    static Consulta nenhuma;
    return nenhuma;
}

void Tobj_Form_FormRespostaBuscaCodigo::definirLarguras(int codigo, int titulo) {
    obj_SortGrid_BuscaTitulosAZ->definirLarguraColuna(0, codigo);
    obj_SortGrid_BuscaTitulosAZ->definirLarguraColuna(1, titulo);
}

// The code column is centred, in the header as on every row.
Qt::Alignment Tobj_Form_FormRespostaBuscaCodigo::prcAlinhaGrid(int, int coluna) const {
    return coluna == 0 ? Qt::AlignHCenter : Qt::AlignLeft;
}

void Tobj_Form_FormRespostaBuscaCodigo::prcMostraDetalheFamilia(int linha) {
    mostrarDetalheFamilia(*obj_SortGrid_BuscaTitulosAZ, linha);
}
