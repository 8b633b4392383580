#pragma once

#include "tela_principal.h"

// The home screen: the main window and the first screen shown.
class Tobj_Form_FormInicial : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormInicial();

    // The title and code boxes' searches; the result screens read them.
    Consulta obj_DB_QUERY_BuscaTitulo;
    Consulta obj_DB_QUERY_BuscaCodigo;
};

extern Tobj_Form_FormInicial *obj_Form_FormInicial;
