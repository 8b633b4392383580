#pragma once

#include "tela_principal.h"

// The code search screen.
class Tobj_Form_FormBuscaCodigo : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormBuscaCodigo();

    // The code search; the code search results screen reads it.
    Consulta obj_DB_QUERY_BuscaCodigo;
};

extern Tobj_Form_FormBuscaCodigo *obj_Form_FormBuscaCodigo;
