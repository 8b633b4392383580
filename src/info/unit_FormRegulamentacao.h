#pragma once

#include "tela_pagina.h"

// The regulation page screen: what the classification is for, how it changes
// and why classifying is not regulating (html/regulamentacao.htm).
class Tobj_Form_FormRegulamentacao : public TelaPagina {
    Q_OBJECT
public:
    Tobj_Form_FormRegulamentacao();
};

extern Tobj_Form_FormRegulamentacao *obj_Form_FormRegulamentacao;
