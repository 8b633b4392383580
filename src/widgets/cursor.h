#pragma once

#include <Qt>

// The application-wide cursor (busy while a list is filled, four-headed while
// a window is dragged). At most one shape is set over the widgets' own
// cursors; `normal` gives them back.
namespace cursor {

void definir(Qt::CursorShape forma);
void normal();
bool ocupado(); // a shape is set

} // namespace cursor
