#pragma once

#include <QList>

class QWidget;

// The twenty screens of the program, created once at start-up and owned here
// until the application object is destroyed: its destruction destroys them
// first, in the reverse order of their creation.
namespace registro {

// Creates the screens hidden, in their fixed order; the first, the home
// screen, is the main window. The structure browser reads its major groups
// from the database while it is created.
void criarTelas();

// The screens in the order they were created.
const QList<QWidget *> &telas();

// Destroys the screens, the last created first, and clears the names they
// are reached by (`obj_Form_...`). The application object's destruction
// runs it; nothing shows a screen afterwards.
void destruirTelas();

} // namespace registro
