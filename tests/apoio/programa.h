#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

// The whole program inside a test process: its twenty screens created once,
// over a temporary installation (a directory holding `dados/` and `html/`),
// with notices and error messages recorded instead of shown.
namespace programa {

// Makes `diretorio` + "/dados" the given database and `diretorio` + "/html"
// the project's pages (or nothing). Returns the installation directory.
QString instalar(const QString &banco, bool comHtml = true);

// Configures the application and creates the screens (the first call only),
// then shows the home screen as start-up does.
void iniciar();

// Keeps the offscreen platform from saying, at every screen shown, that it
// cannot raise a window (tests that show thousands of screens).
void calarElevacao();

// Shows notices as real modal dialogs (true) or records them (false, the
// default after iniciar).
void avisosReais(bool reais);

// Notices shown since the last call, and error messages of the boundary.
QStringList avisos();
QStringList erros();

// The show, activation and hide events that the navigation raised since the
// last `limparEventos`, as "FormX mostrada", "FormX ativada", "FormX escondida"
// (recorded from `iniciar` on).
QStringList &eventos();
void limparEventos();

// Mouse steps on real widgets, in the widget's own coordinates.
void pressionar(QWidget *alvo, QPoint local, int botao = 1);
void mover(QWidget *alvo, QPoint local, int botoes = 0);
void soltar(QWidget *alvo, QPoint local, int botao = 1);
void clicar(QWidget *alvo, QPoint local = QPoint(2, 2));
void digitar(QWidget *alvo, const QString &texto);
void enter(QWidget *alvo);

} // namespace programa
