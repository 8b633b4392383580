#pragma once

#include "conversao.h"
#include "tela_principal.h"

class QComboBox;

// The family conversion screen: the family on view converted from ZEL2002
// to ZEL94 or CIUO88.
class Tobj_Form_FormDescricaoConversao : public TelaFamilia, public OrigemConversao {
    Q_OBJECT
public:
    Tobj_Form_FormDescricaoConversao();

    void prcTabuaTestaConverterEnvia();

    Consulta &resultadoConversao() override { return obj_DB_QUERY_Tabua; }
    Conversao conversaoFeita() const override;

    // The target base; its choice is kept between visits.
    QComboBox *obj_Combo_Para = nullptr;
    BotaoFigura *obj_Bt_Ok = nullptr;
    Consulta obj_DB_QUERY_Tabua;
};

extern Tobj_Form_FormDescricaoConversao *obj_Form_FormDescricaoConversao;
