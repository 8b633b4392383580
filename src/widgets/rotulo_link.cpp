#include "rotulo_link.h"

#include "acessivel.h"
#include "foco.h"

#include <QKeyEvent>
#include <QMouseEvent>

RotuloLink::RotuloLink(QWidget *pai, const QString &texto, QPoint posicao, const QFont &fonte,
                       Destaque destaque, const QColor &corDestaque)
    : QLabel(texto, pai), m_destaque(destaque), m_corDestaque(corDestaque),
      m_corRepouso(Qt::black) {
    setFont(fonte);
    move(posicao); // sized to its text when first shown
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    aplicarEstilo();
    acessivel::instalar();
}

void RotuloLink::destacar(bool ligado) {
    if (m_atual || ligado == m_destacado)
        return;
    m_destacado = ligado;
    aplicarEstilo();
}

void RotuloLink::marcarAtual() {
    m_atual = true;
    m_destacado = true;
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::NoFocus);
    aplicarEstilo();
}

void RotuloLink::aplicarEstilo() {
    QFont f = font();
    f.setUnderline(m_destaque == Destaque::Sublinhado && m_destacado);
    setFont(f);
    QPalette paleta = palette();
    const bool colorido = m_destaque == Destaque::Cor && m_destacado;
    paleta.setColor(QPalette::Active, QPalette::WindowText,
                    colorido ? m_corDestaque : m_corRepouso);
    paleta.setColor(QPalette::Inactive, QPalette::WindowText,
                    colorido ? m_corDestaque : m_corRepouso);
    setPalette(paleta);
}

void RotuloLink::paintEvent(QPaintEvent *evento) {
    QLabel::paintEvent(evento);
    foco::marcarSeFocado(this);
}

void RotuloLink::keyPressEvent(QKeyEvent *evento) {
    if (!acessivel::teclaDeClique(*evento)) {
        QLabel::keyPressEvent(evento);
        return;
    }
    if (!m_atual)
        emit clicado();
}

void RotuloLink::mouseMoveEvent(QMouseEvent *) {
    emit sobre();
}

void RotuloLink::mousePressEvent(QMouseEvent *evento) {
    m_pressionado = evento->button() == Qt::LeftButton;
}

void RotuloLink::mouseReleaseEvent(QMouseEvent *evento) {
    const bool clique = m_pressionado && evento->button() == Qt::LeftButton &&
                        rect().contains(evento->position().toPoint());
    m_pressionado = false;
    if (clique && !m_atual)
        emit clicado();
}
