#pragma once

#include "tela_principal.h"

// The title A-Z index screen.
class Tobj_Form_FormBuscaTituloAZ : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormBuscaTituloAZ();
};

extern Tobj_Form_FormBuscaTituloAZ *obj_Form_FormBuscaTituloAZ;
