#pragma once

#include "tela_principal.h"

// The home screen screen.
class Tobj_Form_FormInicial : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormInicial();
};

extern Tobj_Form_FormInicial *obj_Form_FormInicial;
