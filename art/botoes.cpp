#include "glifos.h"
#include "pintura.h"
#include "quadros.h"

namespace {

// A tile with a glyph inset by `margem` on every side.
void botaoComGlifo(QPainter &p, QSizeF tamanho, Glifo glifo, QRgb tom, qreal margem) {
    const QRectF area(QPointF(0, 0), tamanho);
    pintarLadrilho(p, area, ladrilhoClaro);
    glifo(p, area.adjusted(margem, margem, -margem, -margem), tom);
}

// Toolbar buttons: 14 x 14, the glyph in a 10 x 10 square.
void botaoBarra(QPainter &p, QSizeF tamanho, Glifo glifo) {
    botaoComGlifo(p, tamanho, glifo, cor::laranjaEscuro, 2.5);
}

// Pager arrows stand on the screen's background, without a tile.
void seta(QPainter &p, QSizeF tamanho, Glifo glifo) {
    const QRectF area(QPointF(0, 0), tamanho);
    p.fillRect(area, QColor(cor::papel));
    glifo(p, area.adjusted(2, 1, -2, -1), cor::laranja);
}

} // namespace

// At 10 x 10 the letter is set pixel by pixel: dot, gap, stem.
void desenharBtAbout(QPainter &p, QSizeF tamanho) {
    pintarLadrilho(p, QRectF(QPointF(0, 0), tamanho), ladrilhoClaro);
    const QColor tom(cor::tinta);
    p.fillRect(QRectF(4, 2, 2, 2), tom);
    p.fillRect(QRectF(4, 5, 2, 3), tom);
}

void desenharBtMinimizar(QPainter &p, QSizeF tamanho) {
    botaoComGlifo(p, tamanho, glifoMinimizar, cor::tinta, 2);
}

void desenharBtFechar(QPainter &p, QSizeF tamanho) {
    botaoComGlifo(p, tamanho, glifoFechar, cor::laranjaEscuro, 2.5);
}

void desenharBtHome(QPainter &p, QSizeF tamanho) {
    botaoBarra(p, tamanho, glifoCasa);
}
void desenharBtBusca(QPainter &p, QSizeF tamanho) {
    botaoBarra(p, tamanho, glifoLupa);
}
void desenharBtInfo(QPainter &p, QSizeF tamanho) {
    botaoBarra(p, tamanho, glifoInformacao);
}
void desenharBtRegula(QPainter &p, QSizeF tamanho) {
    botaoBarra(p, tamanho, glifoParagrafo);
}
void desenharBtTabua(QPainter &p, QSizeF tamanho) {
    botaoBarra(p, tamanho, glifoTroca);
}

void desenharBtOk(QPainter &p, QSizeF tamanho) {
    botaoComTexto(p, tamanho, ladrilhoLaranja, QStringLiteral("OK"), 9);
}

void desenharBtProcurar(QPainter &p, QSizeF tamanho) {
    botaoComTexto(p, tamanho, ladrilhoLaranja, QStringLiteral("Procurar"), 10);
}

void desenharBtNovaBusca(QPainter &p, QSizeF tamanho) {
    botaoComTexto(p, tamanho, ladrilhoLaranja, QStringLiteral("Nova Busca"), 9);
}

void desenharBtVoltar(QPainter &p, QSizeF tamanho) {
    const QRectF area(QPointF(0, 0), tamanho);
    pintarLadrilho(p, area, ladrilhoNeutro);
    glifoVoltar(p, QRectF(10, 4, 16, 10), cor::laranjaEscuro);
}

void desenharSetaAnterior(QPainter &p, QSizeF tamanho) {
    seta(p, tamanho, glifoTrianguloEsquerda);
}

void desenharSetaProxima(QPainter &p, QSizeF tamanho) {
    seta(p, tamanho, glifoTrianguloDireita);
}

void desenharBtImprimir(QPainter &p, QSizeF tamanho) {
    botaoComGlifo(p, tamanho, glifoImpressora, cor::tinta, 1.5);
}

void desenharBtOkDialogo(QPainter &p, QSizeF tamanho) {
    botaoComTexto(p, tamanho, ladrilhoLaranja, QStringLiteral("Ok"), 11);
}

void desenharBtSim(QPainter &p, QSizeF tamanho) {
    botaoComTexto(p, tamanho, ladrilhoLaranja, QStringLiteral("Sim"), 11);
}

void desenharBtNao(QPainter &p, QSizeF tamanho) {
    botaoComTexto(p, tamanho, ladrilhoNeutro, QStringLiteral("Não"), 11);
}
