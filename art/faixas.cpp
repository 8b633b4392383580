#include "glifos.h"
#include "pintura.h"
#include "quadros.h"

#include <QLinearGradient>

namespace {

// Height of the dark part of the top band; the light strip with the toolbar
// and its caption lies below it.
constexpr qreal alturaEscura = 38;

// A line along `area` whose colour fades out towards both ends.
void linhaEsmaecida(QPainter &p, const QRectF &area, QRgb tom) {
    QLinearGradient degrade(area.topLeft(), area.topRight());
    QColor transparente(tom);
    transparente.setAlpha(0);
    degrade.setColorAt(0, transparente);
    degrade.setColorAt(0.15, QColor(tom));
    degrade.setColorAt(0.85, QColor(tom));
    degrade.setColorAt(1, transparente);
    p.fillRect(area, degrade);
}

// A light band, amber at the top, cream below, lit along its top edge.
void bandaAmbar(QPainter &p, const QRectF &area) {
    degradeVertical(p, area, cor::ambar, cor::creme);
    p.fillRect(QRectF(area.left(), area.top(), area.width(), 1), QColor(0xFFFAEC));
}

} // namespace

void desenharFundo(QPainter &p, QSizeF tamanho) {
    const QRectF area(QPointF(0, 0), tamanho);
    p.fillRect(area, QColor(cor::papel));
    // The top band casts a soft shadow on the screen below it.
    QLinearGradient sombra(0, 62, 0, 68);
    sombra.setColorAt(0, QColor(0x3C, 0x32, 0x28, 60));
    sombra.setColorAt(1, QColor(0x3C, 0x32, 0x28, 0));
    p.fillRect(QRectF(0, 62, tamanho.width(), 6), sombra);
    moldura(p, area, cor::tinta);
}

void desenharFaixaTopo(QPainter &p, QSizeF tamanho) {
    const qreal largura = tamanho.width();
    faixaEscura(p, QRectF(0, 0, largura, alturaEscura));
    p.fillRect(QRectF(0, alturaEscura, largura, 2), QColor(cor::laranja));
    p.fillRect(QRectF(0, alturaEscura + 2, largura, tamanho.height() - alturaEscura - 2),
               QColor(cor::faixaClara));
    p.fillRect(QRectF(0, tamanho.height() - 1, largura, 1), QColor(cor::linhaClara));

    emblema(p, QRectF(10, 5, 42, 42));
    marca(p, QPointF(62, 30), 24, cor::branco, cor::ambar);
    escrever(p, QPointF(63, 55), QStringLiteral("Classificação de Ocupações"), fonte(11, true),
             cor::laranjaEscuro);
}

void desenharFaixaBase(QPainter &p, QSizeF tamanho) {
    const qreal largura = tamanho.width();
    p.fillRect(QRectF(0, 0, largura, 2), QColor(cor::laranja));
    p.fillRect(QRectF(0, 2, largura, tamanho.height() - 2), QColor(cor::marrom));
    faixaEscura(p, QRectF(0, 2, largura, 40));
    escrever(p, QPointF(14, 24), QStringLiteral("ZEL2002  ·  Classificação de Ocupações"),
             fonte(10), cor::ambar);
}

void desenharDivisoria(QPainter &p, QSizeF tamanho) {
    const qreal largura = tamanho.width();
    QLinearGradient degrade(0, 0, largura, 0);
    degrade.setColorAt(0, QColor(cor::laranja));
    degrade.setColorAt(1, QColor(cor::linhaClara));
    p.fillRect(QRectF(0, 0, largura, 1), degrade);
    p.fillRect(QRectF(0, 1, largura, 1), QColor(cor::branco));
}

void desenharMenuFamilia(QPainter &p, QSizeF tamanho) {
    const QRectF area(QPointF(0, 0), tamanho);
    p.fillRect(area, QColor(cor::creme));
    degradeVertical(p, QRectF(1, 1, tamanho.width() - 2, 29), 0xFFF8E6, cor::ambar);
    p.fillRect(QRectF(6, 8, 3, 16), QColor(cor::laranja));
    emblema(p, QRectF(tamanho.width() - 30, tamanho.height() - 29, 22, 22));
    moldura(p, area, 0xC8965A);
}

void desenharLinhaMenu(QPainter &p, QSizeF tamanho) {
    const qreal largura = tamanho.width();
    p.fillRect(QRectF(QPointF(0, 0), tamanho), QColor(cor::creme));
    linhaEsmaecida(p, QRectF(0, 0, largura, 1), cor::laranja);
    linhaEsmaecida(p, QRectF(0, 1, largura, 1), cor::branco);
}

void desenharFundoTabela(QPainter &p, QSizeF tamanho) {
    bandaAmbar(p, QRectF(QPointF(0, 0), tamanho));
}

void desenharFundoConversao(QPainter &p, QSizeF tamanho) {
    bandaAmbar(p, QRectF(QPointF(0, 0), tamanho));
    glifoTroca(p, QRectF(12, 35, 22, 18), cor::laranja);
}

void desenharFaixaTitulos(QPainter &p, QSizeF tamanho) {
    const qreal largura = tamanho.width();
    degradeVertical(p, QRectF(QPointF(0, 0), tamanho), 0xFFF6DC, 0xFDEBC2);
    p.fillRect(QRectF(0, 0, largura, 1), QColor(cor::linhaClara));
    p.fillRect(QRectF(0, tamanho.height() - 1, largura, 1), QColor(cor::linhaClara));
}
