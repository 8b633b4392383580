#pragma once

#include "tela_principal.h"

// The regulation page screen.
class Tobj_Form_FormRegulamentacao : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormRegulamentacao();
};

extern Tobj_Form_FormRegulamentacao *obj_Form_FormRegulamentacao;
