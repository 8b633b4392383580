#include "arraste.h"

#include "cursor.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// Whether the platform lets a window choose its own place: not so on Wayland,
// where the compositor places every window.
bool janelasSePosicionam() {
    return !QGuiApplication::platformName().startsWith(u"wayland");
}

} // namespace

void Arraste::iniciar(QWidget *janela, QPoint local) {
    if (!janelasSePosicionam() && janela->windowHandle()->startSystemMove())
        return;
    blnArrastandoJanela = true;
    intCliqueX = local.x();
    intCliqueY = local.y();
}

void Arraste::arrastar(QWidget *janela, QPoint local) {
    if (!blnArrastandoJanela)
        return;
    cursor::definir(Qt::SizeAllCursor);
    janela->move(janela->x() + (local.x() - intCliqueX), janela->y());
    janela->move(janela->x(), janela->y() + (local.y() - intCliqueY));
}

void Arraste::finalizar() {
    cursor::normal();
    blnArrastandoJanela = false;
}

namespace {

// A window never shown has no monitor of its own yet: Qt gives the one at the
// window's default place, not the primary one.
QScreen *monitorDe(const QWidget *referencia) {
    if (referencia)
        if (QScreen *monitor = QGuiApplication::screenAt(referencia->geometry().center()))
            return monitor;
    return QGuiApplication::primaryScreen();
}

} // namespace

void centrarNaTela(QWidget *janela, const QWidget *referencia) {
    const QRect area = monitorDe(referencia)->availableGeometry();
    const QPoint centrada = area.center() - janela->rect().center();
    janela->move(std::max(centrada.x(), area.left()), std::max(centrada.y(), area.top()));
}

void centrarNoMonitorDe(QWidget *janela, const QWidget *referencia, bool &centrada) {
    if (centrada && QGuiApplication::screenAt(janela->geometry().center()) == monitorDe(referencia))
        return;
    centrada = true;
    centrarNaTela(janela, referencia);
}
