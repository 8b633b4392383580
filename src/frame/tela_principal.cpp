#include "tela_principal.h"

#include "acessivel.h"
#include "botao_figura.h"
#include "colagem.h"
#include "foco.h"
#include "fontes.h"
#include "fronteira.h"
#include "grade.h"
#include "posicao.h"
#include "rotulo_link.h"
#include "rotulos.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormMODALSair.h"
#include "unit_global.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const QColor corMenuFamilia(0xCC, 0x66, 0x00);
const QColor corLinkLegislacao(0x00, 0x00, 0xFF);

// The toolbar's hover captions, which also name its buttons.
const QString legendaHome = QStringLiteral("Tela Inicial");
const QString legendaBusca = QStringLiteral("Busca de Itens da ZEL");
const QString legendaInfo = QStringLiteral("Informações da ZEL");
const QString legendaRegula = QStringLiteral("Regulamentação da ZEL");
const QString legendaTabua = QStringLiteral("Tábua de Conversão da ZEL");

TelaPrincipal::ReceptorBuscaRapida receptorBuscaRapida = nullptr;

// The hover style of a screen's links: coloured in the family menu and the
// legislation bar, underlined elsewhere.
RotuloLink::Destaque destaqueDosLinks(Moldura::Links links) {
    return links == Moldura::Links::Familia || links == Moldura::Links::Legislacao
               ? RotuloLink::Destaque::Cor
               : RotuloLink::Destaque::Sublinhado;
}

QColor corDosLinks(Moldura::Links links) {
    return links == Moldura::Links::Legislacao ? corLinkLegislacao : corMenuFamilia;
}

} // namespace

TelaPrincipal::TelaPrincipal(IdTela id, const Moldura &moldura)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), buscaRapida(moldura.tagBuscaRapida),
      m_id(id), m_moldura(moldura),
      m_barra(this, destaqueDosLinks(moldura.links), corDosLinks(moldura.links), moldura.linkAtual,
              moldura.links == Moldura::Links::Familia ? BarraLinks::Propria::Atual
                                                       : BarraLinks::Propria::Desabilitada,
              [this] { apagarHomeLegislacao(); }) {
    setFixedSize(713, 460);
    setWindowTitle(u"Bem-vindo a ZEL2002"_s);
    setFont(fontes::sansSerif(fontes::pt8));
    switch (moldura.estilo) {
    case Moldura::Estilo::Padrao:
        criarMolduraPadrao();
        break;
    case Moldura::Estilo::Legislacao:
        criarMolduraLegislacao();
        break;
    }
    criarLinks();
    navegacao::registrar(id, this);
}

// ---------------------------------------------------------------- building

