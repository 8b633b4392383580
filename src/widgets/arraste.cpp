#include "arraste.h"

#include "cursor.h"

#include <QWidget>

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
