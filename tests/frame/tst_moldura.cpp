// Start-up, navigation, the shared window position and the frame that the
// seventeen main screens share, driven through the real widgets.

#include "botao_figura.h"
#include "fixtures.h"
#include "navegacao.h"
#include "posicao.h"
#include "programa.h"
#include "registro.h"
#include "rotulo_link.h"
#include "tela_principal.h"
#include "unit_About.h"
#include "unit_FormBusca.h"
#include "unit_FormBuscaCodigo.h"
#include "unit_FormDescricao.h"
#include "unit_FormDescricaoCaracteristicas.h"
#include "unit_FormInformacoes.h"
#include "unit_FormInicial.h"
#include "unit_FormLegislacao.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormMODALSair.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormTabua.h"
#include "unit_global.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Navigates from the screen on view to `tela` the way a toolbar click does.
void irPara(TelaPrincipal *tela) {
    navegacao::irPara(navegacao::telaAtual(), tela);
}

// A window of the registry by its object's name.
QWidget *janelaChamada(const QString &nome) {
    for (QWidget *janela : registro::telas())
        if (janela->objectName() == nome)
            return janela;
    return nullptr;
}

// The main screens on view.
QList<TelaPrincipal *> telasVisiveis() {
    QList<TelaPrincipal *> visiveis;
    for (QWidget *janela : registro::telas())
        if (auto *tela = qobject_cast<TelaPrincipal *>(janela); tela && tela->isVisible())
            visiveis << tela;
    return visiveis;
}

void arrastar(TelaPrincipal *tela, QPoint deslocamento, int botao = 1) {
    Figura *banda = tela->obj_Img_Top;
    const QPoint agarrado(300, 30);
    programa::pressionar(banda, agarrado, botao);
    // Each step is given in the band's coordinates at that moment: the band
    // moves with the window.
    const QPoint destinoGlobal = banda->mapToGlobal(agarrado) + deslocamento;
    programa::mover(banda, banda->mapFromGlobal(destinoGlobal), botao);
    programa::soltar(banda, banda->mapFromGlobal(destinoGlobal) + QPoint(900, 700), botao);
}

} // namespace

class TesteMoldura : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void criacaoNaOrdemEUnica();
    void inicioCentradoEGravado();
    void ordemDeMostrarAtivarEsconder();
    void regrasDePosicao_data();
    void regrasDePosicao();
    void arrasteComBotaoDireitoESolturaLonge();
    void legendaDaBarraEAnelExterno_data();
    void legendaDaBarraEAnelExterno();
    void legendaFicaSemCruzarOAnel();
    void botaoDaPropriaTelaNaoFazNada();
    void linksDeBusca();
    void menuDaFamiliaLevaOCodigo();
    void barraDaLegislacao();
    void sobreReativaAvisoNao();
    void cliqueNaTelaComSobreAbertoReativa();
    void avisoTextoELinhas();
    void avisoEnterFechaEscapeNao();
    void avisoOkAgeNaSolturaFora();
    void sairNaoMudaNada();
    void sairEscapeNaoFecha();
    void pedidoDeFecharDoSistemaPergunta_data();
    void pedidoDeFecharDoSistemaPergunta();
    void pedidoDeFecharDoSistemaNoSobre();
    void soATelaAtualLeva_data();
    void soATelaAtualLeva();
    void telaMostradaNuncaMinimizada();
    void sobreMinimizadoVolta_data();
    void sobreMinimizadoVolta();
    void sobreVoltaComATela();
    void avisoCabeInteiro_data();
    void centradaAoAlcance_data();
    void centradaAoAlcance();
    void avisoCabeInteiro();
    void botoesDeBuscaComSombra_data();
    void botoesDeBuscaComSombra();
    void dialogoCentradoSoNaPrimeiraVezEArrastavel();
    void fronteiraDeErros_data();
    void fronteiraDeErros();
    void sairSimEncerra(); // last: it ends the event loop
};

void TesteMoldura::initTestCase() {
    programa::instalar(fixtures::banco(u"basica"_s));
    programa::iniciar();
}

void TesteMoldura::init() {
    programa::limparEventos();
    programa::avisos();
    programa::erros();
}

void TesteMoldura::cleanup() {
    programa::encerrarTeste();
}

