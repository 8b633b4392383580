#include "pintura.h"
#include "quadros.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

namespace {

// Dialog background: light face, orange top edge, a button bar from
// `inicioBotoes` down, a dark frame.
void dialogo(QPainter &p, QSizeF tamanho, qreal inicioBotoes) {
    const QRectF area(QPointF(0, 0), tamanho);
    degradeVertical(p, area, 0xFFFEF9, cor::creme);
    p.fillRect(QRectF(0, 0, tamanho.width(), 3), QColor(cor::laranja));
    const QRectF barra(0, inicioBotoes, tamanho.width(), tamanho.height() - inicioBotoes);
    degradeVertical(p, barra, 0xFEF3D4, cor::ambar);
    p.fillRect(QRectF(0, inicioBotoes, tamanho.width(), 1), QColor(cor::linhaClara));
    moldura(p, area, cor::tinta);
}

void sinalAviso(QPainter &p, const QRectF &caixa) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient degrade(caixa.topLeft(), caixa.bottomLeft());
    degrade.setColorAt(0, QColor(0xFFC94D));
    degrade.setColorAt(1, QColor(cor::laranjaClaro));
    p.setBrush(degrade);
    p.setPen(QPen(QColor(cor::marromEscuro), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPolygonF triangulo(
        {QPointF(caixa.center().x(), caixa.top()), caixa.bottomRight(), caixa.bottomLeft()});
    p.drawPolygon(triangulo);
    const qreal x = caixa.center().x();
    const qreal h = caixa.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(cor::marromEscuro));
    p.drawRoundedRect(QRectF(x - 2, caixa.top() + h * 0.32, 4, h * 0.38), 1.5, 1.5);
    p.drawEllipse(QPointF(x, caixa.top() + h * 0.82), 2.2, 2.2);
    p.restore();
}

void sinalPergunta(QPainter &p, const QRectF &caixa) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient degrade(caixa.topLeft(), caixa.bottomLeft());
    degrade.setColorAt(0, QColor(cor::laranjaClaro));
    degrade.setColorAt(1, QColor(cor::laranjaEscuro));
    p.setBrush(degrade);
    p.setPen(QPen(QColor(cor::marromEscuro), 1.5));
    p.drawEllipse(caixa);
    p.restore();
    centrar(p, caixa.translated(0, 1), QStringLiteral("?"), fonte(int(caixa.height() * 0.75), true),
            cor::branco);
}

// Label in bold followed by its value, on one baseline.
void credito(QPainter &p, QPointF base, const QString &rotulo, const QString &valor) {
    const QFont negrito = fonte(11, true);
    escrever(p, base, rotulo, negrito, cor::laranjaEscuro);
    escrever(p, base + QPointF(118, 0), valor, fonte(11), cor::tinta);
}

} // namespace

void desenharAvisoFundo(QPainter &p, QSizeF tamanho) {
    dialogo(p, tamanho, 70);
    sinalAviso(p, QRectF(12, 16, 40, 36));
}

void desenharSairFundo(QPainter &p, QSizeF tamanho) {
    dialogo(p, tamanho, 54);
    sinalPergunta(p, QRectF(14, 12, 34, 34));
    const QFont letra = fonte(12, true);
    escrever(p, QPointF(62, 26), QStringLiteral("Deseja fechar"), letra, cor::tinta);
    escrever(p, QPointF(62, 42), QStringLiteral("o aplicativo?"), letra, cor::tinta);
}

