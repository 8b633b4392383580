#pragma once

#include <QPoint>
#include <cstdint>

class QWidget;

// Moving a borderless window by hand: the press remembers where in the
// grabbed picture the pointer was; every move while the button is held shifts
// the window by the pointer's travel, so the grabbed point stays under the
// pointer. The picture holds the mouse from press to release. Where the
// platform does not let a window place itself (Wayland), the press hands the
// move to the compositor instead, which ends it at the release.
struct Arraste {
    bool blnArrastandoJanela = false;
    int32_t intCliqueX = 0;
    int32_t intCliqueY = 0;

    void iniciar(QWidget *janela, QPoint local);
    // Moves `janela` when a drag is in progress (with the four-headed cursor).
    void arrastar(QWidget *janela, QPoint local);
    void finalizar();
};

// Places a window at the centre of the free area of the monitor that
// `referencia` is on (the window it opens over), or of the primary monitor
// without one. A window larger than that area keeps its top-left corner
// inside it: its top band, by which it is dragged, stays within reach.
void centrarNaTela(QWidget *janela, const QWidget *referencia = nullptr);

// Centres a window that opens over `referencia` (centrarNaTela) the first
// time, when `centrada` is still false, and whenever `referencia` has gone to
// another monitor since; otherwise the window stays where it was last left.
void centrarNoMonitorDe(QWidget *janela, const QWidget *referencia, bool &centrada);
