#pragma once

#include <cstdint>

class QWidget;

// The shared window position: left and top edge of the main screen window,
// 0 at start. A position counts as stored only when both are non-zero.
extern int32_t intJanelaX;
extern int32_t intJanelaY;

namespace posicao {

bool guardada();

// Rule A: adopt the stored position, or record this window's own.
void regraA(QWidget *janela);
// Rule B: adopt the stored position; otherwise leave the window where it is.
void regraB(QWidget *janela);
// Rule C: adopt the stored pair, whatever it holds.
void regraC(QWidget *janela);
// Records the window's left and top edge as the shared position.
void registrar(const QWidget *janela);

} // namespace posicao
