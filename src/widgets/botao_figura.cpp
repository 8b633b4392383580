#include "botao_figura.h"

#include "acessivel.h"
#include "foco.h"

#include <QKeyEvent>
#include <QMouseEvent>

BotaoFigura::BotaoFigura(QWidget *pai, const QString &nome, const QRect &geometria, Modo modo)
    : Figura(pai, nome, geometria), m_modo(modo) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    acessivel::instalar();
}

void BotaoFigura::paintEvent(QPaintEvent *evento) {
    Figura::paintEvent(evento);
    foco::marcarSeFocado(this);
}

void BotaoFigura::keyPressEvent(QKeyEvent *evento) {
    if (acessivel::teclaDeClique(*evento))
        acionar();
    else
        Figura::keyPressEvent(evento);
}

void BotaoFigura::mousePressEvent(QMouseEvent *evento) {
    if (!m_afundado) {
        m_afundado = true;
        move(pos() + QPoint(1, 1));
    }
    Figura::mousePressEvent(evento);
}

void BotaoFigura::mouseReleaseEvent(QMouseEvent *evento) {
    if (!m_afundado)
        return;
    // The release of the last button held ends the press.
    if (evento->buttons() != Qt::NoButton)
        return;
    m_afundado = false;
    move(pos() - QPoint(1, 1));
    Figura::mouseReleaseEvent(evento);
    if (m_modo == Modo::AoSoltar || rect().contains(evento->position().toPoint()))
        emit clicado();
}

PainelCor::PainelCor(QWidget *pai, const QColor &cor, const QRect &geometria) : QWidget(pai) {
    setGeometry(geometria);
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, cor);
    setPalette(paleta);
}
