#pragma once

#include "tela_principal.h"

// The conversion by code screen.
class Tobj_Form_FormTabua : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormTabua();
};

extern Tobj_Form_FormTabua *obj_Form_FormTabua;
