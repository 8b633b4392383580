#include "figura.h"

#include "imagens.h"

#include <QMouseEvent>
#include <QPainter>

Figura::Figura(QWidget *pai, const QString &nome, const QRect &geometria)
    : QWidget(pai), m_nome(nome) {
    setGeometry(geometria);
    setMouseTracking(true);
}

void Figura::definirImagem(const QString &nome) {
    if (nome == m_nome)
        return;
    m_nome = nome;
    update();
}

void Figura::paintEvent(QPaintEvent *) {
    QPainter pintor(this);
    pintor.drawPixmap(0, 0, imagens::pixmap(m_nome));
}

void Figura::mousePressEvent(QMouseEvent *evento) {
    emit pressionada(evento->position().toPoint());
}
void Figura::mouseMoveEvent(QMouseEvent *evento) {
    emit movida(evento->position().toPoint());
}
void Figura::mouseReleaseEvent(QMouseEvent *evento) {
    emit solta(evento->position().toPoint());
}
