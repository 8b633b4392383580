#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;

// One picture of the capture tool: a name for the PNG file and a step that
// puts the program in the state to show and returns the window to render.
struct Cena {
    QString nome;
    std::function<QWidget *()> preparar;
};

// Each area of the program adds its scenes.
void cenasMoldura(QList<Cena> &cenas);
void cenasBuscaTitulo(QList<Cena> &cenas);
void cenasBuscaCodigo(QList<Cena> &cenas);
void cenasConversao(QList<Cena> &cenas);
void cenasPaginas(QList<Cena> &cenas);
