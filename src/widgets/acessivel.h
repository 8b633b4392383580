#pragma once

#include <functional>

class QAccessibleEvent;
class QKeyEvent;
class QLabel;
class QString;
class QWidget;

// What assistive technology (a screen reader, through the desktop's
// accessibility bus) is told about the widgets that draw themselves: the
// picture buttons, the link labels and the result grid.
namespace acessivel {

// Registers, once, the factory that describes those widgets to Qt's
// accessibility. Their constructors call it.
void instalar();

// Sends `evento` to assistive technology. Qt drops events while no assistive
// technology listens (always, on the offscreen platform of the tests): tests
// record them with `observar` (null stops).
void anunciar(QAccessibleEvent &evento);
void observar(std::function<void(QAccessibleEvent &)> observador);

// Enter, Return or Space without Ctrl, Alt or Meta: the keys that act as a
// click on a picture button or a link label.
bool teclaDeClique(const QKeyEvent &evento);

// `controle` takes its accessible name from `rotulo`, the label beside it
// (its text as it is now, without the colon at its end). A label with the
// same parent also becomes the control's buddy, which tells the relation to
// assistive technology.
void nomearPeloRotulo(QLabel *rotulo, QWidget *controle);

// The name `controle` was given (its accessible name), else the text of the
// label whose buddy it is (without the colon at its end), else nothing. Never
// the caption of the group box it sits in, which Qt's own fallback would
// give: every control of a box would be heard as the box. The widgets that
// draw themselves are named through this.
QString nomeDado(const QWidget *controle);

} // namespace acessivel
