#pragma once

#include "tela_principal.h"

// The work characteristics screen.
class Tobj_Form_FormDescricaoCaracteristicas : public TelaFamilia {
    Q_OBJECT
public:
    Tobj_Form_FormDescricaoCaracteristicas();
};

extern Tobj_Form_FormDescricaoCaracteristicas *obj_Form_FormDescricaoCaracteristicas;
