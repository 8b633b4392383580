#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace cenas {

// One picture of the capture tool: a name for the PNG file and a step that
// puts the program in the state to show and returns the window to render.
struct Cena {
    QString nome;
    std::function<QWidget *()> preparar;
};

// Every scene, in the order they are rendered. The program must have been
// started (aplicacao::iniciar) with notices recorded.
QList<Cena> todas();

// The text of every notice the program gives, "\r" starting a new line.
QStringList textosDosAvisos();

// Steps that several scenes take: a conversion by code run from its screen
// (the results screen returned), and the titles of `base` that contain
// `palavra` listed by the conversion by title (its results screen returned).
QWidget *converterCodigo(const QString &de, const QString &codigo, const QString &para);
QWidget *listarTitulos(const QString &base, const QString &palavra);

// Each area of the program adds its scenes.
void daMoldura(QList<Cena> &lista);
void daBuscaTitulo(QList<Cena> &lista);
void daBuscaCodigo(QList<Cena> &lista);
void daConversao(QList<Cena> &lista);
void dasPaginas(QList<Cena> &lista);
// The longest texts of the classification in use (found by querying it) on
// every screen that shows them, each notice, page numbers of three digits.
void dosTextosLongos(QList<Cena> &lista);

} // namespace cenas
