#pragma once

#include "tela_principal.h"

// The conversion results screen.
class Tobj_Form_FormRespostaTabua : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormRespostaTabua();
};

extern Tobj_Form_FormRespostaTabua *obj_Form_FormRespostaTabua;
