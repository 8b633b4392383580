#include "unit_FormInicial.h"

#include "acessivel.h"
#include "botao_figura.h"
#include "controles.h"
#include "controles_busca.h"
#include "fontes.h"
#include "rotulos.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_global.h"
#include "visualizador_html.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

Tobj_Form_FormInicial *obj_Form_FormInicial = nullptr;

namespace {

const QColor corPagina(255, 247, 223);
const QColor corSombra(0x40, 0x40, 0x40);
const QColor corVersao(0x80, 0x00, 0x00);

} // namespace

Tobj_Form_FormInicial::Tobj_Form_FormInicial()
    : TelaPrincipal(IdTela::FormInicial, {.regra = Moldura::Regra::A,
                                          .registraAoEsconder = false,
                                          .botaoProprio = Moldura::Botao::Home,
                                          .tagBuscaRapida = u"rapida"_s}) {
    setObjectName(u"obj_Form_FormInicial"_s);
    obj_Lb_BemVindo = rotulos::novo(this, QString(), u"Bem-vindo a ZEL"_s, QPoint(8, 78),
                                    fontes::verdana(fontes::pt10, true));
    obj_Lb_BemVindo->setObjectName(u"obj_Lb_BemVindo"_s);
    criarPagina();
    criarPesquisa();
}

void Tobj_Form_FormInicial::criarPagina() {
    obj_Panel_Sombra = new PainelCor(this, corSombra, QRect(32, 117, 470, 177));
    obj_Panel_Sombra->setObjectName(u"obj_Panel_Sombra"_s);
    obj_WebBrowser = new VisualizadorHtml(this);
    obj_WebBrowser->setObjectName(u"obj_WebBrowser"_s);
    obj_WebBrowser->setGeometry(33, 118, 467, 175);
    obj_WebBrowser->definirCorDeFundo(corPagina);
    acessivel::nomearPeloRotulo(obj_Lb_BemVindo, obj_WebBrowser);

    obj_Img_Capa = new Figura(this, u"capa"_s, QRect(520, 110, 180, 210));
    obj_Img_Capa->setObjectName(u"obj_Img_Capa"_s);
    Label3 = rotulos::novo(this, QString(), u"Versão 1.5"_s, QPoint(576, 248),
                           fontes::sansSerif(fontes::pt10, true), corVersao);
    Label3->setObjectName(u"Label3"_s);
    Label4 = rotulos::novo(this, QString(), u"(Janeiro / 2009)"_s, QPoint(568, 272),
                           fontes::sansSerif(fontes::pt10, true), corVersao);
    Label4->setObjectName(u"Label4"_s);
}

void Tobj_Form_FormInicial::criarPesquisa() {
    obj_Grupo_Pesquisa = controles::grupoPesquisa(this, u".:: Busca Ocupação ::."_s,
                                                  QRect(16, 308, 681, 113), fontes::pt9);
    const QFont fonte = fontes::verdana(fontes::pt8);

    obj_Lb_Busca_Titulo =
        rotulos::novo(obj_Grupo_Pesquisa, QString(), u"Título: (família, ocupação ou sinônimo)"_s,
                      QPoint(32, 36), fonte);
    obj_Lb_Busca_Titulo->setObjectName(u"obj_Lb_Busca_Titulo"_s);
    const busca::CaixaBusca titulo = busca::caixaBusca(
        obj_Grupo_Pesquisa, obj_Lb_Busca_Titulo, u"obj_Edit_BuscaTitulo"_s, QRect(280, 32, 225, 17),
        u"digite aqui uma expressão e clique no botão ao lado para fazer uma busca"_s,
        u"obj_Bt_ProcurarTitulo"_s, u"Procurar título"_s, QPoint(520, 32),
        [this] { prcVerificaExecutaConsulta(); }, [this] { prcTestaBuscaTitulo_Procurar(); });
    obj_Edit_BuscaTitulo = titulo.caixa;
    obj_Bt_ProcurarTitulo = titulo.botao;

    obj_Lb_Busca_Codigo = rotulos::novo(obj_Grupo_Pesquisa, QString(),
                                        u"Código: (família ou ocupação)"_s, QPoint(32, 71), fonte);
    obj_Lb_Busca_Codigo->setObjectName(u"obj_Lb_Busca_Codigo"_s);
    const busca::CaixaBusca codigo = busca::caixaBusca(
        obj_Grupo_Pesquisa, obj_Lb_Busca_Codigo, u"obj_Edit_BuscaCodigo"_s, QRect(280, 68, 121, 17),
        u"digite aqui um código da ZEL e clique no botão ao lado para fazer uma busca"_s,
        u"obj_Bt_ProcurarCodigo"_s, u"Procurar código"_s, QPoint(414, 67),
        [this] { prcVerificaExecutaConsultaBuscaCodigo(); },
        [this] { prcTestaBuscaCodigo_Procurar(); });
    obj_Edit_BuscaCodigo = codigo.caixa;
    obj_Bt_ProcurarCodigo = codigo.botao;

    // The title box comes first, the code box second: the title box has the
    // focus when the program starts.
    fixarSequenciaTabulacao({obj_Edit_BuscaTitulo, obj_Edit_BuscaCodigo});
    obj_Edit_BuscaTitulo->setFocus();
}

// Activated: the caption cleared, the shared position (rule A), and the
// welcome page read again from the disk.
void Tobj_Form_FormInicial::prcRestaurarJanela() {
    TelaPrincipal::prcRestaurarJanela();
    obj_WebBrowser->carregar(caminhoPagina(u"inicial.htm"_s));
}

void Tobj_Form_FormInicial::prcVerificaExecutaConsulta() {
    prcTestaBuscaTitulo_Procurar();
}

// The title box is emptied whatever the outcome.
void Tobj_Form_FormInicial::prcTestaBuscaTitulo_Procurar() {
    if (busca::palavraDigitada(obj_Edit_BuscaTitulo) &&
        busca::buscarTitulo(obj_DB_QUERY_BuscaTitulo, fncSqlBuscaRapida(),
                            obj_Edit_BuscaTitulo->text()))
        obj_Form_FormRespostaBusca->listar(this, *this);
    obj_Edit_BuscaTitulo->clear();
}

void Tobj_Form_FormInicial::prcVerificaExecutaConsultaBuscaCodigo() {
    prcTestaBuscaCodigo_Procurar();
}

// Four digits: the family and its occupations; six: one occupation. The
// code box keeps the code unless something is found.
void Tobj_Form_FormInicial::prcTestaBuscaCodigo_Procurar() {
    if (!busca::buscarCodigo(*obj_Edit_BuscaCodigo, obj_DB_QUERY_BuscaCodigo))
        return;
    obj_Edit_BuscaCodigo->clear();
    ir(IdTela::FormRespostaBuscaCodigo,
       [] { obj_Form_FormRespostaBuscaCodigo->strOrigem = u"capa"_s; });
}
