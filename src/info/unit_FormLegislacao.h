#pragma once

#include "tela_principal.h"

// The legislation page screen.
class Tobj_Form_FormLegislacao : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormLegislacao();
};

extern Tobj_Form_FormLegislacao *obj_Form_FormLegislacao;
