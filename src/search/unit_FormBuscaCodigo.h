#pragma once

#include "tela_principal.h"

class BotaoFigura;
class QGroupBox;
class QLabel;
class QLineEdit;

// The code search screen: a family or occupation code, listed on the code
// search results screen.
class Tobj_Form_FormBuscaCodigo : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormBuscaCodigo();

    void prcTestaBuscaCodigoEnvia();
    void prcVerificaExecutaConsultaBuscaCodigo();

    QGroupBox *obj_Grupo_Pesquisa;
    QLabel *obj_Lb_Codigo;
    QLineEdit *obj_Edit_BuscaCodigo;
    BotaoFigura *obj_Bt_ProcurarCodigo;

    // The code search; the code search results screen reads it.
    Consulta obj_DB_QUERY_BuscaCodigo;
};

extern Tobj_Form_FormBuscaCodigo *obj_Form_FormBuscaCodigo;
