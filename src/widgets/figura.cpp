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

void Figura::definirColunasElasticas(int inicio, int fim) {
    m_elasticaInicio = inicio;
    m_elasticaFim = fim;
    update();
}

void Figura::paintEvent(QPaintEvent *) {
    QPainter pintor(this);
    const QPixmap &figura = imagens::pixmap(m_nome);
    const int extra = width() - figura.width();
    if (extra <= 0 || m_elasticaInicio < 0) {
        pintor.drawPixmap(0, 0, figura);
        return;
    }
    const int h = figura.height();
    const int direita = figura.width() - m_elasticaFim;
    pintor.drawPixmap(0, 0, figura, 0, 0, m_elasticaInicio, h);
    pintor.drawPixmap(QRect(m_elasticaInicio, 0, m_elasticaFim - m_elasticaInicio + extra, h),
                      figura, QRect(m_elasticaInicio, 0, m_elasticaFim - m_elasticaInicio, h));
    pintor.drawPixmap(width() - direita, 0, figura, m_elasticaFim, 0, direita, h);
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