void TelaPrincipal::criarMolduraPadrao() {
    obj_ImgBgBorda = new Figura(this, u"fundo"_s, QRect(0, 0, 713, 460));
    obj_ImgBgBorda->setObjectName(u"obj_ImgBgBorda"_s);
    connect(obj_ImgBgBorda, &Figura::movida, this, &TelaPrincipal::prcDesmarcaLinks);
    obj_Img_Top = new Figura(this, u"faixa_topo"_s, QRect(1, 1, 711, 61));
    obj_Img_Top->setObjectName(u"obj_Img_Top"_s);
    conectarBanda(obj_Img_Top);
    Image2 = new Figura(this, u"faixa_base"_s, QRect(2, 418, 709, 61));
    Image2->setObjectName(u"Image2"_s);
    conectarBanda(Image2);

    obj_Bt_About = botaoJanela(u"obj_Bt_About"_s, u"bt_about"_s, u"Sobre"_s, QRect(671, 4, 10, 10),
                               &TelaPrincipal::prcIniciarFormAbout);
    obj_Bt_Minimizar = botaoJanela(u"obj_Bt_Minimizar"_s, u"bt_minimizar"_s, u"Minimizar"_s,
                                   QRect(683, 4, 10, 10), &TelaPrincipal::prcMinimizaJanela);
    obj_Bt_Fechar = botaoJanela(u"obj_Bt_Fechar"_s, u"bt_fechar"_s, u"Fechar"_s,
                                QRect(695, 4, 10, 10), &TelaPrincipal::prcFecharJanela);

    obj_Bt_Home =
        criarBotaoBarra(u"bt_home"_s, 616, Moldura::Botao::Home, &TelaPrincipal::obj_Bt_HomeClick,
                        &TelaPrincipal::obj_Bt_HomeMouseMove);
    obj_Bt_Home->setObjectName(u"obj_Bt_Home"_s);
    obj_Bt_Home->setAccessibleName(legendaHome);
    obj_Bt_Busca =
        criarBotaoBarra(u"bt_busca"_s, 632, Moldura::Botao::Busca,
                        &TelaPrincipal::obj_Bt_BuscaClick, &TelaPrincipal::obj_Bt_BuscaMouseMove);
    obj_Bt_Busca->setObjectName(u"obj_Bt_Busca"_s);
    obj_Bt_Busca->setAccessibleName(legendaBusca);
    obj_Bt_Info =
        criarBotaoBarra(u"bt_info"_s, 648, Moldura::Botao::Info, &TelaPrincipal::obj_Bt_InfoClick,
                        &TelaPrincipal::obj_Bt_InfoMouseMove);
    obj_Bt_Info->setObjectName(u"obj_Bt_Info"_s);
    obj_Bt_Info->setAccessibleName(legendaInfo);
    obj_Bt_Regula =
        criarBotaoBarra(u"bt_regula"_s, 664, Moldura::Botao::Regula,
                        &TelaPrincipal::obj_Bt_RegulaClick, &TelaPrincipal::obj_Bt_RegulaMouseMove);
    obj_Bt_Regula->setObjectName(u"obj_Bt_Regula"_s);
    obj_Bt_Regula->setAccessibleName(legendaRegula);
    obj_Bt_Tabua =
        criarBotaoBarra(u"bt_tabua"_s, 680, Moldura::Botao::Tabua,
                        &TelaPrincipal::obj_Bt_TabuaClick, &TelaPrincipal::obj_Bt_TabuaMouseMove);
    obj_Bt_Tabua->setObjectName(u"obj_Bt_Tabua"_s);
    obj_Bt_Tabua->setAccessibleName(legendaTabua);

    LDescricao = new QLabel(u"***"_s, this);
    LDescricao->setObjectName(u"LDescricao"_s);
    LDescricao->setAutoFillBackground(true);
    LDescricao->setAlignment(Qt::AlignRight | Qt::AlignTop);
    definirLDescricao(u"***"_s);

    criarBuscaRapida(QPoint(0, 0));
}

void TelaPrincipal::criarMolduraLegislacao() {
    obj_ImgBgBorda = new Figura(this, u"fundo"_s, QRect(0, 0, 713, 460));
    obj_ImgBgBorda->setObjectName(u"obj_ImgBgBorda"_s);
    connect(obj_ImgBgBorda, &Figura::movida, this, &TelaPrincipal::prcDesmarcaLinks);
    obj_Img_Top = new Figura(this, u"leg_topo"_s, QRect(1, 1, 711, 61));
    obj_Img_Top->setObjectName(u"obj_Img_Top"_s);
    conectarBanda(obj_Img_Top);
    new Figura(this, u"leg_logo"_s, QRect(16, 12, 129, 40));
    auto *versao = rotulos::novo(this, u"obj_Lb_Versao"_s, u"Versão Beta 1"_s, QPoint(152, 38),
                                 fontes::verdana(fontes::pt7, true));
    QPalette paleta = versao->palette();
    paleta.setColor(QPalette::WindowText, QColor(0xF0, 0xCA, 0xA6));
    versao->setPalette(paleta);

    obj_Bt_About = botaoJanela(u"obj_Bt_Informacoes"_s, u"leg_bt_about"_s, u"Sobre"_s,
                               QRect(658, 4, 15, 15), &TelaPrincipal::prcIniciarFormAbout);
    obj_Bt_Minimizar = botaoJanela(u"obj_Bt_Minimizar"_s, u"leg_bt_minimizar"_s, u"Minimizar"_s,
                                   QRect(675, 4, 15, 15), &TelaPrincipal::prcMinimizaJanela);
    obj_Bt_Fechar = botaoJanela(u"obj_Bt_Fechar"_s, u"leg_bt_fechar"_s, u"Fechar"_s,
                                QRect(692, 4, 15, 15), &TelaPrincipal::prcFecharJanela);
    criarBuscaRapida(QPoint(50, 20));
}

