#pragma once

#include "tela_principal.h"

// The code search results screen.
class Tobj_Form_FormRespostaBuscaCodigo : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormRespostaBuscaCodigo();

    // Who searched: "capa" (the home screen) or "BuscaCodigo" (the code
    // search screen).
    QString strOrigem;
};

extern Tobj_Form_FormRespostaBuscaCodigo *obj_Form_FormRespostaBuscaCodigo;
