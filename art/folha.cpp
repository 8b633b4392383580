#include "folha.h"

#include "catalogo.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <vector>

namespace {

constexpr int margem = 12;
constexpr int alturaRotulo = 16;
constexpr int larguraMinima = 1600;

struct Amostra {
    QString rotulo;
    QPixmap figura; // device pixel ratio 2
};

QSize tamanhoLogico(const QPixmap &figura) {
    return figura.size() / 2;
}

// One sample: ratio 1 plain, ratio 1 smooth, ratio 2, side by side.
QSize tamanhoBloco(const Amostra &a) {
    const QSize logico = tamanhoLogico(a.figura);
    return {logico.width() * 4 + 2 * margem, logico.height() * 2 + alturaRotulo};
}

void desenharBloco(QPainter &p, QPoint origem, const Amostra &a) {
    const QSize logico = tamanhoLogico(a.figura);
    p.setPen(Qt::black);
    p.drawText(origem + QPoint(0, alturaRotulo - 4), a.rotulo);
    const QPoint topo = origem + QPoint(0, alturaRotulo);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawPixmap(topo, a.figura);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawPixmap(topo + QPoint(logico.width() + margem, 0), a.figura);
    QPixmap inteira = a.figura;
    inteira.setDevicePixelRatio(1);
    p.drawPixmap(topo + QPoint(2 * (logico.width() + margem), 0), inteira);
}

std::vector<Amostra> lerAmostras(const QDir &pasta) {
    std::vector<Amostra> amostras;
    for (const Quadro &q : catalogo()) {
        QPixmap figura(pasta.filePath(q.nome + QStringLiteral(".jpg")));
        figura.setDevicePixelRatio(2);
        const QString rotulo = QStringLiteral("%1  %2 x %3")
                                   .arg(q.nome)
                                   .arg(q.tamanho.width())
                                   .arg(q.tamanho.height());
        amostras.push_back({rotulo, figura});
    }
    return amostras;
}

} // namespace

QImage folhaDeContato(const QDir &pasta) {
    const std::vector<Amostra> amostras = lerAmostras(pasta);
    int largura = larguraMinima;
    for (const Amostra &a : amostras)
        largura = std::max(largura, tamanhoBloco(a).width() + 2 * margem);

    // Lay the blocks out in rows, left to right.
    std::vector<QPoint> lugares;
    QPoint cursor(margem, margem);
    int alturaLinha = 0;
    for (const Amostra &a : amostras) {
        const QSize bloco = tamanhoBloco(a);
        if (cursor.x() + bloco.width() > largura - margem) {
            cursor = QPoint(margem, cursor.y() + alturaLinha + margem);
            alturaLinha = 0;
        }
        lugares.push_back(cursor);
        cursor.rx() += bloco.width() + 2 * margem;
        alturaLinha = std::max(alturaLinha, bloco.height());
    }

    QImage folha(largura, cursor.y() + alturaLinha + margem, QImage::Format_RGB32);
    folha.fill(QColor(0xB8, 0xB8, 0xB8));
    QPainter p(&folha);
    for (std::size_t i = 0; i < amostras.size(); ++i)
        desenharBloco(p, lugares[i], amostras[i]);
    return folha;
}
