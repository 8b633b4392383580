#include "foco.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace foco {

namespace {

struct Lugar {
    QWidget *controle;
    QRect area; // in the window's coordinates
};

bool recebeTab(const QWidget *controle, const QWidget *janela) {
    return controle->window() == janela && !controle->isWindow() && !controle->focusProxy() &&
           (controle->focusPolicy() & Qt::TabFocus);
}

QList<QWidget *> emOrdemDeLeitura(QList<Lugar> lugares) {
    std::stable_sort(lugares.begin(), lugares.end(),
                     [](const Lugar &a, const Lugar &b) { return a.area.top() < b.area.top(); });
    QList<QWidget *> ordem;
    for (qsizetype inicio = 0; inicio < lugares.size();) {
        const QRect &primeira = lugares[inicio].area;
        qsizetype fim = inicio + 1;
        while (fim < lugares.size() && lugares[fim].area.center().y() <= primeira.bottom())
            ++fim;
        std::stable_sort(
            lugares.begin() + inicio, lugares.begin() + fim,
            [](const Lugar &a, const Lugar &b) { return a.area.left() < b.area.left(); });
        for (qsizetype i = inicio; i < fim; ++i)
            ordem.append(lugares[i].controle);
        inicio = fim;
    }
    return ordem;
}

} // namespace

void ordenarPorLeitura(QWidget *janela, const QList<QWidget *> &sequencia) {
    QList<Lugar> lugares;
    for (QWidget *controle : janela->findChildren<QWidget *>())
        if (recebeTab(controle, janela))
            lugares.append(
                {controle, QRect(controle->mapTo(janela, QPoint(0, 0)), controle->size())});
    QList<QWidget *> ordem = emOrdemDeLeitura(lugares);
    const qsizetype lugar = sequencia.isEmpty() ? -1 : ordem.indexOf(sequencia.first());
    if (lugar >= 0) {
        QList<QWidget *> comSequencia;
        for (qsizetype i = 0; i < ordem.size(); ++i) {
            if (i == lugar)
                for (QWidget *controle : sequencia)
                    if (ordem.contains(controle))
                        comSequencia.append(controle);
            if (!sequencia.contains(ordem[i]))
                comSequencia.append(ordem[i]);
        }
        ordem = comSequencia;
    }
    for (qsizetype i = 1; i < ordem.size(); ++i)
        QWidget::setTabOrder(ordem[i - 1], ordem[i]);
}

bool peloTeclado(Qt::FocusReason razao) {
    return razao == Qt::TabFocusReason || razao == Qt::BacktabFocusReason ||
           razao == Qt::ShortcutFocusReason;
}

void marcarSeFocado(QWidget *controle) {
    if (!controle->hasFocus())
        return;
    QPainter pintor(controle);
    pintarMarca(pintor, controle->rect());
}

void pintarMarca(QPainter &pintor, const QRect &area) {
    pintor.save();
    const QRect marca = area.adjusted(0, 0, -1, -1);
    pintor.setPen(QPen(Qt::white, 1));
    pintor.drawRect(marca);
    pintor.setPen(QPen(Qt::black, 1, Qt::DotLine));
    pintor.drawRect(marca);
    pintor.restore();
}

} // namespace foco
