#pragma once

#include "rotulo_link.h"

#include <QList>
#include <functional>

// A screen's row of link labels: the search links, the conversion links, the
// family menu or the legislation bar. The pointer over a link gives it the
// hover style and takes it from the others; `desmarcar` takes it from all.
// The screen's own link leads nowhere: it is disabled, or, in a bar that
// marks the view on show (the family menu), drawn as the current view.
class BarraLinks {
public:
    enum class Propria { Desabilitada, Atual };

    // `propria`: the index of the screen's own link (-1: none). `aoDesmarcar`
    // runs whenever the hover style is taken from the links.
    BarraLinks(QWidget *tela, RotuloLink::Destaque destaque, const QColor &cor, int propria,
               Propria comoPropria, std::function<void()> aoDesmarcar = {});

    // The next link of the bar, leading to `clique` (inside the error
    // boundary) unless it is the screen's own.
    RotuloLink *adicionar(const QString &nome, const QString &texto, QPoint posicao,
                          const QFont &fonte, const std::function<void()> &clique);

    void destacar(int indice);
    void desmarcar();

    const QList<RotuloLink *> &links() const { return m_links; }

private:
    QWidget *m_tela;
    RotuloLink::Destaque m_destaque;
    QColor m_cor;
    int m_propria;
    Propria m_comoPropria;
    std::function<void()> m_aoDesmarcar;
    QList<RotuloLink *> m_links;
};