void TesteMoldura::criacaoNaOrdemEUnica() {
    QStringList nomes;
    for (QWidget *tela : registro::telas())
        nomes << tela->objectName();
    QCOMPARE(nomes, (QStringList{u"obj_Form_FormInicial"_s,
                                 u"obj_Form_FormBusca"_s,
                                 u"obj_Form_FormBuscaCodigo"_s,
                                 u"obj_Form_FormBuscaEstrutura"_s,
                                 u"obj_Form_FormAbout"_s,
                                 u"obj_Form_FormBuscaTituloAZ"_s,
                                 u"obj_Form_FormInformacoes"_s,
                                 u"obj_Form_FormLegislacao"_s,
                                 u"obj_Form_FormRegulamentacao"_s,
                                 u"obj_Form_FormTabua"_s,
                                 u"obj_Form_FormTabuaTitulo"_s,
                                 u"obj_Form_MODAL_Sair"_s,
                                 u"obj_Form_Aviso_MODAL"_s,
                                 u"obj_Form_FormRespostaBusca"_s,
                                 u"obj_Form_FormRespostaBuscaCodigo"_s,
                                 u"obj_Form_FormRespostaTabua"_s,
                                 u"obj_Form_FormDescricao"_s,
                                 u"obj_Form_FormDescricaoCaracteristicas"_s,
                                 u"obj_Form_FormDescricaoConversao"_s,
                                 u"obj_Form_FormRespostaTabuaTitulo"_s}));
    QCOMPARE(QSet<QWidget *>(registro::telas().begin(), registro::telas().end()).size(), 20);
    QCOMPARE(registro::telas().first(), static_cast<QWidget *>(obj_Form_FormInicial));
    QCOMPARE(registro::telas().at(12), static_cast<QWidget *>(obj_Form_Aviso_MODAL));
    int principais = 0;
    for (QWidget *tela : registro::telas())
        if (auto *p = qobject_cast<TelaPrincipal *>(tela)) {
            ++principais;
            QCOMPARE(p->size(), QSize(713, 460));
            QCOMPARE(p->windowTitle(), u"Bem-vindo a ZEL2002"_s);
        }
    QCOMPARE(principais, 17);
    QCOMPARE(obj_Form_FormAbout->size(), QSize(483, 330));
    QCOMPARE(obj_Form_FormAbout->windowTitle(), u"Sobre o Sistema ZEL2000..."_s);
    QCOMPARE(obj_Form_Aviso_MODAL->size(), QSize(212, 107));
    QCOMPARE(obj_Form_MODAL_Sair->size(), QSize(212, 94));
    QCOMPARE(QApplication::applicationDisplayName(), u"ZEL2000 - Versão Reduzida"_s);
}

// Runs first among the position tests: nothing has moved the home screen yet.
void TesteMoldura::inicioCentradoEGravado() {
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormInicial);
    const QPoint centro = obj_Form_FormInicial->screen()->availableGeometry().center() -
                          obj_Form_FormInicial->rect().center();
    QCOMPARE(obj_Form_FormInicial->pos(), centro);
    QCOMPARE(QPoint(intJanelaX, intJanelaY), centro);
    irPara(obj_Form_FormBusca);
    QCOMPARE(obj_Form_FormBusca->pos(), centro);
    QVERIFY(obj_Form_FormBusca->isVisible());
    QVERIFY(!obj_Form_FormInicial->isVisible());
}

void TesteMoldura::ordemDeMostrarAtivarEsconder() {
    irPara(obj_Form_FormInicial);
    programa::limparEventos();
    obj_Form_FormInicial->obj_Bt_TabuaClick();
    QCOMPARE(programa::eventos(), (QStringList{u"FormTabua mostrada"_s, u"FormTabua ativada"_s,
                                               u"FormInicial escondida"_s}));
}

void TesteMoldura::regrasDePosicao_data() {
    QTest::addColumn<QPoint>("guardada");
    QTest::addColumn<QString>("regra");
    QTest::addColumn<QPoint>("esperada");      // (-1,-1): where the screen last was
    QTest::addColumn<QPoint>("gravadaDepois"); // (-1,-1): unchanged
    const QPoint sem(-1, -1);
    QTest::newRow("A adota") << QPoint(40, 30) << "A" << QPoint(40, 30) << QPoint(40, 30);
    QTest::newRow("A com x 0 grava a sua") << QPoint(0, 30) << "A" << sem << sem;
    QTest::newRow("B adota") << QPoint(40, 30) << "B" << QPoint(40, 30) << QPoint(40, 30);
    QTest::newRow("B com x 0 fica") << QPoint(0, 30) << "B" << sem << QPoint(0, 30);
    QTest::newRow("C adota") << QPoint(40, 30) << "C" << QPoint(40, 30) << QPoint(40, 30);
    QTest::newRow("C com x 0 vai ao par") << QPoint(0, 30) << "C" << QPoint(0, 30) << QPoint(0, 30);
    QTest::newRow("C com y 0 vai ao par") << QPoint(55, 0) << "C" << QPoint(55, 0) << QPoint(55, 0);
}

void TesteMoldura::regrasDePosicao() {
    QFETCH(QPoint, guardada);
    QFETCH(QString, regra);
    QFETCH(QPoint, esperada);
    QFETCH(QPoint, gravadaDepois);
    // A: family description; B: information page; C: code search. Each is
    // first left somewhere else.
    TelaPrincipal *tela = regra == u"A"_s ? static_cast<TelaPrincipal *>(obj_Form_FormDescricao)
                          : regra == u"B"_s
                              ? static_cast<TelaPrincipal *>(obj_Form_FormInformacoes)
                              : static_cast<TelaPrincipal *>(obj_Form_FormBuscaCodigo);
    irPara(obj_Form_FormInicial);
    tela->move(123, 77);
    // The home screen is dragged so that the new position is recorded.
    obj_Form_FormInicial->move(guardada + QPoint(10, 10));
    arrastar(obj_Form_FormInicial, QPoint(-10, -10));
    QCOMPARE(QPoint(intJanelaX, intJanelaY), guardada);
    irPara(tela);
    QCOMPARE(tela->pos(), esperada == QPoint(-1, -1) ? QPoint(123, 77) : esperada);
    // Rule A records its own position when none is stored.
    const QPoint gravada = gravadaDepois == QPoint(-1, -1) ? QPoint(123, 77) : gravadaDepois;
    QCOMPARE(QPoint(intJanelaX, intJanelaY), regra == u"B"_s ? guardada : gravada);
    irPara(obj_Form_FormInicial);
    intJanelaX = 40;
    intJanelaY = 30;
}

