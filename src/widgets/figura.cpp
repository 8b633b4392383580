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
    const QSizeF tamanho = figura.deviceIndependentSize();
    const int extra = width() - qRound(tamanho.width());
    if (extra <= 0 || m_elasticaInicio < 0) {
        pintor.drawPixmap(0, 0, figura);
        return;
    }
    // The artwork is drawn at its own pixel density: places on the widget are
    // in the widget's units, columns of the artwork in its own pixels.
    const qreal densidade = figura.devicePixelRatio();
    const qreal h = tamanho.height();
    const auto colunas = [&](qreal inicio, qreal largura) {
        return QRectF(inicio * densidade, 0, largura * densidade, h * densidade);
    };
    const qreal direita = tamanho.width() - m_elasticaFim;
    const qreal elastica = m_elasticaFim - m_elasticaInicio;
    pintor.drawPixmap(QRectF(0, 0, m_elasticaInicio, h), figura, colunas(0, m_elasticaInicio));
    pintor.drawPixmap(QRectF(m_elasticaInicio, 0, elastica + extra, h), figura,
                      colunas(m_elasticaInicio, elastica));
    pintor.drawPixmap(QRectF(width() - direita, 0, direita, h), figura,
                      colunas(m_elasticaFim, direita));
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