void TelaPrincipal::criarBuscaRapida(QPoint deslocamento) {
    obj_Lb_BuscaRapida = rotulos::novo(this, u"obj_Lb_BuscaRapida"_s, u"Busca::"_s,
                                       QPoint(342, 21) + deslocamento, fontes::verdana(11, true));
    QPalette branco = obj_Lb_BuscaRapida->palette();
    branco.setColor(QPalette::WindowText, Qt::white);
    obj_Lb_BuscaRapida->setPalette(branco);
    obj_Panel_BuscaRapida_Borda =
        new PainelCor(this, Qt::black, QRect(QPoint(396, 18) + deslocamento, QSize(123, 19)));
    obj_Panel_BuscaRapida_Borda->setObjectName(u"obj_Panel_BuscaRapida_Borda"_s);
    obj_Edit_BuscaRapida = new QLineEdit(this);
    obj_Edit_BuscaRapida->setObjectName(u"obj_Edit_BuscaRapida"_s);
    obj_Edit_BuscaRapida->setFrame(false);
    obj_Edit_BuscaRapida->setGeometry(QRect(QPoint(397, 19) + deslocamento, QSize(121, 17)));
    colagem::limparColagens(obj_Edit_BuscaRapida);
    fronteira::conectar(obj_Edit_BuscaRapida, &QLineEdit::returnPressed, this,
                        [this] { prcVerificaExecutaConsultaBuscaRapida(); });
    acessivel::nomearPeloRotulo(obj_Lb_BuscaRapida, obj_Edit_BuscaRapida);
    // The box has the focus when the screen first comes up, unless the
    // screen gives it to one of its own controls.
    obj_Edit_BuscaRapida->setFocus();
    obj_Bt_BuscaRapida_Ok =
        new BotaoFigura(this, u"bt_ok"_s, QRect(QPoint(526, 19) + deslocamento, QSize(26, 17)));
    obj_Bt_BuscaRapida_Ok->setObjectName(u"obj_Bt_BuscaRapida_Ok"_s);
    obj_Bt_BuscaRapida_Ok->setAccessibleName(u"Buscar"_s);
    fronteira::conectar(obj_Bt_BuscaRapida_Ok, &BotaoFigura::clicado, this,
                        [this] { prcTestaBuscaRapidaEnvia(); });
}

// About, minimise or close: a picture button named `rotulo` that runs `acao`.
BotaoFigura *TelaPrincipal::botaoJanela(const QString &nome, const QString &imagem,
                                        const QString &rotulo, const QRect &geometria,
                                        void (TelaPrincipal::*acao)()) {
    auto *botao = new BotaoFigura(this, imagem, geometria);
    botao->setObjectName(nome);
    botao->setAccessibleName(rotulo);
    fronteira::conectar(botao, &BotaoFigura::clicado, this, [this, acao] { (this->*acao)(); });
    return botao;
}

