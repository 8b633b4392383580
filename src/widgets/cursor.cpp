#include "cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace cursor {

void definir(Qt::CursorShape forma) {
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(QCursor(forma));
    else
        QGuiApplication::setOverrideCursor(QCursor(forma));
}

void normal() {
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool ocupado() {
    return QGuiApplication::overrideCursor() != nullptr;
}

} // namespace cursor
