#pragma once

#include <Qt>
#include <optional>

// The application-wide cursor (busy while a list is filled, four-headed while
// a window is dragged). At most one shape is set over the widgets' own
// cursors; `normal` gives them back.
namespace cursor {

void definir(Qt::CursorShape forma);
void normal();
bool ocupado(); // a shape is set

// The busy cursor while a scope runs (a list being filled): set when made,
// and when the scope ends (or `terminar` is called) the cursor goes back to
// what it was before, an error's unwinding included.
class Ocupado {
public:
    Ocupado();
    ~Ocupado() { terminar(); }
    Ocupado(const Ocupado &) = delete;
    Ocupado &operator=(const Ocupado &) = delete;

    void terminar();

private:
    bool m_ativo = true;
    std::optional<Qt::CursorShape> m_anterior;
};

} // namespace cursor