void TesteMoldura::arrasteComBotaoDireitoESolturaLonge() {
    irPara(obj_Form_FormBusca);
    obj_Form_FormBusca->move(100, 100);
    arrastar(obj_Form_FormBusca, QPoint(37, 21), 2);
    QCOMPARE(obj_Form_FormBusca->pos(), QPoint(137, 121));
    QVERIFY(!obj_Form_FormBusca->arraste.blnArrastandoJanela);
    QCOMPARE(QPoint(intJanelaX, intJanelaY), QPoint(137, 121));
    QVERIFY(!QGuiApplication::overrideCursor());
    // The next screen comes up exactly there, though the dragged one records
    // nothing on hide itself.
    irPara(obj_Form_FormDescricao);
    obj_Form_FormDescricao->move(10, 10);
    arrastar(obj_Form_FormDescricao, QPoint(5, 6));
    irPara(obj_Form_FormTabua);
    QCOMPARE(obj_Form_FormTabua->pos(), QPoint(15, 16));
}

void TesteMoldura::legendaDaBarraEAnelExterno_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QPoint>("ponto");
    QTest::addColumn<QString>("legenda");
    QTest::newRow("home dentro") << "obj_Bt_Home" << QPoint(5, 5) << "Tela Inicial";
    QTest::newRow("busca dentro") << "obj_Bt_Busca" << QPoint(1, 12) << "Busca de Itens da ZEL";
    QTest::newRow("info dentro") << "obj_Bt_Info" << QPoint(12, 1) << "Informações da ZEL";
    QTest::newRow("regula dentro") << "obj_Bt_Regula" << QPoint(7, 7) << "Regulamentação da ZEL";
    QTest::newRow("tábua dentro") << "obj_Bt_Tabua" << QPoint(7, 7) << "Tábua de Conversão da ZEL";
    QTest::newRow("anel à esquerda") << "obj_Bt_Home" << QPoint(0, 5) << "";
    QTest::newRow("anel à direita") << "obj_Bt_Busca" << QPoint(13, 5) << "";
    QTest::newRow("anel em cima") << "obj_Bt_Info" << QPoint(5, 0) << "";
    QTest::newRow("anel embaixo") << "obj_Bt_Tabua" << QPoint(5, 13) << "";
}

void TesteMoldura::legendaDaBarraEAnelExterno() {
    QFETCH(QString, botao);
    QFETCH(QPoint, ponto);
    QFETCH(QString, legenda);
    irPara(obj_Form_FormBuscaCodigo);
    auto *alvo = obj_Form_FormBuscaCodigo->findChild<BotaoFigura *>(botao);
    programa::mover(alvo, QPoint(7, 7));
    programa::mover(alvo, ponto);
    QCOMPARE(obj_Form_FormBuscaCodigo->LDescricao->text(), legenda);
    // The caption grows to the left from x = 596.
    QCOMPARE(obj_Form_FormBuscaCodigo->LDescricao->geometry().right() + 1, 596);
}

void TesteMoldura::legendaFicaSemCruzarOAnel() {
    irPara(obj_Form_FormBuscaCodigo);
    QLabel *legenda = obj_Form_FormBuscaCodigo->LDescricao;
    programa::mover(obj_Form_FormBuscaCodigo->obj_Bt_Info, QPoint(6, 6));
    QCOMPARE(legenda->text(), u"Informações da ZEL"_s);
    // Over the background the caption stays; only activation clears it.
    programa::mover(obj_Form_FormBuscaCodigo->obj_ImgBgBorda, QPoint(300, 300));
    QCOMPARE(legenda->text(), u"Informações da ZEL"_s);
    irPara(obj_Form_FormBusca);
    irPara(obj_Form_FormBuscaCodigo);
    QCOMPARE(legenda->text(), QString());
}

void TesteMoldura::botaoDaPropriaTelaNaoFazNada() {
    irPara(obj_Form_FormTabua);
    programa::limparEventos();
    programa::clicar(obj_Form_FormTabua->obj_Bt_Tabua);
    QVERIFY(programa::eventos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormTabua);
    programa::mover(obj_Form_FormTabua->obj_Bt_Tabua, QPoint(6, 6));
    QCOMPARE(obj_Form_FormTabua->LDescricao->text(), u"Tábua de Conversão da ZEL"_s);
    programa::clicar(obj_Form_FormTabua->obj_Bt_Home);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormInicial);
}

void TesteMoldura::linksDeBusca() {
    irPara(obj_Form_FormBusca);
    const QList<RotuloLink *> &links = obj_Form_FormBusca->links();
    QCOMPARE(links.size(), 4);
    QVERIFY(!links[0]->isEnabled());
    QVERIFY(links[1]->isEnabled() && links[2]->isEnabled() && links[3]->isEnabled());
    programa::mover(links[1], QPoint(3, 3));
    QVERIFY(links[1]->font().underline());
    programa::mover(links[2], QPoint(3, 3));
    QVERIFY(!links[1]->font().underline());
    QVERIFY(links[2]->font().underline());
    programa::mover(obj_Form_FormBusca->obj_ImgBgBorda, QPoint(300, 300));
    QVERIFY(!links[2]->font().underline());
    programa::mover(links[3], QPoint(3, 3));
    programa::mover(obj_Form_FormBusca->obj_Img_Top, QPoint(100, 30));
    QVERIFY(!links[3]->font().underline());
    // The disabled link of the screen itself does nothing.
    programa::limparEventos();
    programa::clicar(links[0]);
    QVERIFY(programa::eventos().isEmpty());
    programa::clicar(links[1]);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormBuscaCodigo);
    // On the results screen all four lead somewhere.
    for (RotuloLink *link : obj_Form_FormRespostaBusca->links())
        QVERIFY(link->isEnabled());
}