BotaoFigura *TelaPrincipal::criarBotaoBarra(const QString &imagem, int x, Moldura::Botao botao,
                                            void (TelaPrincipal::*clique)(),
                                            void (TelaPrincipal::*movimento)(QPoint)) {
    auto *b = new BotaoFigura(this, imagem, QRect(x, 44, 14, 14));
    // The button of the screen itself shows its caption but does nothing.
    if (botao != m_moldura.botaoProprio)
        fronteira::conectar(b, &BotaoFigura::clicado, this, [this, clique] { (this->*clique)(); });
    connect(b, &Figura::movida, this, [this, movimento](QPoint p) { (this->*movimento)(p); });
    return b;
}

void TelaPrincipal::conectarBanda(Figura *banda) {
    connect(banda, &Figura::pressionada, this, &TelaPrincipal::prcIniciaArrastarJanela);
    connect(banda, &Figura::movida, this, &TelaPrincipal::prcArrastarJanela);
    connect(banda, &Figura::solta, this, &TelaPrincipal::prcFinalizaArrastarJanela);
}

void TelaPrincipal::criarLinks() {
    switch (m_moldura.links) {
    case Moldura::Links::Busca:
        criarLinksBusca();
        break;
    case Moldura::Links::Conversao:
        criarLinksConversao();
        break;
    case Moldura::Links::Legislacao:
        criarBarraLegislacao();
        break;
    case Moldura::Links::Familia: // TelaFamilia's
    case Moldura::Links::Nenhum:
        break;
    }
}

void TelaPrincipal::criarLinksBusca() {
    obj_Lb_BemVindo = rotulos::novo(this, u"obj_Lb_BemVindo"_s, u"Tipos de Busca"_s, QPoint(8, 72),
                                    fontes::verdana(fontes::pt10, true));
    const QFont fonte = fontes::verdana(11);
    m_barra.adicionar(u"obj_Bt_Busca_por_Titulo"_s, u"por título"_s, QPoint(376, 95), fonte,
                      [this] { prcIniciarFormBuscaTitulo(); });
    m_barra.adicionar(u"obj_Bt_Busca_por_Codigo"_s, u"por código"_s, QPoint(445, 95), fonte,
                      [this] { prcIniciarFormBuscaCodigo(); });
    m_barra.adicionar(u"obj_Bt_Busca_por_Estrutura"_s, u"por estrutura"_s, QPoint(522, 95), fonte,
                      [this] { prcIniciarFormBuscaEstrutura(); });
    m_barra.adicionar(u"obj_Bt_Busca_por_TituloAZ"_s, u"por títulos de AZ"_s, QPoint(612, 95),
                      fonte, [this] { prcIniciarFormBuscaTituloAz(); });
    rotulos::novo(this, u"obj_Lb_divisoria"_s, u"|"_s, QPoint(435, 96), fonte);
    rotulos::novo(this, u"obj_Lb_divisoria2"_s, u"|"_s, QPoint(512, 96), fonte);
    rotulos::novo(this, u"obj_Lb_divisoria3"_s, u"|"_s, QPoint(603, 96), fonte);
}

void TelaPrincipal::criarLinksConversao() {
    const int topo = m_moldura.topoLinks;
    obj_Lb_Tabua = rotulos::novo(this, u"obj_Lb_Tabua"_s, u"Tipos de Conversão de Família"_s,
                                 QPoint(8, topo - 24), fontes::verdana(fontes::pt10, true));
    const QFont fonte = fontes::verdana(11);
    m_barra.adicionar(u"obj_Bt_Conversao_Codigo"_s, u"por código-base"_s, QPoint(493, topo), fonte,
                      [this] { prcIniciarFormTabuaCodigo(); });
    rotulos::novo(this, u"obj_Lb_Separador"_s, u"|"_s, QPoint(598, topo), fonte);
    m_barra.adicionar(u"obj_Bt_Conversao_Titulo"_s, u"por base-título"_s, QPoint(613, topo), fonte,
                      [this] { prcIniciarFormTabuaTitulo(); });
}

