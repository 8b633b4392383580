#include "glifos.h"
#include "pintura.h"
#include "quadros.h"

namespace {

// Pager arrows stand on the screen's background, without a tile.
void seta(QPainter &p, QSizeF tamanho, Glifo glifo) {
    const QRectF area(QPointF(0, 0), tamanho);
    p.fillRect(area, QColor(cor::papel));
    glifo(p, area.adjusted(2, 1, -2, -1), cor::laranja);
}

} // namespace

void botaoComGlifo(QPainter &p, QSizeF tamanho, Glifo glifo, QRgb tom, qreal margem) {
    const QRectF area(QPointF(0, 0), tamanho);
    pintarLadrilho(p, area, ladrilhoClaro);
    glifo(p, area.adjusted(margem, margem, -margem, -margem), tom);
}

// At 10 x 10 the letter is set pixel by pixel: dot, gap, stem.
void desenharBtAbout(QPainter &p, QSizeF tamanho) {
    pintarLadrilho(p, QRectF(QPointF(0, 0), tamanho), ladrilhoClaro);
    const QColor tom(cor::tinta);
    p.fillRect(QRectF(4, 2, 2, 2), tom);
    p.fillRect(QRectF(4, 5, 2, 3), tom);
}

void desenharBtVoltar(QPainter &p, QSizeF tamanho) {
    pintarLadrilho(p, QRectF(QPointF(0, 0), tamanho), ladrilhoNeutro);
    glifoVoltar(p, QRectF(10, 4, 16, 10), cor::laranjaEscuro);
}

void desenharSetaAnterior(QPainter &p, QSizeF tamanho) {
    seta(p, tamanho, glifoTrianguloEsquerda);
}

void desenharSetaProxima(QPainter &p, QSizeF tamanho) {
    seta(p, tamanho, glifoTrianguloDireita);
}
