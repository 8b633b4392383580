#pragma once

#include <QList>

class QWidget;

// The twenty screens of the program, created once at start-up and alive until
// it ends.
namespace registro {

// Creates the screens hidden, in their fixed order; the first, the home
// screen, is the main window. The structure browser reads its major groups
// from the database while it is created.
void criarTelas();

// The screens in the order they were created.
const QList<QWidget *> &telas();

} // namespace registro
