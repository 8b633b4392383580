#pragma once

#include "tela_principal.h"

// The conversion by title screen.
class Tobj_Form_FormTabuaTitulo : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormTabuaTitulo();
};

extern Tobj_Form_FormTabuaTitulo *obj_Form_FormTabuaTitulo;
