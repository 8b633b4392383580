#include "posicao.h"

#include <QWidget>

int32_t intJanelaX = 0;
int32_t intJanelaY = 0;

namespace posicao {

bool guardada() {
    return intJanelaX != 0 && intJanelaY != 0;
}

void regraA(QWidget *janela) {
    if (guardada())
        janela->move(intJanelaX, intJanelaY);
    else
        registrar(janela);
}

void regraB(QWidget *janela) {
    if (guardada())
        janela->move(intJanelaX, intJanelaY);
}

void regraC(QWidget *janela) {
    janela->move(intJanelaX, intJanelaY);
}

void registrar(const QWidget *janela) {
    intJanelaX = janela->x();
    intJanelaY = janela->y();
}

} // namespace posicao
