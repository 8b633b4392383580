#pragma once

#include <QString>

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

// Shows `destino` (its show handler, then its activation handler), then hides
// `origem` (its hide handler). Each handler runs inside the error boundary.
// Only the current screen leads to another: from any other `origem` nothing
// happens, so that exactly one main screen is ever on view.
void irPara(TelaPrincipal *origem, TelaPrincipal *destino);
void irPara(TelaPrincipal *origem, IdTela destino);

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
