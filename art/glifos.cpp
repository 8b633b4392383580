#include "glifos.h"

#include "pintura.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace {

// Maps the unit square onto `caixa`: glyphs are designed in unit coordinates.
class Unidade {
public:
    Unidade(QPainter &p, const QRectF &caixa) : m_p(p) {
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.translate(caixa.topLeft());
        m_p.scale(caixa.width(), caixa.height());
    }
    ~Unidade() { m_p.restore(); }
    Unidade(const Unidade &) = delete;
    Unidade &operator=(const Unidade &) = delete;

private:
    QPainter &m_p;
};

QPen traco(QRgb tom, qreal largura, Qt::PenCapStyle ponta = Qt::RoundCap) {
    return QPen(QColor(tom), largura, Qt::SolidLine, ponta, Qt::RoundJoin);
}

void poligono(QPainter &p, std::initializer_list<QPointF> pontos, QRgb tom) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(tom));
    p.drawPolygon(QPolygonF(QList<QPointF>(pontos)));
}

} // namespace

void glifoCasa(QPainter &p, const QRectF &caixa, QRgb tom) {
    const Unidade u(p, caixa);
    poligono(p, {{0.5, 0.0}, {1.0, 0.5}, {0.0, 0.5}}, tom);
    QPainterPath corpo;
    corpo.addRect(QRectF(0.16, 0.46, 0.68, 0.54));
    corpo.addRect(QRectF(0.41, 0.64, 0.18, 0.36));
    corpo.setFillRule(Qt::OddEvenFill);
    p.fillPath(corpo, QColor(tom));
}

void glifoLupa(QPainter &p, const QRectF &caixa, QRgb tom) {
    const Unidade u(p, caixa);
    p.setBrush(Qt::NoBrush);
    p.setPen(traco(tom, 0.14));
    p.drawEllipse(QPointF(0.4, 0.4), 0.3, 0.3);
    p.setPen(traco(tom, 0.2));
    p.drawLine(QPointF(0.64, 0.64), QPointF(0.92, 0.92));
}

void glifoInformacao(QPainter &p, const QRectF &caixa, QRgb tom) {
    const Unidade u(p, caixa);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(tom));
    p.drawEllipse(QPointF(0.5, 0.12), 0.13, 0.12);
    p.drawRect(QRectF(0.38, 0.36, 0.24, 0.64));
    p.drawRect(QRectF(0.24, 0.36, 0.2, 0.12));
    p.drawRect(QRectF(0.24, 0.88, 0.52, 0.12));
}

void glifoParagrafo(QPainter &p, const QRectF &caixa, QRgb tom) {
    QFont letra = fonte(int(caixa.height() * 1.25), true);
    centrar(p, caixa.adjusted(0, -1, 0, 1), QStringLiteral("§"), letra, tom);
}

void glifoTroca(QPainter &p, const QRectF &caixa, QRgb tom) {
    const Unidade u(p, caixa);
    p.setPen(traco(tom, 0.14, Qt::FlatCap));
    p.drawLine(QPointF(0.0, 0.25), QPointF(0.62, 0.25));
    p.drawLine(QPointF(0.38, 0.75), QPointF(1.0, 0.75));
    poligono(p, {{1.0, 0.25}, {0.58, 0.0}, {0.58, 0.5}}, tom);
    poligono(p, {{0.0, 0.75}, {0.42, 0.5}, {0.42, 1.0}}, tom);
}

// A bar two units thick along the bottom, on whole coordinates.
void glifoMinimizar(QPainter &p, const QRectF &caixa, QRgb tom) {
    const qreal esquerda = std::ceil(caixa.left());
    const qreal base = std::floor(caixa.bottom());
    p.fillRect(QRectF(esquerda, base - 2, std::floor(caixa.right()) - esquerda, 2), QColor(tom));
}

void glifoFechar(QPainter &p, const QRectF &caixa, QRgb tom) {
    const Unidade u(p, caixa);
    p.setPen(traco(tom, 0.24, Qt::SquareCap));
    p.drawLine(QPointF(0.1, 0.1), QPointF(0.9, 0.9));
    p.drawLine(QPointF(0.9, 0.1), QPointF(0.1, 0.9));
}

void glifoImpressora(QPainter &p, const QRectF &caixa, QRgb tom) {
    const Unidade u(p, caixa);
    const QColor tinta(tom);
    const QColor folha(cor::branco);
    p.setPen(QPen(tinta, 0.1));
    p.setBrush(folha);
    p.drawRect(QRectF(0.22, 0.05, 0.56, 0.35));
    p.setBrush(tinta);
    p.drawRect(QRectF(0.05, 0.38, 0.9, 0.36));
    p.setBrush(folha);
    p.drawRect(QRectF(0.22, 0.6, 0.56, 0.35));
}

void glifoVoltar(QPainter &p, const QRectF &caixa, QRgb tom) {
    const Unidade u(p, caixa);
    p.setPen(traco(tom, 0.2, Qt::FlatCap));
    p.drawLine(QPointF(0.4, 0.5), QPointF(1.0, 0.5));
    poligono(p, {{0.0, 0.5}, {0.48, 0.0}, {0.48, 1.0}}, tom);
}

void glifoTrianguloEsquerda(QPainter &p, const QRectF &caixa, QRgb tom) {
    const Unidade u(p, caixa);
    poligono(p, {{0.0, 0.5}, {1.0, 0.0}, {1.0, 1.0}}, tom);
}

void glifoTrianguloDireita(QPainter &p, const QRectF &caixa, QRgb tom) {
    const Unidade u(p, caixa);
    poligono(p, {{1.0, 0.5}, {0.0, 0.0}, {0.0, 1.0}}, tom);
}