void TelaPrincipal::criarBarraLegislacao() {
    obj_Img_bgMenuBusca = new Figura(this, u"leg_barra"_s, QRect(1, 61, 711, 23));
    obj_Img_bgMenuBusca->setObjectName(u"obj_Img_bgMenuBusca"_s);
    connect(obj_Img_bgMenuBusca, &Figura::movida, this, &TelaPrincipal::prcDesmarcaLinks);
    const QFont fonte = fontes::verdana(fontes::pt10);
    m_barra.adicionar(u"obj_Bt_BarraBusca_Busca"_s, u"Busca"_s, QPoint(16, 64), fonte,
                      [this] { prcIniciarFormBusca(); });
    m_barra.adicionar(u"obj_Bt_BarraBusca_Informacoes"_s, u"Informações da ZEL"_s, QPoint(73, 64),
                      fonte, [this] { prcIniciarFormInformacoes(); });
    m_barra.adicionar(u"obj_Bt_BarraBusca_Legislacao"_s, u"Legislação"_s, QPoint(227, 64), fonte,
                      [this] { prcIniciarFormBusca(); });
    m_barra.adicionar(u"obj_Bt_BarraBusca_Regulamentacao"_s, u"Regulamentação"_s, QPoint(315, 64),
                      fonte, [this] { prcIniciarFormRegulamentacao(); });
    m_barra.adicionar(u"obj_Bt_BarraBusca_Tabua"_s, u"Tábua de Conversão"_s, QPoint(443, 64), fonte,
                      [this] { prcIniciarFormTabua(); });
    obj_Bt_Home_TempOn = new Figura(this, u"leg_home_on"_s, QRect(649, 67, 16, 10));
    obj_Bt_Home_TempOn->setObjectName(u"obj_Bt_Home_TempOn"_s);
    obj_Bt_Home_TempOn->hide();
    obj_Bt_Home_TempOff = new Figura(this, u"leg_home_off"_s, QRect(669, 67, 16, 10));
    obj_Bt_Home_TempOff->setObjectName(u"obj_Bt_Home_TempOff"_s);
    obj_Bt_Home_TempOff->hide();
    obj_Bt_HomeLegislacao = new BotaoFigura(this, u"leg_home_off"_s, QRect(689, 67, 16, 10));
    obj_Bt_HomeLegislacao->setObjectName(u"obj_Bt_Home"_s);
    obj_Bt_HomeLegislacao->setAccessibleName(legendaHome);
    connect(obj_Bt_HomeLegislacao, &Figura::movida, this, &TelaPrincipal::prcMostrarOverHome);
    fronteira::conectar(obj_Bt_HomeLegislacao, &BotaoFigura::clicado, this,
                        [this] { prcIniciarFormInicial(); });
}

// ---------------------------------------------------------------- events

// The screen's controls are complete when it first comes up: Tab then visits
// them in reading order.
void TelaPrincipal::showEvent(QShowEvent *evento) {
    if (!m_tabulacaoOrdenada) {
        m_tabulacaoOrdenada = true;
        foco::ordenarPorLeitura(this, m_sequenciaTabulacao);
    }
    QWidget::showEvent(evento);
}

void TelaPrincipal::fixarSequenciaTabulacao(const QList<QWidget *> &controles) {
    m_sequenciaTabulacao = controles;
}

void TelaPrincipal::telaMostrada() {
    if (m_moldura.posicaoAoMostrar)
        prcRestaurarJanela();
}

void TelaPrincipal::telaAtivada() {
    if (!m_moldura.posicaoAoMostrar)
        prcRestaurarJanela();
}

void TelaPrincipal::telaEscondida() {
    if (m_moldura.registraAoEsconder)
        prcDefinirXYJanela();
}

void TelaPrincipal::prcRestaurarJanela() {
    limparLDescricao();
    aplicarRegraPosicao();
}

void TelaPrincipal::prcDefinirXYJanela() {
    posicao::registrar(this);
}

void TelaPrincipal::limparLDescricao() {
    if (LDescricao)
        definirLDescricao(QString());
}

