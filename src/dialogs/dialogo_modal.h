#pragma once

#include "arraste.h"

#include <QDialog>

class Figura;

// A small borderless modal dialog drawn from a background picture, by which
// it is dragged. It is centred on the monitor of the window it opens over
// the first time it is shown, and comes back wherever it was last left while
// that window stays on the same monitor. It answers no key of its own:
// Escape does not close it (a dialog that answers a key says so).
class DialogoModal : public QDialog {
    Q_OBJECT
public:
    DialogoModal(const QString &fundo, const QString &nomeFundo, QSize tamanho);

    void prcIniciaArrastarJanela(QPoint local) { arraste.iniciar(this, local); }
    void prcArrastarJanela(QPoint local) { arraste.arrastar(this, local); }
    void prcFinalizaArrastarJanela() { arraste.finalizar(); }

    int exec() override;

    Arraste arraste;

protected:
    Figura *fundo() const { return m_fundo; }
    void keyPressEvent(QKeyEvent *evento) override;

private:
    Figura *m_fundo;
    bool m_centrado = false;
};
