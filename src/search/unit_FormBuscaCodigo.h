#pragma once

#include "tela_principal.h"

// The code search screen.
class Tobj_Form_FormBuscaCodigo : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormBuscaCodigo();
};

extern Tobj_Form_FormBuscaCodigo *obj_Form_FormBuscaCodigo;
