#pragma once

#include "tela_principal.h"

struct ConfiguracaoPaginador;

class Paginador;
class QGroupBox;

// The search results screen: the titles found by a search of the home
// screen, of the title search screen or of a quick search, page by page. It
// runs no search but its own quick search: it reads the open query of the
// search it was handed (its origin), whose tag it records in `strOrigem`.
class Tobj_Form_FormRespostaBusca : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormRespostaBusca();

    // Where the screen puts its pager, and how many rows a page holds.
    static ConfiguracaoPaginador configuracaoPaginador();

    // Takes `origem` as the search to list, shows this screen and hides
    // `tela`, the screen that searched.
    void listar(TelaPrincipal *tela, OrigemBusca &origem);

    void prcRestaurarJanela() override;
    void telaAtivada() override;
    void prcAlimentaGrid();
    Qt::Alignment prcAlinhaGrid(int linha, int coluna) const;
    void prcMostraDetalheFamilia(int linha);

    // The query whose rows the screen lists: its origin's, or a query never
    // opened, with no rows, while the screen has listed no search.
    Consulta &consultaDeOrigem();

    QString strOrigem;

    QGroupBox *obj_Grupo_Pesquisa;
    Grade *obj_SortGrid_BuscaTitulosAZ;
    QLabel *obj_Lb_avisoClick;
    Paginador *paginador;

private:
    void definirLarguras();
    void definirOrigem(OrigemBusca &origem);
    // The frame's quick search hands its result here.
    static void receberBuscaRapida(TelaPrincipal *tela, OrigemBusca &origem);

    OrigemBusca *m_origem = nullptr;
    Consulta m_semOrigem;
};

extern Tobj_Form_FormRespostaBusca *obj_Form_FormRespostaBusca;