void TesteMoldura::menuDaFamiliaLevaOCodigo() {
    obj_Form_FormDescricao->strCodigoFamilia = u"2111"_s;
    irPara(obj_Form_FormDescricao);
    const QList<RotuloLink *> &menu = obj_Form_FormDescricao->links();
    QVERIFY(menu[0]->atual());
    QCOMPARE(menu[0]->palette().color(QPalette::WindowText), QColor(0xCC, 0x66, 0x00));
    programa::mover(menu[1], QPoint(3, 3));
    QCOMPARE(menu[1]->palette().color(QPalette::WindowText), QColor(0xCC, 0x66, 0x00));
    programa::mover(menu[0], QPoint(3, 3));
    QCOMPARE(menu[1]->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(menu[0]->palette().color(QPalette::WindowText), QColor(0xCC, 0x66, 0x00));
    programa::clicar(menu[0]);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricao);
    programa::clicar(menu[1]);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricaoCaracteristicas);
    QCOMPARE(obj_Form_FormDescricaoCaracteristicas->strCodigoFamilia, u"2111"_s);
}

void TesteMoldura::barraDaLegislacao() {
    irPara(obj_Form_FormLegislacao);
    TelaPrincipal *tela = obj_Form_FormLegislacao;
    QVERIFY(!tela->LDescricao && !tela->Image2);
    QCOMPARE(tela->obj_Edit_BuscaRapida->pos(), QPoint(447, 39));
    QCOMPARE(tela->obj_Bt_About->geometry(), QRect(658, 4, 15, 15));
    const QList<RotuloLink *> &barra = tela->links();
    QCOMPARE(barra.size(), 5);
    QVERIFY(!barra[2]->isEnabled());
    programa::mover(barra[3], QPoint(3, 3));
    QCOMPARE(barra[3]->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
    auto *home = tela->findChild<BotaoFigura *>(u"obj_Bt_Home"_s);
    programa::mover(home, QPoint(3, 3));
    QCOMPARE(home->nomeImagem(), u"leg_home_on"_s);
    programa::mover(barra[0], QPoint(3, 3));
    QCOMPARE(home->nomeImagem(), u"leg_home_off"_s);
    QCOMPARE(barra[3]->palette().color(QPalette::WindowText), QColor(Qt::black));
    programa::clicar(home);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormInicial);
}

void TesteMoldura::sobreReativaAvisoNao() {
    irPara(obj_Form_FormBusca);
    programa::limparEventos();
    programa::clicar(obj_Form_FormBusca->obj_Bt_About);
    QVERIFY(obj_Form_FormAbout->isVisible());
    QVERIFY(obj_Form_FormBusca->isVisible());
    QVERIFY(programa::eventos().isEmpty());
    // The About screen handles no key.
    QTest::keyClick(obj_Form_FormAbout, Qt::Key_Escape);
    QTest::keyClick(obj_Form_FormAbout, Qt::Key_Return);
    QVERIFY(obj_Form_FormAbout->isVisible());
    // OK acts on release, wherever the pointer then is.
    programa::pressionar(obj_Form_FormAbout->obj_Bt_Ok_About, QPoint(5, 5));
    programa::soltar(obj_Form_FormAbout->obj_Bt_Ok_About, QPoint(300, -200));
    QVERIFY(!obj_Form_FormAbout->isVisible());
    QCOMPARE(programa::eventos(), QStringList{u"FormBusca ativada"_s});

    // A notice closing above the screen activates nothing.
    programa::limparEventos();
    QVERIFY(programa::fecharAvisoReal(
        [] { aviso::prcMostrarAviso(u"Digite a palavra para Busca"_s); }));
    QVERIFY(programa::eventos().isEmpty());
}

void TesteMoldura::cliqueNaTelaComSobreAbertoReativa() {
    irPara(obj_Form_FormInformacoes);
    programa::clicar(obj_Form_FormInformacoes->obj_Bt_About);
    programa::limparEventos();
    programa::pressionar(obj_Form_FormInformacoes->obj_ImgBgBorda, QPoint(200, 200));
    QCOMPARE(programa::eventos(), QStringList{u"FormInformacoes ativada"_s});
    QVERIFY(obj_Form_FormAbout->isVisible());
    // A second click on the screen, already in front, activates nothing more.
    programa::pressionar(obj_Form_FormInformacoes->obj_ImgBgBorda, QPoint(200, 200));
    QCOMPARE(programa::eventos().size(), 1);
    // Back to the About screen, then OK: the screen is activated again.
    programa::pressionar(obj_Form_FormAbout->obj_Img_About, QPoint(20, 20));
    programa::clicar(obj_Form_FormAbout->obj_Bt_Ok_About);
    QCOMPARE(programa::eventos(),
             (QStringList{u"FormInformacoes ativada"_s, u"FormInformacoes ativada"_s}));
}

