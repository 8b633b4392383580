#pragma once

#include "arraste.h"
#include "barra_links.h"
#include "navegacao.h"
#include "origem_busca.h"

#include <QList>
#include <QWidget>

class BotaoFigura;
class Grade;
class Figura;
class PainelCor;
class QLabel;
class QLineEdit;
class RotuloLink;

// What distinguishes the frame of one main screen from another's.
struct Moldura {
    // The frame's pictures and window buttons: the common ones, or the
    // legislation screen's own (its top band, logo and larger buttons, and
    // the quick search moved to the right).
    enum class Estilo { Padrao, Legislacao };
    enum class Regra { A, B, C };
    enum class Botao { Nenhum, Home, Busca, Info, Regula, Tabua };
    // The family menu is TelaFamilia's.
    enum class Links { Nenhum, Busca, Conversao, Familia, Legislacao };

    Estilo estilo = Estilo::Padrao;
    Regra regra = Regra::C;
    bool posicaoAoMostrar = false;  // the rule runs when the screen is shown, not when activated
    bool registraAoEsconder = true; // hiding records the window's position
    Botao botaoProprio = Botao::Nenhum; // the toolbar button that stands for this screen
    Links links = Links::Nenhum;
    int linkAtual = -1;     // the link of this screen (disabled, or the current view)
    int topoLinks = 95;     // top of the conversion links (98 or 102)
    QString tagBuscaRapida; // written into the search results screen by the quick search
    // The navigation moves the window to the stored position before showing
    // it, as the screen's rule is going to, so that it does not appear at its
    // old place first. Off where the activation can end before the rule runs
    // (a page that is missing): the window then stays where it was.
    bool antecipaPosicao = true;
};

// The frame shared by the seventeen main screens: background, drag bands,
// About / minimise / close buttons, toolbar with its hover caption, link
// labels, quick search box. A screen class derives from it and declares its
// differences in a Moldura. The handler names are those of the screens.
class TelaPrincipal : public QWidget {
    Q_OBJECT
public:
    TelaPrincipal(IdTela id, const Moldura &moldura);

    IdTela id() const { return m_id; }
    const Moldura &moldura() const { return m_moldura; }

    // Raised by the navigation, not by the window system.
    virtual void telaMostrada();
    virtual void telaAtivada();
    virtual void telaEscondida();

    // Frame handlers.
    void prcIniciaArrastarJanela(QPoint local);
    void prcArrastarJanela(QPoint local);
    void prcFinalizaArrastarJanela();
    void prcMinimizaJanela();
    void prcFecharJanela();
    void prcIniciarFormAbout();
    void prcDesmarcaLinks();
    virtual void prcRestaurarJanela();
    void prcDefinirXYJanela();

    void obj_Bt_HomeClick();
    void obj_Bt_BuscaClick();
    void obj_Bt_InfoClick();
    void obj_Bt_RegulaClick();
    void obj_Bt_TabuaClick();
    void obj_Bt_HomeMouseMove(QPoint local);
    void obj_Bt_BuscaMouseMove(QPoint local);
    void obj_Bt_InfoMouseMove(QPoint local);
    void obj_Bt_RegulaMouseMove(QPoint local);
    void obj_Bt_TabuaMouseMove(QPoint local);

    // Link labels.
    void prcIniciarFormBuscaTitulo() { ir(IdTela::FormBusca); }
    void prcIniciarFormBuscaCodigo() { ir(IdTela::FormBuscaCodigo); }
    void prcIniciarFormBuscaEstrutura() { ir(IdTela::FormBuscaEstrutura); }
    void prcIniciarFormBuscaTituloAz() { ir(IdTela::FormBuscaTituloAZ); }
    void prcIniciarFormTabuaCodigo() { ir(IdTela::FormTabua); }
    void prcIniciarFormTabuaTitulo() { ir(IdTela::FormTabuaTitulo); }
    // The legislation screen's link bar and home picture.
    void prcMostrarOverHome();
    void prcIniciarFormBusca() { ir(IdTela::FormBusca); }
    void prcIniciarFormInformacoes() { ir(IdTela::FormInformacoes); }
    void prcIniciarFormRegulamentacao() { ir(IdTela::FormRegulamentacao); }
    void prcIniciarFormTabua() { ir(IdTela::FormTabua); }
    void prcIniciarFormInicial() { ir(IdTela::FormInicial); }

    // Quick search.
    void prcTestaBuscaRapidaEnvia();
    void prcVerificaExecutaConsultaBuscaRapida();

    // The screen that lists what a quick search found. It is told which screen
    // searched and is handed that screen's quick search, whose query it reads.
    using ReceptorBuscaRapida = void (*)(TelaPrincipal *tela, OrigemBusca &origem);
    static void definirReceptorBuscaRapida(ReceptorBuscaRapida receptor);

    // The screen's link labels, in the order of their bar.
    const QList<RotuloLink *> &links() const { return m_barra.links(); }

