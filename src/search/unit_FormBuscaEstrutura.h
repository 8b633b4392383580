#pragma once

#include "tela_principal.h"

class QComboBox;
class QGroupBox;
class QLabel;

// The structure browser: the classification walked from the major groups
// down to the families of a subgroup. Its major groups are read while the
// screen is created, at start-up.
class Tobj_Form_FormBuscaEstrutura : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormBuscaEstrutura();

    void prcInicializa();

    QGroupBox *obj_Grupo_Pesquisa;
    QLabel *obj_Lb_GrandeGrupo;
    QComboBox *obj_ComboBoxGrandeGrupo;
    Consulta obj_DB_QUERY_BuscaEstrutura_GrandeGrupo;

private:
    void prcAlimentaGrandeGrupo();
};

extern Tobj_Form_FormBuscaEstrutura *obj_Form_FormBuscaEstrutura;
