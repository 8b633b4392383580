#pragma once

#include <QString>
#include <functional>

class QWidget;
class TelaPrincipal;

// The main screens by name, for the frame's toolbar and links.
enum class IdTela {
    FormInicial,
    FormBusca,
    FormBuscaCodigo,
    FormBuscaEstrutura,
    FormBuscaTituloAZ,
    FormInformacoes,
    FormLegislacao,
    FormRegulamentacao,
    FormTabua,
    FormTabuaTitulo,
    FormRespostaBusca,
    FormRespostaBuscaCodigo,
    FormRespostaTabua,
    FormDescricao,
    FormDescricaoCaracteristicas,
    FormDescricaoConversao,
    FormRespostaTabuaTitulo,
};

// Moving between screens, and the program's own activation. The window
// system's focus changes are not used: a screen's show, activation and hide
// handlers run when this code shows, re-activates or hides it. So closing a
// modal dialog, or coming back from another program, activates nothing,
// while the About screen going away (or being pushed behind by a click on
// the screen) activates the screen below again.
namespace navegacao {

void registrar(IdTela id, TelaPrincipal *tela);
TelaPrincipal *tela(IdTela id);
TelaPrincipal *telaAtual();

// Runs `preparar`, which writes what `destino` needs (an origin tag, a
// family code), shows `destino` (its show handler, then its activation
// handler), then hides `origem` (its hide handler). Each handler runs inside
// the error boundary. Only the current screen leads to another: from any
// other `origem` nothing happens, not even `preparar`, so that exactly one
// main screen is ever on view and the one on view keeps what it shows.
using Preparo = std::function<void()>;
void irPara(TelaPrincipal *origem, TelaPrincipal *destino, const Preparo &preparar = {});
void irPara(TelaPrincipal *origem, IdTela destino, const Preparo &preparar = {});

// Shows the first screen at start-up.
void mostrarInicial(TelaPrincipal *tela);

// Minimises every window on view; restoring them is the window system's.
// A screen minimised so comes up in its normal state when the navigation
// shows it again.
void minimizarAplicacao();

// The About screen: shown over the current screen without hiding it.
void registrarSobre(QWidget *sobre);

// For tests: told of every show, activation and hide that this code raises,
// in order. nullptr stops it.
enum class Evento { Mostrada, Ativada, Escondida };
using Observador = void (*)(Evento evento, TelaPrincipal *tela);
void definirObservador(Observador observador);
void mostrarSobre();
void sobreFechado();

} // namespace navegacao
