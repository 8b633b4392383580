#pragma once

#include "tela_principal.h"

// The code search results screen.
class Tobj_Form_FormRespostaBuscaCodigo : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormRespostaBuscaCodigo();
};

extern Tobj_Form_FormRespostaBuscaCodigo *obj_Form_FormRespostaBuscaCodigo;
