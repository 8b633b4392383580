#include "unit_FormBuscaEstrutura.h"

#include "acessivel.h"
#include "botao_figura.h"
#include "controles.h"
#include "controles_busca.h"
#include "cursor.h"
#include "fontes.h"
#include "fronteira.h"
#include "grade.h"
#include "lista_suspensa.h"
#include "pagina_grade.h"
#include "paginador.h"
#include "rotulos.h"
#include "unit_FormMODALAviso.h"
#include "unit_global.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

Tobj_Form_FormBuscaEstrutura *obj_Form_FormBuscaEstrutura = nullptr;

namespace {

constexpr int larguraFamilias = 645;

QComboBox *lista(QWidget *pai, const QString &nome, int topo, QLabel *rotulo) {
    auto *combo = new ListaSuspensa(pai);
    combo->setObjectName(nome);
    acessivel::nomearPeloRotulo(rotulo, combo);
    combo->setFont(fontes::sansSerif(fontes::pt8));
    combo->setGeometry(192, topo, 465, 21);
    return combo;
}

// Entries and the text shown without a choice both go.
void limpar(QComboBox *combo) {
    combo->clear();
    combo->setPlaceholderText(QString());
}

// The prompt goes in first: a list that has one does not choose its first
// entry by itself.
void carregar(QComboBox *combo, Consulta &consulta, const QString &convite) {
    combo->setPlaceholderText(convite);
    for (; !consulta.fimDados(); consulta.proximo())
        combo->addItem(consulta.campo(u"titulo"_s));
    consulta.primeiro();
}

// A choice made by the user; clearing a list (no entry chosen) is none.
template <class Acao> void aoEscolher(QComboBox *combo, QObject *contexto, Acao acao) {
    fronteira::conectar(combo, &QComboBox::currentIndexChanged, contexto, [acao](int indice) {
        if (indice >= 0)
            acao();
    });
}

} // namespace

// The reduced pager in the result panel: labels "1" and "2" with no
// separator on view, and the arrows.
ConfiguracaoPaginador Tobj_Form_FormBuscaEstrutura::configuracaoPaginador() {
    return {
        .linhasPorPagina = 5,
        .paginasPorBloco = EstadoPaginacao::semBlocos,
        .paginas = QPoint(42, 110),
        .topo = 110,
        .esquerdaMenos = 0,
        .esquerdaPrimeiro = 111,
        .lugaresFixos =
            ConfiguracaoPaginador::LugaresFixos{.rotulos = {132}, .separadores = {124}, .mais = 0},
        .setaAnterior = QPoint(191, 110),
        .setaProxima = QPoint(223, 110)};
}

Tobj_Form_FormBuscaEstrutura::Tobj_Form_FormBuscaEstrutura()
    : TelaPrincipal(IdTela::FormBuscaEstrutura, {.regra = Moldura::Regra::C,
                                                 .botaoProprio = Moldura::Botao::Busca,
                                                 .links = Moldura::Links::Busca,
                                                 .linkAtual = 2,
                                                 .tagBuscaRapida = u"rapidaBuscaEstrutura"_s}) {
    setObjectName(u"obj_Form_FormBuscaEstrutura"_s);
    obj_Grupo_Pesquisa =
        controles::grupoPesquisa(this, u".:: Por Estrutura ::."_s, QRect(16, 110, 681, 315));
    criarListas();
    criarResultado();
    obj_Lb_Ajuda = rotulos::novo(obj_Grupo_Pesquisa, QString(), busca::ajudaCodigos(),
                                 QPoint(71, 294), fontes::verdana(fontes::pt8), busca::azul);
    obj_Lb_Ajuda->setObjectName(u"obj_Lb_Ajuda"_s);

    fronteira::executar([this] { prcInicializa(); });
}

void Tobj_Form_FormBuscaEstrutura::criarListas() {
    const QFont fonte = fontes::verdana(fontes::pt9);
    obj_Lb_GrandeGrupo =
        rotulos::novo(obj_Grupo_Pesquisa, QString(), u"Grande Grupo:"_s, QPoint(33, 34), fonte);
    obj_Lb_SGP = rotulos::novo(obj_Grupo_Pesquisa, QString(), u"Subgrupo Principal:"_s,
                               QPoint(33, 65), fonte);
    obj_Lb_SubGrupo =
        rotulos::novo(obj_Grupo_Pesquisa, QString(), u"Sub Grupo:"_s, QPoint(33, 95), fonte);

    obj_ComboBoxGrandeGrupo =
        lista(obj_Grupo_Pesquisa, u"obj_ComboBoxGrandeGrupo"_s, 31, obj_Lb_GrandeGrupo);
    obj_ComboBoxGrandeGrupo->setPlaceholderText(u"Selecione um Grande Grupo"_s);
    obj_ComboBoxSGP = lista(obj_Grupo_Pesquisa, u"obj_ComboBoxSGP"_s, 62, obj_Lb_SGP);
    obj_ComboBoxSubGrupo =
        lista(obj_Grupo_Pesquisa, u"obj_ComboBoxSubGrupo"_s, 92, obj_Lb_SubGrupo);
    aoEscolher(obj_ComboBoxGrandeGrupo, this, [this] { prcChamaAlimentaSGP(); });
    aoEscolher(obj_ComboBoxSGP, this, [this] { prcChamaAlimentaSG(); });
    aoEscolher(obj_ComboBoxSubGrupo, this, [this] { prcChamaAlimentaFamilia(); });
}

