#pragma once

#include "tela_principal.h"

struct ConfiguracaoPaginador;

class BotaoFigura;
class Grade;
class Paginador;
class QComboBox;
class QGroupBox;
class QLabel;

// The structure browser: the classification walked from the major groups
// down to the families of a subgroup, five to a page. Its major groups are
// read while the screen is created, at start-up. Choosing at one level clears
// every level below it; only choosing a subgroup shows the family list.
class Tobj_Form_FormBuscaEstrutura : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormBuscaEstrutura();

    // Where the screen puts its pager, and how many rows a page holds.
    static ConfiguracaoPaginador configuracaoPaginador();

    void prcInicializa();
    // Activation: the shared position and page 1; a family list on view is
    // filled again, so that its page, labels and arrows agree.
    void prcRestaurarJanela() override;
    void prcChamaAlimentaSGP();
    void prcChamaAlimentaSG();
    void prcChamaAlimentaFamilia();
    void prcNovaBusca();
    void prcMostraDetalheFamilia(int linha);

    QGroupBox *obj_Grupo_Pesquisa;
    QLabel *obj_Lb_GrandeGrupo;
    QLabel *obj_Lb_SGP;
    QLabel *obj_Lb_SubGrupo;
    QComboBox *obj_ComboBoxGrandeGrupo;
    QComboBox *obj_ComboBoxSGP;
    QComboBox *obj_ComboBoxSubGrupo;
    QWidget *obj_Panel_Resultado;
    Grade *obj_SortGrid_BuscaEstrutura;
    Paginador *paginador;
    BotaoFigura *obj_Bt_NovaBusca;
    QLabel *obj_Lb_avisoClick;
    QLabel *obj_Lb_Legenda;
    QLabel *obj_Lb_Ajuda;

    Consulta obj_DB_QUERY_BuscaEstrutura_GrandeGrupo;
    Consulta obj_DB_QUERY_BuscaEstrutura_SGP;
    Consulta obj_DB_QUERY_BuscaEstrutura_SubGrupo;
    Consulta obj_DB_QUERY_BuscaEstrutura_Familia;

private:
    void criarListas();
    void criarResultado();
    void prcAlimentaGrandeGrupo();
    void prcAlimentaSGP();
    void prcAlimentaSG();
    void prcAlimentaFamilia();
    void prcAlimentaGridFamilia();
    void reiniciarFamilias();
    void mostrarResultado(bool visivel);
};

extern Tobj_Form_FormBuscaEstrutura *obj_Form_FormBuscaEstrutura;