void desenharAbout(QPainter &p, QSizeF tamanho) {
    const qreal largura = tamanho.width();
    const QRectF area(QPointF(0, 0), tamanho);
    degradeVertical(p, area, 0xFFFDF6, cor::creme);
    faixaEscura(p, QRectF(0, 0, largura, 88));
    p.fillRect(QRectF(0, 88, largura, 2), QColor(cor::laranja));

    emblema(p, QRectF(24, 16, 56, 56));
    marca(p, QPointF(96, 52), 34, cor::branco, cor::ambar);
    escrever(p, QPointF(98, 73), QStringLiteral("Classificação de Ocupações"), fonte(14),
             cor::ambar);

    silhueta(p, QRectF(336, 104, 124, 124), 0xF7E3BC);

    escrever(p, QPointF(32, 124), QStringLiteral("Versão Reduzida 1.5"), fonte(17, true),
             cor::vinho);
    escrever(p, QPointF(32, 142), QStringLiteral("Janeiro / 2009"), fonte(11), cor::grafite);
    const QFont texto = fonte(11);
    escrever(p, QPointF(32, 170), QStringLiteral("Famílias, ocupações e sinônimos da edição 2002,"),
             texto, cor::tinta);
    escrever(p, QPointF(32, 185),
             QStringLiteral("com tábuas de conversão para a ZEL94 e a CIUO88."), texto, cor::tinta);

    credito(p, QPointF(32, 216), QStringLiteral("Desenvolvimento:"),
            QStringLiteral("Equipe ZEL2002"));
    credito(p, QPointF(32, 234), QStringLiteral("Conteúdo:"),
            QStringLiteral("Grupo de Revisão da Classificação"));
    credito(p, QPointF(32, 252), QStringLiteral("Projeto gráfico:"),
            QStringLiteral("Equipe ZEL2002"));

    p.fillRect(QRectF(24, 272, largura - 48, 1), QColor(cor::linhaClara));
    moldura(p, area, cor::tinta);
}

void desenharCapa(QPainter &p, QSizeF tamanho) {
    const qreal largura = tamanho.width();
    const qreal altura = tamanho.height();
    p.fillRect(QRectF(QPointF(0, 0), tamanho), QColor(cor::papel));
    for (int i = 1; i <= 4; ++i)
        p.fillRect(QRectF(4 + i, 2 + i, largura - 8, altura - 6), QColor(0x3C, 0x32, 0x28, 14));

    const QRectF livro(4, 2, largura - 10, altura - 8);
    const QRectF lombada(livro.left(), livro.top(), 16, livro.height());
    const QRectF face = livro.adjusted(lombada.width(), 0, 0, 0);
    faixaEscura(p, face);
    QLinearGradient dorso(lombada.topLeft(), lombada.topRight());
    dorso.setColorAt(0, QColor(cor::marromEscuro));
    dorso.setColorAt(0.45, QColor(cor::laranjaEscuro));
    dorso.setColorAt(1, QColor(cor::marromEscuro));
    p.fillRect(lombada, dorso);
    for (qreal y : {livro.top() + 10, livro.bottom() - 12})
        p.fillRect(QRectF(lombada.left(), y, lombada.width(), 2), QColor(cor::laranja));

    const qreal meio = face.center().x();
    emblema(p, QRectF(meio - 22, 14, 44, 44));
    const QFont titulo = fonte(24, true);
    const qreal larguraMarca = QFontMetricsF(titulo).horizontalAdvance(QStringLiteral("ZEL2002"));
    marca(p, QPointF(meio - larguraMarca / 2, 88), 24, cor::branco, cor::ambar);
    centrar(p, QRectF(face.left(), 94, face.width(), 14),
            QStringLiteral("Classificação de Ocupações"), fonte(10), cor::ambar);

    const QRectF etiqueta(face.left(), 124, face.width(), 62);
    p.fillRect(etiqueta, QColor(cor::creme));
    p.fillRect(QRectF(etiqueta.left(), etiqueta.top(), etiqueta.width(), 2), QColor(cor::laranja));
    p.fillRect(QRectF(etiqueta.left(), etiqueta.bottom() - 2, etiqueta.width(), 2),
               QColor(cor::laranja));
    moldura(p, livro, cor::marromEscuro);
}

void desenharIcone(QPainter &p, QSizeF tamanho) {
    emblema(p, QRectF(QPointF(4, 4), tamanho - QSizeF(8, 8)));
}
