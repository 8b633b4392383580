#pragma once

#include "tela_principal.h"

// The family description screen.
class Tobj_Form_FormDescricao : public TelaFamilia {
    Q_OBJECT
public:
    Tobj_Form_FormDescricao();
};

extern Tobj_Form_FormDescricao *obj_Form_FormDescricao;
