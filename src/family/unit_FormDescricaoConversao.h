#pragma once

#include "tela_principal.h"

// The family conversion screen.
class Tobj_Form_FormDescricaoConversao : public TelaFamilia {
    Q_OBJECT
public:
    Tobj_Form_FormDescricaoConversao();
};

extern Tobj_Form_FormDescricaoConversao *obj_Form_FormDescricaoConversao;
