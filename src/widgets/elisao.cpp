#include "elisao.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace elisao {
namespace {

qreal largura(const QList<grade_html::Trecho> &trechos, const Medidor &medir) {
    qreal total = 0;
    for (const grade_html::Trecho &t : trechos)
        total += medir(t.texto, t.negrito, t.italico);
    return total;
}

// The longest start of `texto`, ending at a character boundary, whose
// advance is at most `espaco`; blanks at its end are dropped.
QString inicioQueCabe(const QString &texto, qreal espaco, bool negrito, bool italico,
                      const Medidor &medir) {
    QList<qsizetype> limites;
    QTextBoundaryFinder grafemas(QTextBoundaryFinder::Grapheme, texto);
    for (qsizetype p = grafemas.toNextBoundary(); p > 0; p = grafemas.toNextBoundary())
        limites << p;
    // Advances only grow with the length: the largest fitting boundary is
    // found by bisection.
    qsizetype baixo = 0, alto = limites.size();
    while (baixo < alto) {
        const qsizetype meio = (baixo + alto + 1) / 2;
        if (medir(texto.left(limites[meio - 1]), negrito, italico) <= espaco)
            baixo = meio;
        else
            alto = meio - 1;
    }
    QString inicio = baixo == 0 ? QString() : texto.left(limites[baixo - 1]);
    while (!inicio.isEmpty() && inicio.back().isSpace())
        inicio.chop(1);
    return inicio;
}

// Shows a label's tooltip with `mostrarDica` instead of Qt's own handling,
// which would render a text that looks like markup.
class DicaComoEscrita : public QObject {
public:
    bool eventFilter(QObject *objeto, QEvent *evento) override {
        if (evento->type() != QEvent::ToolTip)
            return false;
        auto *widget = static_cast<QWidget *>(objeto);
        if (widget->toolTip().isEmpty())
            return false;
        mostrarDica(static_cast<QHelpEvent *>(evento)->globalPos(), widget->toolTip(), widget,
                    QRect());
        return true;
    }
};

} // namespace

QList<grade_html::Trecho> cortar(const QList<grade_html::Trecho> &trechos, qreal espaco,
                                 const Medidor &medir) {
    if (largura(trechos, medir) <= espaco)
        return trechos;
    QList<grade_html::Trecho> cortados;
    qreal usado = 0;
    for (const grade_html::Trecho &t : trechos) {
        const QString fim(reticencias);
        const qreal larguraFim = medir(fim, t.negrito, t.italico);
        const qreal larguraTrecho = medir(t.texto, t.negrito, t.italico);
        if (usado + larguraTrecho + larguraFim <= espaco) {
            cortados << t;
            usado += larguraTrecho;
            continue;
        }
        grade_html::Trecho ultimo = t;
        ultimo.texto =
            inicioQueCabe(t.texto, espaco - usado - larguraFim, t.negrito, t.italico, medir) + fim;
        cortados << ultimo;
        break;
    }
    return cortados;
}

QString cortar(const QString &texto, const QFont &fonte, qreal espaco) {
    // Measured as a label lays out its text, so that a label holding the
    // result is never wider than `espaco`.
    const QFontMetrics metricas(fonte);
    const Medidor medir = [&metricas](const QString &t, bool, bool) {
        return qreal(
            metricas
                .boundingRect(QRect(0, 0, 1 << 20, 1 << 10), Qt::AlignLeft | Qt::TextSingleLine, t)
                .width());
    };
    return grade_html::textoVisivel(cortar({grade_html::Trecho{texto}}, espaco, medir));
}

bool cortado(const QString &mostrado, const QString &inteiro) {
    return mostrado != inteiro && mostrado.endsWith(reticencias) &&
           inteiro.startsWith(QStringView(mostrado).chopped(1));
}

void ajustarRotulo(QLabel *rotulo, const QString &texto, int espaco) {
    const QString mostrado = cortar(texto, rotulo->font(), espaco);
    rotulo->setText(mostrado);
    rotulo->setToolTip(mostrado == texto ? QString() : texto);
    rotulo->setAccessibleName(texto);
    static DicaComoEscrita dicaComoEscrita;
    rotulo->installEventFilter(&dicaComoEscrita);
    rotulo->adjustSize();
}

void mostrarDica(const QPoint &posicao, const QString &texto, QWidget *widget, const QRect &area) {
    if (!Qt::mightBeRichText(texto)) {
        QToolTip::showText(posicao, texto, widget, area);
        return;
    }
    QToolTip::showText(posicao,
                       u"<p style=\"white-space:pre\">"_s + texto.toHtmlEscaped() + u"</p>"_s,
                       widget, area);
}

} // namespace elisao