    // Frame elements that the screens and tests reach by name.
    Figura *obj_ImgBgBorda = nullptr;
    Figura *obj_Img_Top = nullptr;
    Figura *Image2 = nullptr;
    BotaoFigura *obj_Bt_About = nullptr;
    BotaoFigura *obj_Bt_Minimizar = nullptr;
    BotaoFigura *obj_Bt_Fechar = nullptr;
    BotaoFigura *obj_Bt_Home = nullptr;
    BotaoFigura *obj_Bt_Busca = nullptr;
    BotaoFigura *obj_Bt_Info = nullptr;
    BotaoFigura *obj_Bt_Regula = nullptr;
    BotaoFigura *obj_Bt_Tabua = nullptr;
    QLabel *LDescricao = nullptr;

    QLabel *obj_Lb_BuscaRapida = nullptr;
    PainelCor *obj_Panel_BuscaRapida_Borda = nullptr;
    QLineEdit *obj_Edit_BuscaRapida = nullptr;
    BotaoFigura *obj_Bt_BuscaRapida_Ok = nullptr;
    BuscaRapida buscaRapida;

    Arraste arraste;

protected:
    void showEvent(QShowEvent *evento) override;
    // Controls that Tab visits one after the other, in this order, from the
    // place of the first of them; the others follow the reading order.
    void fixarSequenciaTabulacao(const QList<QWidget *> &controles);
    // A close request of the window system (Alt+F4, the task bar's close)
    // asks whether to end the program, as the close button does.
    void closeEvent(QCloseEvent *evento) override;
    void limparLDescricao();
    void aplicarRegraPosicao();
    // Shows `destino` and hides this screen, `preparar` writing first what
    // `destino` needs (navegacao::irPara).
    void ir(IdTela destino, const navegacao::Preparo &preparar = {});
    // Opens the family description for the row of a result grid that was
    // double-clicked (or chosen with Enter): the family code is the first
    // four characters of the row's cell in the grid's code column. A double click on the header row
    // or below the last row (reported as row 0) is ignored, and so is a row without a code (the one
    // empty row of an empty result).
    void mostrarDetalheFamilia(const Grade &grade, int linha);
    BarraLinks &barraLinks() { return m_barra; }

    // Heading of the link row ("Tipos de Busca", "Tipos de Conversão de
    // Família", "Menu da Família"), when the screen has one.
    QLabel *obj_Lb_BemVindo = nullptr;
    QLabel *obj_Lb_Tabua = nullptr;
    Figura *obj_Img_Menu = nullptr;
    Figura *obj_Img_bgMenuBusca = nullptr;
    BotaoFigura *obj_Bt_HomeLegislacao = nullptr;

private:
    void criarMolduraPadrao();
    void criarMolduraLegislacao();
    void criarBuscaRapida(QPoint deslocamento);
    void criarLinks();
    void criarLinksBusca();
    void criarLinksConversao();
    void criarBarraLegislacao();
    BotaoFigura *botaoJanela(const QString &nome, const QString &imagem, const QString &rotulo,
                             const QRect &geometria, void (TelaPrincipal::*acao)());
    BotaoFigura *criarBotaoBarra(const QString &imagem, int x, Moldura::Botao botao,
                                 void (TelaPrincipal::*clique)(),
                                 void (TelaPrincipal::*movimento)(QPoint));
    void legendaBarra(QPoint local, const QString &legenda);
    void apagarHomeLegislacao();
    void definirLDescricao(const QString &texto);
    void conectarBanda(Figura *banda);

    IdTela m_id;
    Moldura m_moldura;
    BarraLinks m_barra;
    Figura *obj_Bt_Home_TempOn = nullptr;
    Figura *obj_Bt_Home_TempOff = nullptr;
    QList<QWidget *> m_sequenciaTabulacao;
    bool m_tabulacaoOrdenada = false;
};

// The three views of one occupational family share the family code, which
// the family menu (the screen's links, `Moldura::Links::Familia`) hands from
// one to the other.
class TelaFamilia : public TelaPrincipal {
    Q_OBJECT
public:
    TelaFamilia(IdTela id, const Moldura &moldura);

    QString strCodigoFamilia;

    // Shows the family view `destino` for the family `codigo` and hides
    // `origem` (navegacao::irPara).
    static void abrir(TelaPrincipal *origem, IdTela destino, const QString &codigo);

    // The family menu: the other views of this view's family.
    void prcIniciarFormDescricao() { irFamilia(IdTela::FormDescricao); }
    void prcIniciarFormDescricaoCaracteristicas() {
        irFamilia(IdTela::FormDescricaoCaracteristicas);
    }
    void prcIniciarFormDescricaoConversao() { irFamilia(IdTela::FormDescricaoConversao); }

private:
    void criarMenuFamilia();
    void irFamilia(IdTela destino) { abrir(this, destino, strCodigoFamilia); }
};
