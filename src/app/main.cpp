#include "aplicacao.h"
#include "fronteira.h"

int main(int argc, char **argv) {
    // The screens place their own borderless windows, which a Wayland session
    // does not allow; there the program runs through XWayland unless the user
    // chose a platform. A session without XWayland (no X display) runs on
    // Wayland itself, where the compositor places the windows and moves them
    // when dragged: asked for X11 there, Qt would abort.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb");
    fronteira::Aplicacao app(argc, argv);
    aplicacao::configurar(app);
    aplicacao::iniciar();
    return app.exec();
}