void TesteMoldura::avisoTextoELinhas() {
    programa::avisosReais(true);
    QString texto;
    QPoint posicao;
    bool modal = false;
    QVERIFY(programa::responderDialogo(
        obj_Form_Aviso_MODAL,
        [] {
            aviso::prcMostrarAviso(
                u"O código digitado\rnão parece ser válido\rexemplo: 1234 ou 123466"_s);
        },
        [&] {
            QLabel *rotulo = obj_Form_Aviso_MODAL->obj_Lb_Texto;
            texto = rotulo->text();
            posicao = rotulo->pos();
            modal = obj_Form_Aviso_MODAL->isModal() && obj_Form_Aviso_MODAL->isVisible();
            programa::clicar(obj_Form_Aviso_MODAL->obj_Img_Bt_Ok);
        }));
    programa::avisosReais(false);
    QVERIFY(modal);
    QCOMPARE(texto, u"O código digitado\nnão parece ser válido\nexemplo: 1234 ou 123466"_s);
    QCOMPARE(posicao, QPoint(67, 24));
    QVERIFY(obj_Form_Aviso_MODAL->obj_Lb_Texto->alignment() & Qt::AlignLeft);
    QVERIFY(!obj_Form_Aviso_MODAL->isVisible());
}

void TesteMoldura::avisoEnterFechaEscapeNao() {
    programa::avisosReais(true);
    bool abertoDepoisDoEscape = false;
    QVERIFY(programa::responderDialogo(
        obj_Form_Aviso_MODAL, [] { aviso::prcMostrarAviso(u"Nenhum Grande Grupo encontrado"_s); },
        [&] {
            QTest::keyClick(obj_Form_Aviso_MODAL, Qt::Key_Escape);
            QTest::keyClick(obj_Form_Aviso_MODAL, Qt::Key_A);
            abertoDepoisDoEscape = obj_Form_Aviso_MODAL->isVisible();
            QTest::keyClick(obj_Form_Aviso_MODAL, Qt::Key_Enter);
        }));
    QVERIFY(abertoDepoisDoEscape);
    QVERIFY(!obj_Form_Aviso_MODAL->isVisible());
    programa::avisosReais(false);
}

void TesteMoldura::avisoOkAgeNaSolturaFora() {
    programa::avisosReais(true);
    QPoint afundado;
    QVERIFY(programa::responderDialogo(
        obj_Form_Aviso_MODAL,
        [] { aviso::prcMostrarAviso(u"Você deve informar a\rbase final para conversão"_s); },
        [&] {
            BotaoFigura *ok = obj_Form_Aviso_MODAL->obj_Img_Bt_Ok;
            programa::pressionar(ok, QPoint(10, 10));
            afundado = ok->pos();
            programa::soltar(ok, QPoint(-400, 300));
        }));
    QCOMPARE(afundado, QPoint(75, 72));
    QCOMPARE(obj_Form_Aviso_MODAL->obj_Img_Bt_Ok->pos(), QPoint(74, 71));
    QVERIFY(!obj_Form_Aviso_MODAL->isVisible());
    programa::avisosReais(false);
}

void TesteMoldura::sairNaoMudaNada() {
    irPara(obj_Form_FormBusca);
    obj_Form_FormBusca->obj_Edit_BuscaRapida->setText(u"médico"_s);
    programa::limparEventos();
    QVERIFY(programa::responderDialogo(
        obj_Form_MODAL_Sair, [] { programa::clicar(obj_Form_FormBusca->obj_Bt_Fechar); },
        [] { programa::clicar(obj_Form_MODAL_Sair->obj_Img_Bt_Nao); }));
    QVERIFY(!obj_Form_MODAL_Sair->isVisible());
    QVERIFY(programa::eventos().isEmpty());
    QCOMPARE(obj_Form_FormBusca->obj_Edit_BuscaRapida->text(), u"médico"_s);
    QVERIFY(obj_Form_FormBusca->isVisible());
    obj_Form_FormBusca->obj_Edit_BuscaRapida->clear();
}

void TesteMoldura::sairEscapeNaoFecha() {
    irPara(obj_Form_FormBusca);
    bool abertoDepoisDoEscape = false;
    QVERIFY(programa::responderDialogo(
        obj_Form_MODAL_Sair, [] { programa::clicar(obj_Form_FormBusca->obj_Bt_Fechar); },
        [&] {
            QTest::keyClick(obj_Form_MODAL_Sair, Qt::Key_Escape);
            QTest::keyClick(obj_Form_MODAL_Sair, Qt::Key_Return);
            abertoDepoisDoEscape = obj_Form_MODAL_Sair->isVisible();
            programa::clicar(obj_Form_MODAL_Sair->obj_Img_Bt_Nao);
        }));
    QVERIFY(abertoDepoisDoEscape);
    QVERIFY(!obj_Form_MODAL_Sair->isVisible());
    QVERIFY(obj_Form_FormBusca->isVisible());
}

void TesteMoldura::pedidoDeFecharDoSistemaPergunta_data() {
    QTest::addColumn<QString>("tela");
    QTest::newRow("tela com a moldura padrão") << u"obj_Form_FormBusca"_s;
    QTest::newRow("tela inicial") << u"obj_Form_FormInicial"_s;
    QTest::newRow("legislação") << u"obj_Form_FormLegislacao"_s;
}

// Alt+F4 or the task bar's close on a main screen asks, as the close button
// does; "Não" leaves the screen as it was.
void TesteMoldura::pedidoDeFecharDoSistemaPergunta() {
    QFETCH(QString, tela);
    auto *alvo = qobject_cast<TelaPrincipal *>(janelaChamada(tela));
    QVERIFY(alvo);
    irPara(alvo);
    programa::limparEventos();
    bool fechou = true;
    QVERIFY(programa::responderDialogo(
        obj_Form_MODAL_Sair, [&] { fechou = alvo->close(); },
        [] { programa::clicar(obj_Form_MODAL_Sair->obj_Img_Bt_Nao); }));
    QVERIFY(!fechou);
    QVERIFY(alvo->isVisible());
    QCOMPARE(telasVisiveis(), QList<TelaPrincipal *>{alvo});
    QVERIFY(programa::eventos().isEmpty());
}

