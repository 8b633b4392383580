#pragma once

#include "dialogo_modal.h"

class BotaoFigura;
class PainelCor;

// The exit confirmation: "Sim" ends the program, "Não" closes the question
// and changes nothing.
class Tobj_Form_MODAL_Sair : public DialogoModal {
    Q_OBJECT
public:
    Tobj_Form_MODAL_Sair();

    // Shows the question modally (the close button of every main screen).
    void perguntar();

    void prc_FecharAplicativo_Sim_Up();
    void prc_FecharAplicativo_Nao_Up();

    PainelCor *obj_Painel_Bt_Sim_Somba;
    BotaoFigura *obj_Img_Bt_Sim;
    PainelCor *obj_Painel_Bt_Nao_Somba;
    BotaoFigura *obj_Img_Bt_Nao;
};

extern Tobj_Form_MODAL_Sair *obj_Form_MODAL_Sair;
