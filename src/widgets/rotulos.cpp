#include "rotulos.h"

#include <QLabel>

QLabel *novoRotulo(QWidget *pai, const QString &nome, const QString &texto, QPoint posicao,
                   const QFont &fonte, const QColor &cor) {
    auto *rotulo = new QLabel(texto, pai);
    if (!nome.isEmpty())
        rotulo->setObjectName(nome);
    rotulo->setFont(fonte);
    if (cor.isValid()) {
        QPalette paleta = rotulo->palette();
        paleta.setColor(QPalette::WindowText, cor);
        rotulo->setPalette(paleta);
    }
    // Not resized here: Qt gives the label its text's size when it is first
    // shown, so the text of screens never opened is never laid out.
    rotulo->move(posicao);
    return rotulo;
}