void Tobj_Form_FormBuscaEstrutura::criarResultado() {
    obj_Panel_Resultado = new QWidget(obj_Grupo_Pesquisa);
    obj_Panel_Resultado->setObjectName(u"obj_Panel_Resultado"_s);
    obj_Panel_Resultado->setGeometry(22, 126, 644, 131);

    obj_SortGrid_BuscaEstrutura =
        new Grade(obj_Panel_Resultado, QRect(0, 1, 644, 104), 1, true, 17);
    obj_SortGrid_BuscaEstrutura->setObjectName(u"obj_SortGrid_BuscaEstrutura"_s);
    obj_SortGrid_BuscaEstrutura->definirLarguraColuna(0, larguraFamilias);
    fronteira::conectar(obj_SortGrid_BuscaEstrutura, &Grade::duploClique, this,
                        [this](int linha, int) { prcMostraDetalheFamilia(linha); });

    paginador = new Paginador(
        obj_Panel_Resultado, configuracaoPaginador(), [this] { prcAlimentaGridFamilia(); },
        [this] { obj_SortGrid_BuscaEstrutura->definirLarguraColuna(0, larguraFamilias); });
    paginador->ligarGrade(obj_SortGrid_BuscaEstrutura);

    obj_Bt_NovaBusca =
        controles::botaoComSombra(obj_Panel_Resultado, u"obj_Bt_NovaBusca"_s, u"bt_nova_busca"_s,
                                  u"Nova Busca"_s, QRect(555, 110, 73, 17));
    fronteira::conectar(obj_Bt_NovaBusca, &BotaoFigura::clicado, this, [this] { prcNovaBusca(); });

    obj_Lb_avisoClick = busca::legenda(obj_Grupo_Pesquisa, busca::dicaFamilia(), QPoint(133, 262));
    obj_Lb_avisoClick->setObjectName(u"obj_Lb_avisoClick"_s);
    obj_Lb_Legenda =
        busca::legenda(obj_Grupo_Pesquisa, u"CAIXA ALTA - Famílias"_s, QPoint(277, 278));
    obj_Lb_Legenda->setObjectName(u"obj_Lb_Legenda"_s);
    mostrarResultado(false);
}

void Tobj_Form_FormBuscaEstrutura::prcInicializa() {
    prcAlimentaGrandeGrupo();
}

// Once, at creation: the major groups in code order.
void Tobj_Form_FormBuscaEstrutura::prcAlimentaGrandeGrupo() {
    cursor::Ocupado ocupado;
    Consulta &consulta = obj_DB_QUERY_BuscaEstrutura_GrandeGrupo;
    abrirConsulta(consulta, fncSqlGrandesGrupos());
    if (consulta.fimDados()) {
        ocupado.terminar();
        aviso::prcMostrarAviso(u"Nenhum Grande Grupo encontrado"_s);
        return;
    }
    carregar(obj_ComboBoxGrandeGrupo, consulta, obj_ComboBoxGrandeGrupo->placeholderText());
}

void Tobj_Form_FormBuscaEstrutura::prcRestaurarJanela() {
    TelaPrincipal::prcRestaurarJanela();
    obj_SortGrid_BuscaEstrutura->definirLarguraColuna(0, larguraFamilias);
    paginador->reiniciar();
    if (!obj_Panel_Resultado->isHidden())
        prcAlimentaGridFamilia();
}

void Tobj_Form_FormBuscaEstrutura::prcChamaAlimentaSGP() {
    prcAlimentaSGP();
}
void Tobj_Form_FormBuscaEstrutura::prcChamaAlimentaSG() {
    prcAlimentaSG();
}
void Tobj_Form_FormBuscaEstrutura::prcChamaAlimentaFamilia() {
    prcAlimentaFamilia();
}

