#pragma once

#include "figura.h"

// A picture that acts as a button. While a mouse button (any of them) is held
// on it, it sits one pixel right and down. In the mode `AoSoltar` the action
// happens on the release wherever the pointer then is (the button holds the
// mouse from the press); in the mode `Clique` only when the release is over
// the button, like an ordinary click.
//
// Tab reaches it (a click does not give it the focus); while it has the
// focus it wears a dotted mark, and Enter or Space act as a click. Assistive
// technology sees a button named by its accessible name or, without one, its
// tooltip (acessivel.cpp).
class BotaoFigura : public Figura {
    Q_OBJECT
public:
    enum class Modo { Clique, AoSoltar };

    BotaoFigura(QWidget *pai, const QString &nome, const QRect &geometria,
                Modo modo = Modo::Clique);

    // What a click does.
    void acionar() { emit clicado(); }

signals:
    void clicado();

protected:
    void paintEvent(QPaintEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

private:
    Modo m_modo;
    bool m_afundado = false;
};

// A plain rectangle of one colour: the shadow of a picture button, or the
// black frame drawn behind a text box, a memo or a grid.
class PainelCor : public QWidget {
    Q_OBJECT
public:
    PainelCor(QWidget *pai, const QColor &cor, const QRect &geometria);
};
