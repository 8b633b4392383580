#pragma once

#include <QList>
#include <Qt>

class QPainter;
class QRect;
class QWidget;

// Keyboard focus shared by every window: the order in which Tab and
// Shift+Tab visit the controls, and the mark drawn on a focused control that
// draws itself.
namespace foco {

// Chains every control of `janela` that takes the focus with Tab in reading
// order: line by line from the top, left to right within a line (controls
// whose middles lie within the height of the line's first control share its
// line). Hidden and disabled controls stay in the chain; Tab skips them while
// they are so. The controls of `sequencia` follow one another in that order,
// from the place of the first of them.
void ordenarPorLeitura(QWidget *janela, const QList<QWidget *> &sequencia = {});

// Whether a focus given for `razao` came by the keyboard (Tab, Shift+Tab, a
// shortcut): a control that a click also focuses shows its mark only then.
bool peloTeclado(Qt::FocusReason razao);

// A dotted rectangle just inside `area`, in black over white, seen on any
// picture or background.
void pintarMarca(QPainter &pintor, const QRect &area);
// The mark over the whole of `controle` while it has the focus (after its
// own painting, in its paint event).
void marcarSeFocado(QWidget *controle);

} // namespace foco
