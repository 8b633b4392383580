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
    rotulo->move(posicao);
    rotulo->adjustSize();
    return rotulo;
}
