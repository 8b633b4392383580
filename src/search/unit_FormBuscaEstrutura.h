#pragma once

#include "tela_principal.h"

// The structure browser screen.
class Tobj_Form_FormBuscaEstrutura : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormBuscaEstrutura();
};

extern Tobj_Form_FormBuscaEstrutura *obj_Form_FormBuscaEstrutura;
