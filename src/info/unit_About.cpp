#include "unit_About.h"

#include "botao_figura.h"
#include "fontes.h"
#include "navegacao.h"

#include <QCloseEvent>

using namespace Qt::StringLiterals;

Tobj_Form_FormAbout *obj_Form_FormAbout = nullptr;

Tobj_Form_FormAbout::Tobj_Form_FormAbout()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(u"obj_Form_FormAbout"_s);
    setWindowTitle(u"Sobre o Sistema ZEL2000..."_s);
    setFixedSize(483, 330);
    setFont(fontes::sansSerif(fontes::pt8));
    obj_Img_About = new Figura(this, u"about"_s, QRect(0, 0, 483, 330));
    obj_Img_About->setObjectName(u"obj_Img_About"_s);
    obj_Lb_Bt_Ok_Sombra =
        new PainelCor(this, palette().color(QPalette::Dark), QRect(212, 288, 62, 19));
    obj_Lb_Bt_Ok_Sombra->setObjectName(u"obj_Lb_Bt_Ok_Sombra"_s);
    obj_Bt_Ok_About = new BotaoFigura(this, u"bt_ok_dialogo"_s, QRect(208, 286, 61, 19),
                                      BotaoFigura::Modo::AoSoltar);
    obj_Bt_Ok_About->setObjectName(u"obj_Bt_Ok_About"_s);
    obj_Bt_Ok_About->setAccessibleName(u"Ok"_s);
    connect(obj_Bt_Ok_About, &BotaoFigura::clicado, this, &Tobj_Form_FormAbout::prcSobeBtFechar);
    navegacao::registrarSobre(this);
}

// Hidden, not destroyed; the screen below is activated again.
void Tobj_Form_FormAbout::prcSobeBtFechar() {
    navegacao::sobreFechado();
}

void Tobj_Form_FormAbout::closeEvent(QCloseEvent *evento) {
    evento->ignore();
    prcSobeBtFechar();
}
