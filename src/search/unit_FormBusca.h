#pragma once

#include "tela_principal.h"

// The title search screen.
class Tobj_Form_FormBusca : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormBusca();

    // The title search; the search results screen reads it.
    Consulta obj_DB_QUERY_BuscaTitulo;
};

extern Tobj_Form_FormBusca *obj_Form_FormBusca;
