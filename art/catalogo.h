#pragma once

#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

// A picture of the program: its resource name, its designed size in screen
// pixels (it is stored at twice that size) and what draws it.
struct Quadro {
    QString nome;
    QSize tamanho;
    std::function<void(QPainter &p, QSizeF tamanho)> desenhar;
};

const std::vector<Quadro> &catalogo();
