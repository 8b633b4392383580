#pragma once

#include <QPainter>
#include <QRectF>
#include <QRgb>

// The symbols on the picture buttons, each drawn to fill `caixa` in colour
// `tom`. A glyph only draws; the tile under it is drawn by the caller.
using Glifo = void (*)(QPainter &p, const QRectF &caixa, QRgb tom);

void glifoCasa(QPainter &p, const QRectF &caixa, QRgb tom);
void glifoLupa(QPainter &p, const QRectF &caixa, QRgb tom);
void glifoInformacao(QPainter &p, const QRectF &caixa, QRgb tom);
void glifoParagrafo(QPainter &p, const QRectF &caixa, QRgb tom);
void glifoTroca(QPainter &p, const QRectF &caixa, QRgb tom);
void glifoMinimizar(QPainter &p, const QRectF &caixa, QRgb tom);
void glifoFechar(QPainter &p, const QRectF &caixa, QRgb tom);
void glifoImpressora(QPainter &p, const QRectF &caixa, QRgb tom);
void glifoVoltar(QPainter &p, const QRectF &caixa, QRgb tom);
void glifoTrianguloEsquerda(QPainter &p, const QRectF &caixa, QRgb tom);
void glifoTrianguloDireita(QPainter &p, const QRectF &caixa, QRgb tom);
