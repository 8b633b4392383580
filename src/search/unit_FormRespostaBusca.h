#pragma once

#include "tela_principal.h"

// The search results screen.
class Tobj_Form_FormRespostaBusca : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormRespostaBusca();
};

extern Tobj_Form_FormRespostaBusca *obj_Form_FormRespostaBusca;
