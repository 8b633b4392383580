#include "unit_FormMODALSair.h"

#include "botao_figura.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

Tobj_Form_MODAL_Sair *obj_Form_MODAL_Sair = nullptr;

namespace {
// The pale grey-blue of the panels that shade the "Sim" and "Não" buttons.
const QColor corLegendaInativa(0xBF, 0xCD, 0xDB);
} // namespace

Tobj_Form_MODAL_Sair::Tobj_Form_MODAL_Sair()
    : DialogoModal(u"sair_fundo"_s, u"obj_Img_sair"_s, QSize(212, 94)) {
    setObjectName(u"obj_Form_MODAL_Sair"_s);
    obj_Painel_Bt_Sim_Somba = new PainelCor(this, corLegendaInativa, QRect(38, 60, 62, 20));
    obj_Painel_Bt_Sim_Somba->setObjectName(u"obj_Painel_Bt_Sim_Somba"_s);
    obj_Img_Bt_Sim =
        new BotaoFigura(this, u"bt_sim"_s, QRect(36, 59, 61, 19), BotaoFigura::Modo::AoSoltar);
    obj_Img_Bt_Sim->setObjectName(u"obj_Img_Bt_Sim"_s);
    obj_Painel_Bt_Nao_Somba = new PainelCor(this, corLegendaInativa, QRect(118, 60, 62, 20));
    obj_Painel_Bt_Nao_Somba->setObjectName(u"obj_Painel_Bt_Nao_Somba"_s);
    obj_Img_Bt_Nao =
        new BotaoFigura(this, u"bt_nao"_s, QRect(116, 59, 61, 19), BotaoFigura::Modo::AoSoltar);
    obj_Img_Bt_Nao->setObjectName(u"obj_Img_Bt_Nao"_s);
    connect(obj_Img_Bt_Sim, &BotaoFigura::clicado, this,
            &Tobj_Form_MODAL_Sair::prc_FecharAplicativo_Sim_Up);
    connect(obj_Img_Bt_Nao, &BotaoFigura::clicado, this,
            &Tobj_Form_MODAL_Sair::prc_FecharAplicativo_Nao_Up);
}

void Tobj_Form_MODAL_Sair::perguntar() {
    exec();
}

// The application is told to end: the question's own loop and then the
// program's loop return. Nothing is saved, since nothing is kept.
void Tobj_Form_MODAL_Sair::prc_FecharAplicativo_Sim_Up() {
    accept();
    QCoreApplication::exit(0);
}

void Tobj_Form_MODAL_Sair::prc_FecharAplicativo_Nao_Up() {
    reject();
}
