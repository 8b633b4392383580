#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

namespace rotulos {

// A text label at `posicao` in `pai`, sized to its text, named `nome` (when
// given), in `fonte` and, when valid, the colour `cor`.
QLabel *novo(QWidget *pai, const QString &nome, const QString &texto, QPoint posicao,
             const QFont &fonte, const QColor &cor = QColor());

// A heading whose text the mouse can select; Ctrl+C and its context menu
// ("Copiar") copy the selection, or the whole text when nothing is selected
// (a heading cut with "…" copies the whole of it).
void tornarSelecionavel(QLabel *rotulo);

} // namespace rotulos
