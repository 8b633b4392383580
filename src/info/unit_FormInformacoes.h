#pragma once

#include "tela_principal.h"

// The information page screen.
class Tobj_Form_FormInformacoes : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormInformacoes();
};

extern Tobj_Form_FormInformacoes *obj_Form_FormInformacoes;