// On the About screen a close request closes it as its OK does: the screen
// below is activated again and stays; the program is never left without a
// window.
void TesteMoldura::pedidoDeFecharDoSistemaNoSobre() {
    irPara(obj_Form_FormBusca);
    programa::clicar(obj_Form_FormBusca->obj_Bt_About);
    programa::limparEventos();
    obj_Form_FormAbout->close();
    QVERIFY(!obj_Form_FormAbout->isVisible());
    QCOMPARE(programa::eventos(), QStringList{u"FormBusca ativada"_s});
    QCOMPARE(telasVisiveis(), QList<TelaPrincipal *>{obj_Form_FormBusca});
}

void TesteMoldura::soATelaAtualLeva_data() {
    QTest::addColumn<int>("acao");
    QTest::newRow("botão da barra") << 0;
    QTest::newRow("link de busca") << 1;
    QTest::newRow("busca rápida com resultado") << 2;
    QTest::newRow("menu da família") << 3;
}

// A click or a key that reaches a screen after it stopped being the current
// one (queued while a search ran, or landing as the next screen appears)
// leads nowhere: one main screen stays on view, the current one, and no
// screen is told of an origin or a family.
void TesteMoldura::soATelaAtualLeva() {
    QFETCH(int, acao);
    irPara(obj_Form_FormBusca);
    irPara(obj_Form_FormBuscaCodigo);
    programa::limparEventos();
    const QString origem = obj_Form_FormRespostaBusca->strOrigem;
    const QString familia = obj_Form_FormDescricao->strCodigoFamilia;
    obj_Form_FormDescricaoCaracteristicas->strCodigoFamilia = u"9999"_s;
    TelaPrincipal *escondida = obj_Form_FormBusca;
    switch (acao) {
    case 0:
        escondida->obj_Bt_TabuaClick();
        break;
    case 1:
        escondida->prcIniciarFormBuscaEstrutura();
        break;
    case 2:
        escondida->obj_Edit_BuscaRapida->setText(u"a"_s);
        escondida->prcTestaBuscaRapidaEnvia();
        break;
    case 3:
        obj_Form_FormDescricaoCaracteristicas->prcIniciarFormDescricao();
        break;
    }
    QCOMPARE(telasVisiveis(), QList<TelaPrincipal *>{obj_Form_FormBuscaCodigo});
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormBuscaCodigo);
    QVERIFY(programa::eventos().isEmpty());
    QCOMPARE(obj_Form_FormRespostaBusca->strOrigem, origem);
    QCOMPARE(obj_Form_FormDescricao->strCodigoFamilia, familia);
}

// A screen minimised with the application, then restored and left by the
// window system, comes up in its normal state when shown again.
void TesteMoldura::telaMostradaNuncaMinimizada() {
    irPara(obj_Form_FormBusca);
    programa::clicar(obj_Form_FormBusca->obj_Bt_Minimizar);
    QVERIFY(obj_Form_FormBusca->windowState() & Qt::WindowMinimized);
    irPara(obj_Form_FormBuscaCodigo);
    irPara(obj_Form_FormBusca);
    QVERIFY(!(obj_Form_FormBusca->windowState() & Qt::WindowMinimized));
    QVERIFY(!(obj_Form_FormBuscaCodigo->windowState() & Qt::WindowMinimized));
    QVERIFY(obj_Form_FormBusca->isVisible());
}

void TesteMoldura::sobreMinimizadoVolta_data() {
    QTest::addColumn<bool>("comOPrograma");
    QTest::newRow("minimizado com o programa") << true;
    QTest::newRow("minimizado sozinho") << false;
}

// The About screen, minimised with the application or by the window system
// alone, comes back in its normal state at its button's next press.
void TesteMoldura::sobreMinimizadoVolta() {
    QFETCH(bool, comOPrograma);
    irPara(obj_Form_FormBusca);
    programa::clicar(obj_Form_FormBusca->obj_Bt_About);
    if (comOPrograma) {
        programa::clicar(obj_Form_FormBusca->obj_Bt_Minimizar);
        irPara(obj_Form_FormBuscaCodigo);
    } else {
        obj_Form_FormAbout->showMinimized();
    }
    QVERIFY(obj_Form_FormAbout->isMinimized());
    TelaPrincipal *tela = navegacao::telaAtual();
    programa::clicar(tela->obj_Bt_About);
    QVERIFY(!obj_Form_FormAbout->isMinimized());
    QVERIFY(obj_Form_FormAbout->isVisible());
    programa::clicar(obj_Form_FormAbout->obj_Bt_Ok_About);
    QVERIFY(!obj_Form_FormAbout->isVisible());
}

// Minimised with the application, the About screen comes back with the
// screen that the window manager restores (the user's click on its taskbar
// entry), not left behind as a second entry.
void TesteMoldura::sobreVoltaComATela() {
    irPara(obj_Form_FormBusca);
    programa::clicar(obj_Form_FormBusca->obj_Bt_About);
    programa::clicar(obj_Form_FormBusca->obj_Bt_Minimizar);
    QVERIFY(obj_Form_FormBusca->isMinimized());
    QVERIFY(obj_Form_FormAbout->isMinimized());
    obj_Form_FormBusca->setWindowState(obj_Form_FormBusca->windowState() & ~Qt::WindowMinimized);
    QVERIFY(!obj_Form_FormAbout->isMinimized());
    QVERIFY(obj_Form_FormAbout->isVisible());
    programa::clicar(obj_Form_FormAbout->obj_Bt_Ok_About);
    QVERIFY(!obj_Form_FormAbout->isVisible());
}

