#include "unit_FormRespostaBusca.h"

#include "controles.h"
#include "controles_busca.h"
#include "rotulos.h"

#include "cursor.h"
#include "fontes.h"
#include "fronteira.h"
#include "grade.h"
#include "pagina_grade.h"
#include "paginador.h"

#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;

Tobj_Form_FormRespostaBusca *obj_Form_FormRespostaBusca = nullptr;

ConfiguracaoPaginador Tobj_Form_FormRespostaBusca::configuracaoPaginador() {
    ConfiguracaoPaginador c;
    c.linhasPorPagina = 13;
    c.paginasPorBloco = 10;
    c.paginas = {54, 267};
    c.topo = 267;
    c.esquerdaMenos = 112;
    c.esquerdaPrimeiro = 123;
    c.setaAnterior = {579, 269};
    c.setaProxima = {611, 269};
    return c;
}

Tobj_Form_FormRespostaBusca::Tobj_Form_FormRespostaBusca()
    : TelaPrincipal(IdTela::FormRespostaBusca, {.regra = Moldura::Regra::C,
                                                .posicaoAoMostrar = true,
                                                .links = Moldura::Links::Busca,
                                                .tagBuscaRapida = u"rapidaRespostaBusca"_s}) {
    setObjectName(u"obj_Form_FormRespostaBusca"_s);

    obj_Grupo_Pesquisa =
        controles::grupoPesquisa(this, u".:: Por Título ::."_s, QRect(16, 112, 681, 314));
    obj_Lb_avisoClick = rotulos::novo(
        obj_Grupo_Pesquisa, QString(),
        u"Clicando-se em cada título é possível acessar as informações da família correspondente"_s,
        QPoint(122, 288), fontes::verdana(9), QColor(0x80, 0x80, 0x80));
    obj_Lb_avisoClick->setObjectName(u"obj_Lb_avisoClick"_s);
    paginador = new Paginador(
        obj_Grupo_Pesquisa, configuracaoPaginador(), [this] { prcAlimentaGrid(); },
        [this] { definirLarguras(); });

    obj_SortGrid_BuscaTitulosAZ = new Grade(this, QRect(37, 136, 644, 238), 3, true, 17);
    obj_SortGrid_BuscaTitulosAZ->setObjectName(u"obj_SortGrid_BuscaTitulosAZ"_s);
    obj_SortGrid_BuscaTitulosAZ->definirAlinhamento(
        [this](int linha, int coluna) { return prcAlinhaGrid(linha, coluna); });
    fronteira::conectar(obj_SortGrid_BuscaTitulosAZ, &Grade::duploClique, this,
                        [this](int linha, int) { prcMostraDetalheFamilia(linha); });
    obj_SortGrid_BuscaTitulosAZ->definirColunaCodigo(1);
    paginador->ligarGrade(obj_SortGrid_BuscaTitulosAZ);
    definirLarguras();

    definirReceptorBuscaRapida(&Tobj_Form_FormRespostaBusca::receberBuscaRapida);
}

void Tobj_Form_FormRespostaBusca::listar(TelaPrincipal *tela, OrigemBusca &origem) {
    navegacao::irPara(tela, this, [this, &origem] { definirOrigem(origem); });
}

void Tobj_Form_FormRespostaBusca::definirOrigem(OrigemBusca &origem) {
    m_origem = &origem;
    strOrigem = origem.tagBusca();
}

// A quick search typed here replaces the list on view at once: nothing is
// shown or hidden.
void Tobj_Form_FormRespostaBusca::receberBuscaRapida(TelaPrincipal *tela, OrigemBusca &origem) {
    auto *resposta = obj_Form_FormRespostaBusca;
    if (tela != resposta) {
        resposta->listar(tela, origem);
        return;
    }
    resposta->paginador->reiniciar();
    resposta->definirOrigem(origem);
    resposta->prcAlimentaGrid();
}

// Shown: the shared position (rule C) and page 1.
void Tobj_Form_FormRespostaBusca::prcRestaurarJanela() {
    aplicarRegraPosicao();
    paginador->reiniciar();
}

void Tobj_Form_FormRespostaBusca::telaAtivada() {
    prcAlimentaGrid();
}

Consulta &Tobj_Form_FormRespostaBusca::consultaDeOrigem() {
    return m_origem ? m_origem->resultadoBusca() : m_semOrigem;
}

void Tobj_Form_FormRespostaBusca::prcAlimentaGrid() {
    limparLDescricao();
    const cursor::Ocupado ocupado;
    const PaginaGrade pagina{*obj_SortGrid_BuscaTitulosAZ, *paginador,
                             [](int total) {
                                 return QStringList{u"Resultado de títulos encontrados ("_s +
                                                        QString::number(total) + u")"_s,
                                                    u"Famílias"_s, u"Tipo"_s};
                             },
                             [](const Consulta &registro) {
                                 return QStringList{
                                     grade_html::simples(registro.campo(u"titulo"_s)),
                                     grade_html::simples(registro.campo(u"codigo"_s)),
                                     grade_html::simples(registro.campo(u"tipo"_s))};
                             }};
    pagina.preencher(consultaDeOrigem());
    definirLarguras();
}

void Tobj_Form_FormRespostaBusca::definirLarguras() {
    obj_SortGrid_BuscaTitulosAZ->definirLarguraColuna(0, 460);
    obj_SortGrid_BuscaTitulosAZ->definirLarguraColuna(1, 91);
    obj_SortGrid_BuscaTitulosAZ->definirLarguraColuna(2, 92);
}

// The family code and the kind are centred, in the header and in every row.
Qt::Alignment Tobj_Form_FormRespostaBusca::prcAlinhaGrid(int, int coluna) const {
    return coluna == 1 || coluna == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
}

void Tobj_Form_FormRespostaBusca::prcMostraDetalheFamilia(int linha) {
    mostrarDetalheFamilia(*obj_SortGrid_BuscaTitulosAZ, linha);
}
