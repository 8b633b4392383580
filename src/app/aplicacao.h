#pragma once

class QApplication;

// What start-up does before the event loop: the application title, the
// fonts, the twenty screens, and the home screen shown centred.
namespace aplicacao {

void configurar(QApplication &app);
void iniciar();

} // namespace aplicacao
