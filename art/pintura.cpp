#include "pintura.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

namespace {

QColor comAlfa(QRgb tom, int alfa) {
    QColor c(tom);
    c.setAlpha(alfa);
    return c;
}

// Colours of the parts of the emblem's tree.
struct CoresArvore {
    QRgb linhas;
    QRgb raiz;
    QRgb grupos;
    QRgb familias;
};

// The tree of the emblem, in a unit square: the root group, three groups
// below it, and under each of these two lines that stand for its families.
void arvore(QPainter &p, const CoresArvore &cores) {
    p.setPen(QPen(QColor(cores.linhas), 0.05, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0.5, 0.31), QPointF(0.5, 0.44));
    p.drawLine(QPointF(0.2, 0.44), QPointF(0.8, 0.44));
    const qreal colunas[] = {0.2, 0.5, 0.8};
    for (qreal x : colunas)
        p.drawLine(QPointF(x, 0.44), QPointF(x, 0.55));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(cores.raiz));
    p.drawRoundedRect(QRectF(0.33, 0.13, 0.34, 0.18), 0.03, 0.03);
    p.setBrush(QColor(cores.grupos));
    for (qreal x : colunas)
        p.drawRoundedRect(QRectF(x - 0.11, 0.55, 0.22, 0.14), 0.025, 0.025);
    p.setBrush(QColor(cores.familias));
    for (qreal x : colunas) {
        p.drawRect(QRectF(x - 0.09, 0.75, 0.18, 0.05));
        p.drawRect(QRectF(x - 0.09, 0.84, 0.13, 0.05));
    }
}

// Draws the tree in `caixa`.
void arvoreEm(QPainter &p, const QRectF &caixa, const CoresArvore &cores) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(caixa.topLeft());
    p.scale(caixa.width(), caixa.height());
    arvore(p, cores);
    p.restore();
}

} // namespace

const Ladrilho ladrilhoClaro{.borda = 0x7A4A22,
                             .topo = 0xFFFBEF,
                             .base = 0xF6DDA8,
                             .brilho = cor::branco,
                             .letra = cor::tinta,
                             .relevo = cor::branco};
const Ladrilho ladrilhoLaranja{.borda = 0x7A3400,
                               .topo = cor::laranjaClaro,
                               .base = 0xB25400,
                               .brilho = 0xF7B46E,
                               .letra = cor::branco,
                               .relevo = 0x6A2E00};
const Ladrilho ladrilhoNeutro{.borda = 0x7A4A22,
                              .topo = 0xFFFDF7,
                              .base = 0xEAD9B8,
                              .brilho = cor::branco,
                              .letra = cor::tinta,
                              .relevo = cor::branco};

QFont fonte(int pixels, bool negrito) {
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setPixelSize(pixels);
    letra.setBold(negrito);
    return letra;
}

void escrever(QPainter &p, QPointF base, const QString &texto, const QFont &letra, QRgb tom) {
    p.setFont(letra);
    p.setPen(QColor(tom));
    p.drawText(base, texto);
}

void centrar(QPainter &p, const QRectF &caixa, const QString &texto, const QFont &letra, QRgb tom) {
    p.setFont(letra);
    p.setPen(QColor(tom));
    p.drawText(caixa, Qt::AlignCenter, texto);
}

void degradeVertical(QPainter &p, const QRectF &area, QRgb topo, QRgb base) {
    QLinearGradient degrade(area.topLeft(), area.bottomLeft());
    degrade.setColorAt(0, QColor(topo));
    degrade.setColorAt(1, QColor(base));
    p.fillRect(area, degrade);
}

void moldura(QPainter &p, const QRectF &area, QRgb tom) {
    p.setPen(QPen(QColor(tom), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

void pintarLadrilho(QPainter &p, const QRectF &area, const Ladrilho &estilo) {
    p.fillRect(area, QColor(estilo.borda));
    const QRectF face = area.adjusted(1, 1, -1, -1);
    degradeVertical(p, face, estilo.topo, estilo.base);
    p.fillRect(QRectF(face.left(), face.top(), face.width(), 1), QColor(estilo.brilho));
}

void botaoComTexto(QPainter &p, QSizeF tamanho, const Ladrilho &estilo, const QString &texto,
                   int pixels) {
    const QRectF area(QPointF(0, 0), tamanho);
    pintarLadrilho(p, area, estilo);
    const QFont letra = fonte(pixels, true);
    centrar(p, area.translated(0.5, 0.5), texto, letra, estilo.relevo);
    centrar(p, area, texto, letra, estilo.letra);
}

void emblema(QPainter &p, const QRectF &caixa) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal raio = caixa.width() * 0.2;
    QLinearGradient degrade(caixa.topLeft(), caixa.bottomLeft());
    degrade.setColorAt(0, QColor(cor::laranjaClaro));
    degrade.setColorAt(1, QColor(cor::laranjaEscuro));
    p.setPen(QPen(QColor(cor::marromEscuro), std::max(1.0, caixa.width() / 48)));
    p.setBrush(degrade);
    p.drawRoundedRect(caixa, raio, raio);

    QPainterPath brilho;
    brilho.addRoundedRect(caixa.adjusted(2, 2, -2, -caixa.height() / 2), raio * 0.8, raio * 0.8);
    p.fillPath(brilho, comAlfa(cor::branco, 40));

    p.restore();
    arvoreEm(p, caixa, {cor::branco, cor::branco, cor::creme, cor::ambar});
}

void silhueta(QPainter &p, const QRectF &caixa, QRgb tom) {
    arvoreEm(p, caixa, {tom, tom, tom, tom});
}

void marca(QPainter &p, QPointF base, int pixels, QRgb tomZel, QRgb tomAno) {
    const QFont letra = fonte(pixels, true);
    const QString zel = QStringLiteral("ZEL");
    escrever(p, base, zel, letra, tomZel);
    const qreal largura = QFontMetricsF(letra).horizontalAdvance(zel);
    escrever(p, base + QPointF(largura + pixels * 0.06, 0), QStringLiteral("2002"), letra, tomAno);
}

void faixaEscura(QPainter &p, const QRectF &area) {
    degradeVertical(p, area, cor::telha, cor::marrom);
    const QRectF metade(area.left(), area.top(), area.width(), area.height() / 2);
    QLinearGradient brilho(metade.topLeft(), metade.bottomLeft());
    brilho.setColorAt(0, comAlfa(cor::branco, 34));
    brilho.setColorAt(1, comAlfa(cor::branco, 8));
    p.fillRect(metade, brilho);
}
