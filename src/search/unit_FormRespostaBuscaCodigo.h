#pragma once

#include "tela_principal.h"

struct ConfiguracaoPaginador;

class Grade;
class Paginador;
class QGroupBox;
class QLabel;

// The code search results screen: the family and occupations found by a code
// search, page by page. It runs no query for its list: it reads the open
// query of the screen named by `strOrigem`.
class Tobj_Form_FormRespostaBuscaCodigo : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormRespostaBuscaCodigo();

    // Where the screen puts its pager, and how many rows a page holds.
    static ConfiguracaoPaginador configuracaoPaginador();

    // "BuscaCodigo": the code search screen's query; "capa": the home
    // screen's. Written by the screen that opens this one.
    QString strOrigem;

    void telaAtivada() override;
    void prcRestaurarJanela() override;
    void prcAlimentaGrid();
    Qt::Alignment prcAlinhaGrid(int linha, int coluna) const;
    void prcMostraDetalheFamilia(int linha);

    QGroupBox *obj_Grupo_Pesquisa;
    Grade *obj_SortGrid_BuscaTitulosAZ;
    Paginador *paginador;
    QLabel *obj_Lb_avisoClick;

private:
    Consulta &consultaDaOrigem() const;
    void definirLarguras(int codigo, int titulo);
};

extern Tobj_Form_FormRespostaBuscaCodigo *obj_Form_FormRespostaBuscaCodigo;