// The family grid back to its header and one empty row, on page 1.
void Tobj_Form_FormBuscaEstrutura::reiniciarFamilias() {
    obj_SortGrid_BuscaEstrutura->definirTotalLinhas(2);
    obj_SortGrid_BuscaEstrutura->limpar();
    paginador->reiniciar();
}

void Tobj_Form_FormBuscaEstrutura::mostrarResultado(bool visivel) {
    obj_Panel_Resultado->setVisible(visivel);
    obj_Lb_avisoClick->setVisible(visivel);
    obj_Lb_Legenda->setVisible(visivel);
}

// A major group is chosen. The list is in code order and the codes are the
// digits from 0 without gaps, so the entry's position is its code.
void Tobj_Form_FormBuscaEstrutura::prcAlimentaSGP() {
    limpar(obj_ComboBoxSGP);
    reiniciarFamilias();
    mostrarResultado(false);
    limpar(obj_ComboBoxSubGrupo);
    Consulta &consulta = obj_DB_QUERY_BuscaEstrutura_SGP;
    abrirConsulta(consulta, fncSqlSubgruposPrincipais(
                                QString::number(obj_ComboBoxGrandeGrupo->currentIndex())));
    if (consulta.fimDados()) {
        aviso::prcMostrarAviso(u"Nenhum SubGrupo Principal encontrado"_s);
        return;
    }
    carregar(obj_ComboBoxSGP, consulta, u"Selecione um SubGrupo Principal"_s);
}

// A principal subgroup is chosen: its code is the entry's first two characters.
void Tobj_Form_FormBuscaEstrutura::prcAlimentaSG() {
    limpar(obj_ComboBoxSubGrupo);
    reiniciarFamilias();
    mostrarResultado(false);
    Consulta &consulta = obj_DB_QUERY_BuscaEstrutura_SubGrupo;
    abrirConsulta(consulta, fncSqlSubgrupos(obj_ComboBoxSGP->currentText().left(2)));
    if (consulta.fimDados()) {
        aviso::prcMostrarAviso(u"Nenhum SubGrupo \rencontrado"_s);
        return;
    }
    carregar(obj_ComboBoxSubGrupo, consulta, u"Selecione um SubGrupo"_s);
}

// A subgroup is chosen: its code is the entry's first three characters.
void Tobj_Form_FormBuscaEstrutura::prcAlimentaFamilia() {
    reiniciarFamilias();
    const QString subgrupo = obj_ComboBoxSubGrupo->currentText().left(3);
    mostrarResultado(true);
    Consulta &consulta = obj_DB_QUERY_BuscaEstrutura_Familia;
    abrirConsulta(consulta, fncSqlFamiliasDoSubgrupo(subgrupo));
    if (consulta.fimDados()) {
        mostrarResultado(false);
        aviso::prcMostrarAviso(u"Nenhum Família \rencontrada"_s);
        return;
    }
    prcAlimentaGridFamilia();
}

// The current page of the subgroup's families, each in capitals.
void Tobj_Form_FormBuscaEstrutura::prcAlimentaGridFamilia() {
    const cursor::Ocupado ocupado;
    const PaginaGrade pagina{*obj_SortGrid_BuscaEstrutura, *paginador,
                             [](int total) {
                                 return QStringList{u"Resultado das Famílias encontradas ("_s +
                                                    QString::number(total) + u")"_s};
                             },
                             [](const Consulta &registro) {
                                 return QStringList{
                                     grade_html::simples(registro.campo(u"titulo"_s).toUpper())};
                             }};
    pagina.preencher(obj_DB_QUERY_BuscaEstrutura_Familia);
    obj_SortGrid_BuscaEstrutura->definirLarguraColuna(0, larguraFamilias);
}

// Starts over: the major groups stay, with none chosen and no text shown.
// Nothing is read: a list without a choice that loses its prompt chooses its
// first entry for a moment, which must not count as the user's choice.
void Tobj_Form_FormBuscaEstrutura::prcNovaBusca() {
    {
        const QSignalBlocker semEscolha(obj_ComboBoxGrandeGrupo);
        obj_ComboBoxGrandeGrupo->setPlaceholderText(QString());
        obj_ComboBoxGrandeGrupo->setCurrentIndex(-1);
    }
    limpar(obj_ComboBoxSGP);
    limpar(obj_ComboBoxSubGrupo);
    mostrarResultado(false);
    obj_ComboBoxGrandeGrupo->setFocus();
}

void Tobj_Form_FormBuscaEstrutura::prcMostraDetalheFamilia(int linha) {
    mostrarDetalheFamilia(*obj_SortGrid_BuscaEstrutura, linha);
}
