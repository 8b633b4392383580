#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;
class TelaPrincipal;

// What the end-to-end robustness tests share: the screens, the ways a user
// types into them and chooses, and one walk through the whole program. They
// move between screens and double-click rows with the search tests' helpers
// (apoio_busca.h), and open the About screen with the page tests' one
// (apoio_paginas.h).
namespace robustez {

// Installs the program over the `dados` directory `banco` and starts it. The
// offscreen platform's note that it cannot raise a window, given at every
// step, is kept out of the log.
void iniciar(const QString &banco);

// The seventeen main screens, in the order of their ids.
QList<TelaPrincipal *> telas();

// Puts `texto` into the box as the user's paste does: from the clipboard,
// at the cursor, within the box's own limit.
void colar(QLineEdit *caixa, const QString &texto);

// Replaces the text of the box with `texto`, pasted.
void substituir(QLineEdit *caixa, const QString &texto);

// The entry `texto` of the list chosen, as the user chooses it.
void escolher(QComboBox *lista, const QString &texto);

// The inputs of a screen as the user set them: the text of each box, the
// tick of each check box, the choice of each list, but those named in
// `excluidas`.
QStringList entradas(QWidget *tela, const QStringList &excluidas = {});

// One walk through the whole program with its own controls: every screen,
// every kind of query (quick search, title and code searches, the structure
// lists, A-Z letters and words, the three family views, the conversions by
// code and by title), the result pages, double clicks and the About screen.
// It starts and ends on the home screen. Returns how many user steps it
// took; every step's outcome is checked (a failure is a test failure).
int percorrer();

} // namespace robustez
