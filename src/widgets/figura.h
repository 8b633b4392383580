#pragma once

#include <QPixmap>
#include <QWidget>

// A picture of the artwork at a fixed place. It reports pointer moves (the
// screens reset their links or drag the window from some pictures) and
// presses and releases (drag bands).
class Figura : public QWidget {
    Q_OBJECT
public:
    Figura(QWidget *pai, const QString &nome, const QRect &geometria);
    void definirImagem(const QString &nome);
    const QString &nomeImagem() const { return m_nome; }
    // When the picture is made wider than its artwork, the artwork's columns
    // `inicio` to `fim` (exclusive) stretch to fill the extra width and the
    // columns on either side keep their look: for artwork whose columns
    // there are all alike.
    void definirColunasElasticas(int inicio, int fim);

signals:
    void pressionada(QPoint local);
    void movida(QPoint local);
    void solta(QPoint local);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

private:
    QString m_nome;
    int m_elasticaInicio = -1;
    int m_elasticaFim = -1;
};
