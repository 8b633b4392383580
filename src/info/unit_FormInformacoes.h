#pragma once

#include "tela_pagina.h"

// The information page screen: general information on the classification
// and on the program (html/info_zel.htm).
class Tobj_Form_FormInformacoes : public TelaPagina {
    Q_OBJECT
public:
    Tobj_Form_FormInformacoes();
};

extern Tobj_Form_FormInformacoes *obj_Form_FormInformacoes;
