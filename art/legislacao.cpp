#include "glifos.h"
#include "pintura.h"
#include "quadros.h"

namespace {

// Where the pictures that lie on the legislation band and bar stand on them.
const QPointF lugarLogo(15, 11);
const QPointF lugarCasa(688, 6);
const QSizeF tamanhoTopo(711, 61);
const QSizeF tamanhoBarra(711, 23);

void casa(QPainter &p, QRgb tom) {
    p.save();
    p.translate(-lugarCasa);
    desenharLegBarra(p, tamanhoBarra);
    p.restore();
    glifoCasa(p, QRectF(3, 0, 10, 10), tom);
}

} // namespace

void desenharLegTopo(QPainter &p, QSizeF tamanho) {
    const qreal largura = tamanho.width();
    faixaEscura(p, QRectF(0, 0, largura, tamanho.height() - 2));
    p.fillRect(QRectF(0, tamanho.height() - 2, largura, 2), QColor(cor::laranja));
    escrever(p, QPointF(151, 30), QStringLiteral("Legislação"), fonte(16, true), cor::branco);
}

void desenharLegBarra(QPainter &p, QSizeF tamanho) {
    const qreal largura = tamanho.width();
    degradeVertical(p, QRectF(QPointF(0, 0), tamanho), 0xFFFAEC, cor::ambar);
    p.fillRect(QRectF(0, tamanho.height() - 1, largura, 1), QColor(0xD8B276));
}

void desenharLegLogo(QPainter &p, QSizeF) {
    p.save();
    p.translate(-lugarLogo);
    desenharLegTopo(p, tamanhoTopo);
    p.restore();
    emblema(p, QRectF(1, 4, 32, 32));
    marca(p, QPointF(40, 20), 17, cor::branco, cor::ambar);
    escrever(p, QPointF(41, 33), QStringLiteral("Ocupações"), fonte(10), cor::ambar);
}

void desenharLegHomeOff(QPainter &p, QSizeF) {
    casa(p, cor::tinta);
}
void desenharLegHomeOn(QPainter &p, QSizeF) {
    casa(p, cor::azul);
}