void TelaPrincipal::aplicarRegraPosicao() {
    switch (m_moldura.regra) {
    case Moldura::Regra::A:
        posicao::regraA(this);
        break;
    case Moldura::Regra::B:
        posicao::regraB(this);
        break;
    case Moldura::Regra::C:
        posicao::regraC(this);
        break;
    }
}

// ---------------------------------------------------------------- dragging

void TelaPrincipal::prcIniciaArrastarJanela(QPoint local) {
    arraste.iniciar(this, local);
}

void TelaPrincipal::prcArrastarJanela(QPoint local) {
    prcDesmarcaLinks();
    arraste.arrastar(this, local);
}

void TelaPrincipal::prcFinalizaArrastarJanela() {
    arraste.finalizar();
    posicao::registrar(this);
}

// ---------------------------------------------------------------- buttons

void TelaPrincipal::prcMinimizaJanela() {
    navegacao::minimizarAplicacao();
}

void TelaPrincipal::prcFecharJanela() {
    obj_Form_MODAL_Sair->perguntar();
}

void TelaPrincipal::closeEvent(QCloseEvent *evento) {
    evento->ignore();
    fronteira::executar([this] { prcFecharJanela(); });
}

void TelaPrincipal::prcIniciarFormAbout() {
    navegacao::mostrarSobre();
}

void TelaPrincipal::ir(IdTela destino, const navegacao::Preparo &preparar) {
    navegacao::irPara(this, destino, preparar);
}

void TelaPrincipal::mostrarDetalheFamilia(const Grade &grade, int linha) {
    const QString codigo = grade.celula(grade.colunaCodigo(), linha).left(4);
    if ((linha == 0 && grade.temCabecalho()) || codigo.isEmpty())
        return;
    TelaFamilia::abrir(this, IdTela::FormDescricao, codigo);
}

void TelaPrincipal::obj_Bt_HomeClick() {
    ir(IdTela::FormInicial);
}
void TelaPrincipal::obj_Bt_BuscaClick() {
    ir(IdTela::FormBusca);
}
void TelaPrincipal::obj_Bt_InfoClick() {
    ir(IdTela::FormInformacoes);
}
void TelaPrincipal::obj_Bt_RegulaClick() {
    ir(IdTela::FormRegulamentacao);
}
void TelaPrincipal::obj_Bt_TabuaClick() {
    ir(IdTela::FormTabua);
}

// The caption shows while the pointer is inside the button's outer ring of
// pixels; crossing the ring clears it, which is what clears it on leaving.
void TelaPrincipal::legendaBarra(QPoint local, const QString &legenda) {
    const int w = obj_Bt_Home->width();
    const int h = obj_Bt_Home->height();
    const bool dentro = local.x() > 0 && local.x() < w - 1 && local.y() > 0 && local.y() < h - 1;
    definirLDescricao(dentro ? legenda : QString());
}

// The caption grows to the left from its right edge at x = 596.
void TelaPrincipal::definirLDescricao(const QString &texto) {
    LDescricao->setText(texto);
    LDescricao->adjustSize();
    if (texto.isEmpty())
        LDescricao->resize(0, LDescricao->height());
    LDescricao->move(596 - LDescricao->width(), 44);
}

void TelaPrincipal::obj_Bt_HomeMouseMove(QPoint local) {
    legendaBarra(local, legendaHome);
}
void TelaPrincipal::obj_Bt_BuscaMouseMove(QPoint local) {
    legendaBarra(local, legendaBusca);
}
void TelaPrincipal::obj_Bt_InfoMouseMove(QPoint local) {
    legendaBarra(local, legendaInfo);
}
void TelaPrincipal::obj_Bt_RegulaMouseMove(QPoint local) {
    legendaBarra(local, legendaRegula);
}
void TelaPrincipal::obj_Bt_TabuaMouseMove(QPoint local) {
    legendaBarra(local, legendaTabua);
}

// ---------------------------------------------------------------- links

