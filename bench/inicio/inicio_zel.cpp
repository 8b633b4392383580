// Start-up of the program as a user starts it, up to the home screen shown
// and painted: the twenty screens created, the structure browser's query
// run, the welcome page loaded. Then it ends. Timed from outside.

#include "aplicacao.h"
#include "unit_FormInicial.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    aplicacao::configurar(app);
    aplicacao::iniciar();
    obj_Form_FormInicial->repaint();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
