#pragma once

#include "grade_html.h"

#include <QList>
#include <QString>
#include <functional>

class QFont;
class QLabel;
class QPoint;
class QRect;
class QWidget;

// The one way a text that does not fit its room is shown: cut at the last
// character that leaves room for "…", blanks before the cut dropped, and
// ended with "…"; whoever shows it gives the whole text as its tooltip.
// Labels, headings, grid cells and list entries all pass here.
namespace elisao {

inline constexpr QChar reticencias = QChar(0x2026);

// The advance of `texto` drawn in the style of a run (bold, italic).
using Medidor = std::function<qreal(const QString &texto, bool negrito, bool italico)>;

// The runs as they fit `largura` pixels: unchanged when they fit, else cut
// and ended with "…" in the style of the run where the cut falls.
QList<grade_html::Trecho> cortar(const QList<grade_html::Trecho> &trechos, qreal largura,
                                 const Medidor &medir);

// A plain text in the label's font, `largura` pixels wide at most.
QString cortar(const QString &texto, const QFont &fonte, qreal largura);

// Whether `mostrado` is `inteiro` cut by `cortar`.
bool cortado(const QString &mostrado, const QString &inteiro);

// Gives the label `texto` within `largura` pixels from its left edge: the
// label takes its text's size, or `largura` with the text cut and the whole
// text as its tooltip (no tooltip when it fits) and, for assistive
// technology, as its name. The label's tooltip, this one or one given later,
// shows as `mostrarDica` shows it.
void ajustarRotulo(QLabel *rotulo, const QString &texto, int largura);

// Shows `texto` as the tooltip of `widget` at `posicao` (global), while the
// pointer stays in `area` (the whole widget when empty), exactly as written:
// a text that Qt would take for rich text ("<b>", "&lt;") is given to it
// escaped, on one line.
void mostrarDica(const QPoint &posicao, const QString &texto, QWidget *widget, const QRect &area);

} // namespace elisao