void TelaPrincipal::prcDesmarcaLinks() {
    m_barra.desmarcar();
}

// The legislation bar's home picture goes back to its resting look when the
// links lose their hover style.
void TelaPrincipal::apagarHomeLegislacao() {
    if (obj_Bt_HomeLegislacao)
        obj_Bt_HomeLegislacao->definirImagem(obj_Bt_Home_TempOff->nomeImagem());
}

void TelaPrincipal::prcMostrarOverHome() {
    obj_Bt_HomeLegislacao->definirImagem(obj_Bt_Home_TempOn->nomeImagem());
}

// ---------------------------------------------------------------- quick search

void TelaPrincipal::definirReceptorBuscaRapida(ReceptorBuscaRapida receptor) {
    receptorBuscaRapida = receptor;
}

void TelaPrincipal::prcVerificaExecutaConsultaBuscaRapida() {
    prcTestaBuscaRapidaEnvia();
}

void TelaPrincipal::prcTestaBuscaRapidaEnvia() {
    const QString texto = obj_Edit_BuscaRapida->text();
    if (texto.isEmpty()) {
        aviso::prcMostrarAviso(u"Digite a palavra para Busca"_s);
        obj_Edit_BuscaRapida->setFocus();
        return;
    }
    if (!buscaRapida.buscar(texto))
        return;
    obj_Edit_BuscaRapida->clear();
    if (receptorBuscaRapida)
        receptorBuscaRapida(this, buscaRapida);
}

// ---------------------------------------------------------------- family views

TelaFamilia::TelaFamilia(IdTela id, const Moldura &moldura) : TelaPrincipal(id, moldura) {
    Q_ASSERT(moldura.links == Moldura::Links::Familia);
    criarMenuFamilia();
}

void TelaFamilia::criarMenuFamilia() {
    obj_Img_Menu = new Figura(this, u"menu_familia"_s, QRect(9, 91, 190, 147));
    obj_Img_Menu->setObjectName(u"obj_Img_Menu"_s);
    connect(obj_Img_Menu, &Figura::movida, this, &TelaFamilia::prcDesmarcaLinks);
    auto *linha = new Figura(this, u"linha_menu"_s, QRect(18, 121, 172, 2));
    linha->setObjectName(u"obj_Img_Linha"_s);
    linha = new Figura(this, u"linha_menu"_s, QRect(18, 206, 172, 2));
    linha->setObjectName(u"obj_Img_Linha_2"_s);
    obj_Lb_BemVindo = rotulos::novo(this, u"obj_Lb_BemVindo"_s, u"Menu da Família"_s,
                                    QPoint(24, 100), fontes::verdana(fontes::pt9, true));
    QPalette paleta = obj_Lb_BemVindo->palette();
    paleta.setColor(QPalette::WindowText, corMenuFamilia);
    obj_Lb_BemVindo->setPalette(paleta);
    const QFont fonte = fontes::verdana(11);
    BarraLinks &menu = barraLinks();
    menu.adicionar(u"obj_Bt_Descricao"_s, u":: Descrição"_s, QPoint(22, 134), fonte,
                   [this] { prcIniciarFormDescricao(); });
    menu.adicionar(u"obj_Bt_Caracteristicas"_s, u":: Características do Trabalho"_s,
                   QPoint(22, 157), fonte, [this] { prcIniciarFormDescricaoCaracteristicas(); });
    menu.adicionar(u"obj_Bt_Conversao"_s, u":: Conversão"_s, QPoint(22, 180), fonte,
                   [this] { prcIniciarFormDescricaoConversao(); });
}

void TelaFamilia::abrir(TelaPrincipal *origem, IdTela destino, const QString &codigo) {
    auto *alvo = qobject_cast<TelaFamilia *>(navegacao::tela(destino));
    Q_ASSERT(alvo);
    navegacao::irPara(origem, alvo, [alvo, codigo] { alvo->strCodigoFamilia = codigo; });
}
