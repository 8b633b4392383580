#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;
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

// The end of every screen test (its cleanup()): a notice or an error message
// that the test did not read is a failure. Then the program goes back to a
// known state: the About screen closed, the home screen current, nothing
// recorded (what going home itself raises, such as a missing page, belongs
// to no test and is dropped).
void encerrarTeste();

// Runs `acao`, which must open the modal `dialogo` (a notice or the exit
// question), and runs `resposta` once the dialog is on view; `resposta` is
// to close it. Returns whether the dialog came and closed: one that never
// comes is a failure, and one that `resposta` leaves open is closed after
// five seconds (a failure too), so that the test cannot hang.
[[nodiscard]] bool responderDialogo(QDialog *dialogo, const std::function<void()> &acao,
                                    const std::function<void()> &resposta);

// The real notice that `acao` raises, closed with Enter: its text, or
// nothing when no notice came or Enter did not close it (responderDialogo).
[[nodiscard]] std::optional<QString> fecharAvisoReal(const std::function<void()> &acao);

// Mouse steps on real widgets, in the widget's own coordinates.
void pressionar(QWidget *alvo, QPoint local, int botao = 1);
void mover(QWidget *alvo, QPoint local, int botoes = 0);
void soltar(QWidget *alvo, QPoint local, int botao = 1);
void clicar(QWidget *alvo, QPoint local = QPoint(2, 2));
void digitar(QWidget *alvo, const QString &texto);
void enter(QWidget *alvo);

} // namespace programa
