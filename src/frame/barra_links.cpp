#include "barra_links.h"

#include "fronteira.h"

BarraLinks::BarraLinks(QWidget *tela, RotuloLink::Destaque destaque, const QColor &cor, int propria,
                       Propria comoPropria, std::function<void()> aoDesmarcar)
    : m_tela(tela), m_destaque(destaque), m_cor(cor), m_propria(propria),
      m_comoPropria(comoPropria), m_aoDesmarcar(std::move(aoDesmarcar)) {}

RotuloLink *BarraLinks::adicionar(const QString &nome, const QString &texto, QPoint posicao,
                                  const QFont &fonte, const std::function<void()> &clique) {
    auto *link = new RotuloLink(m_tela, texto, posicao, fonte, m_destaque, m_cor);
    link->setObjectName(nome);
    const int indice = int(m_links.size());
    m_links << link;
    if (indice == m_propria) {
        if (m_comoPropria == Propria::Atual) {
            link->marcarAtual();
            QObject::connect(link, &RotuloLink::sobre, m_tela, [this] { desmarcar(); });
        } else {
            link->setEnabled(false);
        }
        return link;
    }
    QObject::connect(link, &RotuloLink::sobre, m_tela, [this, indice] { destacar(indice); });
    fronteira::conectar(link, &RotuloLink::clicado, m_tela, clique);
    return link;
}

void BarraLinks::destacar(int indice) {
    desmarcar();
    m_links[indice]->destacar(true);
}

void BarraLinks::desmarcar() {
    for (RotuloLink *link : std::as_const(m_links))
        link->destacar(false);
    if (m_aoDesmarcar)
        m_aoDesmarcar();
}