void TesteMoldura::avisoCabeInteiro_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("alarga");
    QTest::newRow("uma linha curta") << u"Digite a palavra para Busca"_s << false;
    QTest::newRow("três linhas") << u"O código digitado\rnão parece ser válido\rexemplo: 1234 ou "
                                    u"123466"_s
                                 << false;
    QTest::newRow("grande grupo") << u"Nenhum Grande Grupo encontrado"_s << true;
    QTest::newRow("subgrupo principal") << u"Nenhum SubGrupo Principal encontrado"_s << true;
    QTest::newRow("conversão") << u"Não foi encontrado\rnenhum registro para conversão"_s << true;
}

// The notice keeps its design size and places while its text fits, and
// widens for a line that needs it: the text whole inside the picture's
// frame, the OK button and its shadow centred under the text.
void TesteMoldura::avisoCabeInteiro() {
    QFETCH(QString, texto);
    QFETCH(bool, alarga);
    QWidget *fundo = obj_Form_Aviso_MODAL->findChild<QWidget *>(u"obj_Img_Aviso_Fundo"_s);
    obj_Form_Aviso_MODAL->definirTexto(u"Digite a palavra para Busca"_s);
    const QImage desenho = fundo->grab().toImage();
    obj_Form_Aviso_MODAL->definirTexto(texto);
    QCOMPARE(obj_Form_Aviso_MODAL->width() > 212, alarga);
    const QLabel *rotulo = obj_Form_Aviso_MODAL->obj_Lb_Texto;
    const QSize preciso =
        rotulo->fontMetrics().boundingRect(QRect(), Qt::AlignLeft, rotulo->text()).size();
    const QRect textoNaJanela(rotulo->pos(), preciso);
    const QRect dentroDaMoldura = obj_Form_Aviso_MODAL->rect().adjusted(2, 2, -2, -2);
    QVERIFY2(dentroDaMoldura.contains(textoNaJanela), qPrintable(texto));
    QCOMPARE(rotulo->pos(), QPoint(67, 24));
    QCOMPARE(obj_Form_Aviso_MODAL->height(), 107);
    const BotaoFigura *ok = obj_Form_Aviso_MODAL->obj_Img_Bt_Ok;
    QCOMPARE(fundo->geometry(), obj_Form_Aviso_MODAL->rect());
    // The picture's sides, its frame included, keep their look however wide
    // the notice grows: only its plain middle stretches.
    const QImage pintado = fundo->grab().toImage();
    const int lado = 100;
    QCOMPARE(pintado.copy(0, 0, lado, 107), desenho.copy(0, 0, lado, 107));
    QCOMPARE(pintado.copy(pintado.width() - 12, 0, 12, 107), desenho.copy(200, 0, 12, 107));
    if (obj_Form_Aviso_MODAL->width() == 212) {
        QCOMPARE(ok->pos(), QPoint(74, 71));
    } else {
        QVERIFY(obj_Form_Aviso_MODAL->width() > 212);
        QVERIFY(qAbs(ok->geometry().center().x() - textoNaJanela.center().x()) <= 1);
        // No wider than the text needs.
        QVERIFY(obj_Form_Aviso_MODAL->width() - textoNaJanela.right() < 20);
    }
    QCOMPARE(obj_Form_Aviso_MODAL->obj_Panel_Bt_Ok_Sombra->pos(), ok->pos() + QPoint(5, 3));
}

void TesteMoldura::centradaAoAlcance_data() {
    QTest::addColumn<QSize>("excesso");
    QTest::newRow("menor que a tela") << QSize(-200, -100);
    QTest::newRow("mais larga") << QSize(120, -100);
    QTest::newRow("mais alta") << QSize(-200, 90);
    QTest::newRow("maior nos dois sentidos") << QSize(120, 90);
}

// A window is centred on its screen's free area; one larger than the area
// (large display scaling on a small screen) keeps its top band within
// reach, never above or left of the area.
void TesteMoldura::centradaAoAlcance() {
    QFETCH(QSize, excesso);
    QWidget janela;
    const QRect area = janela.screen()->availableGeometry();
    janela.resize(area.size() + excesso);
    centrarNaTela(&janela);
    const QPoint centro = area.center() - janela.rect().center();
    QCOMPARE(janela.x(), excesso.width() > 0 ? area.left() : centro.x());
    QCOMPARE(janela.y(), excesso.height() > 0 ? area.top() : centro.y());
}

void TesteMoldura::botoesDeBuscaComSombra_data() {
    QTest::addColumn<QString>("tela");
    QTest::addColumn<QString>("botao");
    QTest::newRow("inicial, título") << u"obj_Form_FormInicial"_s << u"obj_Bt_ProcurarTitulo"_s;
    QTest::newRow("inicial, código") << u"obj_Form_FormInicial"_s << u"obj_Bt_ProcurarCodigo"_s;
    QTest::newRow("busca por título") << u"obj_Form_FormBusca"_s << u"obj_Bt_ProcurarTitulo"_s;
    QTest::newRow("busca por código")
        << u"obj_Form_FormBuscaCodigo"_s << u"obj_Bt_ProcurarCodigo"_s;
    QTest::newRow("títulos de AZ")
        << u"obj_Form_FormBuscaTituloAZ"_s << u"obj_Bt_BuscaTitulosAZ_Ok"_s;
    QTest::newRow("estrutura") << u"obj_Form_FormBuscaEstrutura"_s << u"obj_Bt_NovaBusca"_s;
}

