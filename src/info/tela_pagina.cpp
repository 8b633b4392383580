#include "tela_pagina.h"

#include "acessivel.h"
#include "botao_figura.h"
#include "fontes.h"
#include "rotulos.h"
#include "unit_global.h"
#include "visualizador_html.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

constexpr int esquerda = 12;        // left edge of the frame and the dividers
constexpr int larguraMoldura = 685; // the viewer is 683 wide, framed by one pixel
constexpr int folgaDivisoria = 8;   // from a divider to the frame it borders

// The page is loaded before the position rule runs, and it may be missing:
// the navigation must not move the window to the shared position beforehand.
Moldura semAntecipar(Moldura moldura) {
    moldura.antecipaPosicao = false;
    return moldura;
}

} // namespace

TelaPagina::TelaPagina(IdTela id, const Moldura &moldura, const Pagina &pagina)
    : TelaPrincipal(id, semAntecipar(moldura)), m_arquivo(pagina.arquivo) {
    obj_Lb_Informacoes =
        rotulos::novo(this, u"obj_Lb_Informacoes"_s, u"Informações Gerais da ZEL"_s,
                      QPoint(8, pagina.topoTitulo), fontes::verdana(fontes::pt10, true));

    const QRect borda(esquerda, pagina.topoMoldura, larguraMoldura, pagina.alturaVisualizador + 2);
    obj_Img_Divisoria = new Figura(
        this, u"divisoria"_s, QRect(esquerda, borda.top() - folgaDivisoria, larguraMoldura, 2));
    obj_Img_Divisoria->setObjectName(u"obj_Img_Divisoria"_s);

    // The frame is a black panel one pixel larger than the viewer on every side.
    obj_Lb_WebBrownser_Borda = new PainelCor(this, Qt::black, borda);
    obj_Lb_WebBrownser_Borda->setObjectName(u"obj_Lb_WebBrownser_Borda"_s);
    obj_WebBrowser = new VisualizadorHtml(obj_Lb_WebBrownser_Borda);
    obj_WebBrowser->setObjectName(u"obj_WebBrowser"_s);
    acessivel::nomearPeloRotulo(obj_Lb_Informacoes, obj_WebBrowser);
    obj_WebBrowser->setGeometry(1, 1, borda.width() - 2, borda.height() - 2);

    obj_Img_Divisoria_2 =
        new Figura(this, u"divisoria"_s,
                   QRect(esquerda, borda.bottom() + folgaDivisoria / 2, larguraMoldura, 2));
    obj_Img_Divisoria_2->setObjectName(u"obj_Img_Divisoria_2"_s);

    // A picture with a tooltip and no action.
    obj_Bt_Impressao = new Figura(this, u"bt_imprimir"_s, QRect(683, pagina.topoImpressao, 11, 11));
    obj_Bt_Impressao->setObjectName(u"obj_Bt_Impressao"_s);
    obj_Bt_Impressao->setToolTip(u"Imprimir"_s);
}

void TelaPagina::prcRestaurarJanela() {
    limparLDescricao();
    obj_WebBrowser->carregar(caminhoPagina());
    aplicarRegraPosicao();
}

// The directory keeps its case: file systems here tell capitals apart.
QString TelaPagina::caminhoPagina() const {
    return ::caminhoPagina(m_arquivo);
}
