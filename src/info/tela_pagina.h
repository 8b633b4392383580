#pragma once

#include "tela_principal.h"

class Figura;
class PainelCor;
class VisualizadorHtml;

// Where the pieces of a page screen lie, from the top down, and its page.
struct Pagina {
    QString arquivo;        // file name in the html directory
    int topoTitulo;         // the heading
    int topoMoldura;        // the viewer's frame
    int alturaVisualizador; // the viewer's height (its width is 683)
    int topoImpressao;      // the print picture
};

// A screen that shows one HTML page of the html directory beside the
// program (the information, regulation and legislation pages): the heading
// "Informações Gerais da ZEL" over a divider, the page viewer in a black
// frame, a second divider under it and the print picture. The page is read
// again every time the screen is activated.
class TelaPagina : public TelaPrincipal {
    Q_OBJECT
public:
    TelaPagina(IdTela id, const Moldura &moldura, const Pagina &pagina);

    // Empties the toolbar caption (where there is one), loads the page, then
    // takes the shared position (rule B). A missing page ends the activation
    // with its error: the screen then stays where it was and the viewer keeps
    // what it showed.
    void prcRestaurarJanela() override;

    // The page's file in the html directory beside the program.
    QString caminhoPagina() const;

    QLabel *obj_Lb_Informacoes;
    Figura *obj_Img_Divisoria;
    PainelCor *obj_Lb_WebBrownser_Borda;
    VisualizadorHtml *obj_WebBrowser;
    Figura *obj_Img_Divisoria_2;
    Figura *obj_Bt_Impressao;

private:
    QString m_arquivo;
};
