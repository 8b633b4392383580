#pragma once

#include "tela_pagina.h"

// The legislation page screen (html/legislacao.htm), with a frame of its
// own: one drag band, a link bar instead of the toolbar, the logo and the
// version label. No other screen leads to it.
class Tobj_Form_FormLegislacao : public TelaPagina {
    Q_OBJECT
public:
    Tobj_Form_FormLegislacao();
};

extern Tobj_Form_FormLegislacao *obj_Form_FormLegislacao;
