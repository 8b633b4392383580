#pragma once

#include <QColor>
#include <QLabel>

// A text label that leads to another screen. Its screen gives it the hover
// style when the pointer moves over it and takes it back when the pointer
// moves over the background; the label only reports the moves and clicks.
// A disabled label is drawn greyed and takes no mouse events. A label marked
// `atual` stands for the view on show: it keeps the hover colour, has the
// arrow cursor and no click.
//
// Tab reaches a label that leads somewhere (a click does not give it the
// focus); while it has the focus it wears a dotted mark, and Enter or Space
// act as a click. Assistive technology sees a link, a button for a page label
// of a pager, or plain text for the label of the view on show
// (acessivel.cpp).
class RotuloLink : public QLabel {
    Q_OBJECT
public:
    enum class Destaque { Sublinhado, Cor };

    RotuloLink(QWidget *pai, const QString &texto, QPoint posicao, const QFont &fonte,
               Destaque destaque, const QColor &corDestaque = QColor());

    void destacar(bool ligado);
    void marcarAtual();
    bool atual() const { return m_atual; }
    // A page label of a pager: the disabled one stands for the page on view.
    void marcarComoPagina() { m_pagina = true; }
    bool pagina() const { return m_pagina; }

signals:
    void sobre();
    void clicado();

protected:
    void paintEvent(QPaintEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

private:
    void aplicarEstilo();

    Destaque m_destaque;
    QColor m_corDestaque;
    QColor m_corRepouso;
    bool m_destacado = false;
    bool m_atual = false;
    bool m_pagina = false;
    bool m_pressionado = false;
};
