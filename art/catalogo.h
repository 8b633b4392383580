#pragma once

#include <QPainter>
#include <QSize>
#include <QString>
#include <vector>

// A picture of the program: its resource name, its designed size in screen
// pixels (it is stored at twice that size) and the function that draws it.
struct Quadro {
    QString nome;
    QSize tamanho;
    void (*desenhar)(QPainter &p, QSizeF tamanho);
};

const std::vector<Quadro> &catalogo();
