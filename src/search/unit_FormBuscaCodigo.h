#pragma once

#include "tela_principal.h"

class BotaoFigura;
class QGroupBox;
class QLabel;
class QLineEdit;

// The search of a code box, the same for every screen that has one (the code
// search screen and the home screen's code box): the box must hold exactly 4
// or 6 digits; four run the family query (the family row, then its
// occupations), six the query of that one occupation, on `consulta`. A
// refused code or an empty result ends in its notice, with the focus put back
// into the box where the description says so, and the box keeps its text.
// Returns whether rows were found; `consulta` then stays open on its first row.
bool buscarCodigo(QLineEdit &caixa, Consulta &consulta);

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
