#include "navegacao.h"

#include "fronteira.h"
#include "posicao.h"
#include "tela_principal.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSet>
#include <map>

namespace navegacao {
namespace {

struct Estado {
    std::map<IdTela, TelaPrincipal *> telas;
    TelaPrincipal *atual = nullptr;
    QWidget *sobre = nullptr;
    bool sobreCentrado = false;
    bool sobreNaFrente = false; // the About screen holds the program's focus
    Observador observador = nullptr;
    QSet<QWidget *> minimizadas; // by minimizarAplicacao, not shown by the navigation since
};

Estado &estado() {
    static Estado e;
    return e;
}

void avisar(Evento evento, TelaPrincipal *tela) {
    if (estado().observador)
        estado().observador(evento, tela);
}

void ativar(TelaPrincipal *tela) {
    avisar(Evento::Ativada, tela);
    fronteira::executar([&] { tela->telaAtivada(); });
}

// A press on the current screen while the About screen is in front brings
// the screen forward and activates it again; a press on the About screen
// puts it in front.
class FiltroCliques : public QObject {
protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override {
        if (evento->type() != QEvent::MouseButtonPress || !objeto->isWidgetType())
            return false;
        Estado &e = estado();
        if (!e.sobre || !e.sobre->isVisible())
            return false;
        const QWidget *janela = static_cast<QWidget *>(objeto)->window();
        if (janela == e.sobre) {
            e.sobreNaFrente = true;
        } else if (janela == e.atual && e.sobreNaFrente) {
            e.sobreNaFrente = false;
            e.atual->raise();
            ativar(e.atual);
        }
        return false;
    }
};

// The windows minimised with the application come back together: the window
// manager restores the one the user picked (its taskbar entry), and the
// others that went down with it (the About screen) follow.
class FiltroRestauracao : public QObject {
protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override {
        if (evento->type() != QEvent::WindowStateChange || !objeto->isWidgetType())
            return false;
        auto *janela = static_cast<QWidget *>(objeto);
        const QSet<QWidget *> minimizadas = estado().minimizadas;
        if (janela->isMinimized() || !minimizadas.contains(janela))
            return false;
        for (QWidget *outra : minimizadas)
            if (outra != janela && outra->isVisible() && outra->isMinimized())
                outra->showNormal();
        return false;
    }
};

// A window minimised with the application keeps "start minimised" in its
// window-system hints after the window manager restores it, and Qt keeps
// its own record of the state too: shown again later, it would come up
// minimised. So does a window the window manager alone minimised. The state
// is set to minimised and back, which rewrites both.
void estadoNormal(QWidget *janela) {
    if (!estado().minimizadas.remove(janela) && !janela->isMinimized())
        return;
    janela->setWindowState(janela->windowState() | Qt::WindowMinimized);
    janela->setWindowState(janela->windowState() & ~Qt::WindowMinimized);
}

void exibir(TelaPrincipal *tela) {
    Estado &e = estado();
    estadoNormal(tela);
    // A stored position is taken before the window appears, so it does not
    // flash at its previous place; the screen's own rule then runs as usual.
    if (posicao::guardada() && tela->moldura().antecipaPosicao)
        tela->move(intJanelaX, intJanelaY);
    avisar(Evento::Mostrada, tela);
    fronteira::executar([&] { tela->telaMostrada(); });
    tela->show();
    tela->raise();
    tela->activateWindow();
    e.atual = tela;
    e.sobreNaFrente = false;
    ativar(tela);
}

} // namespace

void registrar(IdTela id, TelaPrincipal *tela) {
    estado().telas[id] = tela;
}

TelaPrincipal *tela(IdTela id) {
    return estado().telas.at(id);
}

TelaPrincipal *telaAtual() {
    return estado().atual;
}

// Only the current screen leads to another. A click or key that reaches a
// screen after it stopped being the current one (queued while a search ran,
// or landing just before the next screen appeared) leads nowhere: otherwise
// the screen it leads to and the current one would both stay on view.
void irPara(TelaPrincipal *origem, TelaPrincipal *destino, const Preparo &preparar) {
    Estado &e = estado();
    if (origem != e.atual || origem == destino)
        return;
    if (preparar)
        preparar();
    exibir(destino);
    origem->hide();
    avisar(Evento::Escondida, origem);
    fronteira::executar([&] { origem->telaEscondida(); });
}

void irPara(TelaPrincipal *origem, IdTela destino, const Preparo &preparar) {
    irPara(origem, tela(destino), preparar);
}

void mostrarInicial(TelaPrincipal *tela) {
    static FiltroCliques cliques;
    static FiltroRestauracao restauracao;
    qApp->installEventFilter(&cliques);
    qApp->installEventFilter(&restauracao);
    centrarNaTela(tela);
    exibir(tela);
}

void minimizarAplicacao() {
    for (QWidget *janela : QApplication::topLevelWidgets())
        if (janela->isVisible()) {
            estado().minimizadas.insert(janela);
            janela->showMinimized();
        }
}

void registrarSobre(QWidget *sobre) {
    estado().sobre = sobre;
}

void definirObservador(Observador observador) {
    estado().observador = observador;
}

void mostrarSobre() {
    Estado &e = estado();
    centrarNoMonitorDe(e.sobre, e.atual, e.sobreCentrado);
    estadoNormal(e.sobre);
    e.sobre->show();
    e.sobre->raise();
    e.sobre->activateWindow();
    e.sobreNaFrente = true;
}

void sobreFechado() {
    Estado &e = estado();
    e.sobre->hide();
    if (e.sobreNaFrente && e.atual) {
        e.sobreNaFrente = false;
        e.atual->raise();
        e.atual->activateWindow();
        ativar(e.atual);
    }
}

} // namespace navegacao
