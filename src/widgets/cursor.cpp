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

Ocupado::Ocupado() {
    if (const QCursor *atual = QGuiApplication::overrideCursor())
        m_anterior = atual->shape();
    definir(Qt::WaitCursor);
}

void Ocupado::terminar() {
    if (!m_ativo)
        return;
    m_ativo = false;
    if (m_anterior)
        definir(*m_anterior);
    else
        normal();
}

} // namespace cursor
