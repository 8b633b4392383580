#include "arraste.h"

#include "cursor.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

void Arraste::iniciar(QPoint local) {
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

void centrarNaTela(QWidget *janela) {
    const QRect area = janela->screen()->availableGeometry();
    const QPoint centrada = area.center() - janela->rect().center();
    janela->move(std::max(centrada.x(), area.left()), std::max(centrada.y(), area.top()));
}
