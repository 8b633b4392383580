#pragma once

#include "tela_principal.h"

class Memo;
class PainelCor;

// The work characteristics screen: the second view of a family, with its
// general conditions of exercise and the training and experience it asks
// for, one paragraph per row of the family's TTemplate rows. The texts are
// read again every time the screen is activated.
class Tobj_Form_FormDescricaoCaracteristicas : public TelaFamilia {
    Q_OBJECT
public:
    Tobj_Form_FormDescricaoCaracteristicas();

    void prcRestaurarJanela() override;
    void prcAlimentaDescricao();

    QLabel *obj_Lb_Descr_Familia;
    QLabel *obj_Lb_Titulo;
    QLabel *obj_Lb_Excecao;
    PainelCor *obj_Painel_Memo_Descricao_Sombra;
    PainelCor *obj_Panel_Excecao_Sombra;
    Memo *obj_Memo_Descricao;
    Memo *obj_MemoFormacao;

    Consulta obj_DB_QUERY_DescricaoCondicoes;
    Consulta obj_DB_QUERY_DescricaoFormacao;
};

extern Tobj_Form_FormDescricaoCaracteristicas *obj_Form_FormDescricaoCaracteristicas;