// Every picture button of the search screens lies over its grey shadow,
// which sticks out to the right and below.
void TesteMoldura::botoesDeBuscaComSombra() {
    QFETCH(QString, tela);
    QFETCH(QString, botao);
    QWidget *janela = janelaChamada(tela);
    QVERIFY(janela);
    const auto *figura = janela->findChild<BotaoFigura *>(botao);
    QVERIFY(figura);
    const QObjectList irmaos = figura->parent()->children();
    const qsizetype lugar = irmaos.indexOf(figura);
    bool comSombra = false;
    for (qsizetype i = 0; i < lugar; ++i)
        if (auto *sombra = qobject_cast<PainelCor *>(irmaos[i]))
            comSombra |= sombra->geometry() == figura->geometry().translated(3, 2) &&
                         sombra->palette().color(QPalette::Window) ==
                             janela->palette().color(QPalette::Dark);
    QVERIFY(comSombra);
}

// The exit question comes up centred the first time; dragged by its picture,
// it comes back where it was left. The drag records no shared position.
void TesteMoldura::dialogoCentradoSoNaPrimeiraVezEArrastavel() {
    irPara(obj_Form_FormBusca);
    const QPoint guardada(intJanelaX, intJanelaY);
    QPoint primeira;
    const auto fechar = [] { programa::clicar(obj_Form_FormBusca->obj_Bt_Fechar); };
    QVERIFY(programa::responderDialogo(obj_Form_MODAL_Sair, fechar, [&] {
        primeira = obj_Form_MODAL_Sair->pos();
        Figura *fundo = obj_Form_MODAL_Sair->findChild<Figura *>(u"obj_Img_sair"_s);
        programa::pressionar(fundo, QPoint(20, 20));
        programa::mover(
            fundo, fundo->mapFromGlobal(fundo->mapToGlobal(QPoint(20, 20)) + QPoint(-50, 30)), 1);
        programa::soltar(fundo, QPoint(300, 300));
        programa::clicar(obj_Form_MODAL_Sair->obj_Img_Bt_Nao);
    }));
    const QPoint centro = obj_Form_MODAL_Sair->screen()->availableGeometry().center() -
                          obj_Form_MODAL_Sair->rect().center();
    QCOMPARE(primeira, centro);
    QPoint segunda;
    QVERIFY(programa::responderDialogo(obj_Form_MODAL_Sair, fechar, [&] {
        segunda = obj_Form_MODAL_Sair->pos();
        programa::clicar(obj_Form_MODAL_Sair->obj_Img_Bt_Nao);
    }));
    QCOMPARE(segunda, centro + QPoint(-50, 30));
    QCOMPARE(QPoint(intJanelaX, intJanelaY), guardada);
}

void TesteMoldura::fronteiraDeErros_data() {
    QTest::addColumn<QString>("banco");
    QTest::addColumn<QString>("antes");  // the message, before the database directory
    QTest::addColumn<QString>("depois"); // and after it
    QTest::newRow("diretório de dados ausente")
        << u"/nao/existe/dados"_s << u"O diretório de dados não foi encontrado: "_s << QString();
    QTest::newRow("tabela ausente")
        << fixtures::semTabela(u"basica"_s, u"TSinonimo"_s)
        << u"O banco de dados não tem a estrutura que o programa espera: "_s
        << u"/zel2002.db\n(no such table: tsinonimo)"_s;
}

// An error of the engine inside a handler ends the handler, is shown in a
// message box, and the program goes on.
void TesteMoldura::fronteiraDeErros() {
    QFETCH(QString, banco);
    QFETCH(QString, antes);
    QFETCH(QString, depois);
    programa::instalar(banco);
    irPara(obj_Form_FormBusca);
    obj_Form_FormBusca->obj_Edit_BuscaRapida->setText(u"médico"_s);
    programa::enter(obj_Form_FormBusca->obj_Edit_BuscaRapida);
    QCOMPARE(programa::erros(), QStringList{antes + fncCaminhoDados() + depois});
    QVERIFY(programa::avisos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormBusca);
    QCOMPARE(obj_Form_FormBusca->obj_Edit_BuscaRapida->text(), u"médico"_s);
    QVERIFY(!QGuiApplication::overrideCursor());
    // The program goes on: with the database back, the same search works.
    programa::instalar(fixtures::banco(u"basica"_s));
    programa::enter(obj_Form_FormBusca->obj_Edit_BuscaRapida);
    QVERIFY(programa::erros().isEmpty());
    QCOMPARE(obj_Form_FormBusca->obj_Edit_BuscaRapida->text(), QString());
}

void TesteMoldura::sairSimEncerra() {
    irPara(obj_Form_FormTabua);
    QTimer::singleShot(0, [] { programa::clicar(obj_Form_FormTabua->obj_Bt_Fechar); });
    QTimer::singleShot(0, [] {
        // Runs inside the question's own loop.
        QTimer::singleShot(0, [] { programa::clicar(obj_Form_MODAL_Sair->obj_Img_Bt_Sim); });
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TesteMoldura)
#include "tst_moldura.moc"
