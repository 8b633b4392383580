#pragma once

#include "tela_principal.h"

// The conversion-by-title results screen.
class Tobj_Form_FormRespostaTabuaTitulo : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormRespostaTabuaTitulo();
};

extern Tobj_Form_FormRespostaTabuaTitulo *obj_Form_FormRespostaTabuaTitulo;
