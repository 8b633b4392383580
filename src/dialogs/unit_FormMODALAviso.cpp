#include "unit_FormMODALAviso.h"

#include "botao_figura.h"
#include "dialogos_acessiveis.h"

#include <QKeyEvent>
#include <QLabel>

using namespace Qt::StringLiterals;

Tobj_Form_Aviso_MODAL *obj_Form_Aviso_MODAL = nullptr;

namespace {
QStringList *avisosGravados = nullptr;
}

Tobj_Form_Aviso_MODAL::Tobj_Form_Aviso_MODAL()
    : DialogoModal(u"aviso_fundo"_s, u"obj_Img_Aviso_Fundo"_s, QSize(212, 107)) {
    setObjectName(u"obj_Form_Aviso_MODAL"_s);
    obj_Lb_Texto = new QLabel(this);
    obj_Lb_Texto->setObjectName(u"obj_Lb_Texto"_s);
    obj_Lb_Texto->move(67, 24);
    obj_Lb_Texto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    obj_Panel_Bt_Ok_Sombra =
        new PainelCor(this, palette().color(QPalette::Dark), QRect(79, 74, 59, 18));
    obj_Panel_Bt_Ok_Sombra->setObjectName(u"obj_Panel_Bt_Ok_Sombra"_s);
    obj_Img_Bt_Ok = new BotaoFigura(this, u"bt_ok_dialogo"_s, QRect(74, 71, 61, 19),
                                    BotaoFigura::Modo::AoSoltar);
    obj_Img_Bt_Ok->setObjectName(u"obj_Img_Bt_Ok"_s);
    connect(obj_Img_Bt_Ok, &BotaoFigura::clicado, this,
            &Tobj_Form_Aviso_MODAL::prc_prc_FecharAviso_Ok_Up);
    dialogos_acessiveis::prepararAviso(this);
}

void Tobj_Form_Aviso_MODAL::showEvent(QShowEvent *evento) {
    DialogoModal::showEvent(evento);
    dialogos_acessiveis::anunciarAviso(this);
}

void Tobj_Form_Aviso_MODAL::prc_prc_FecharAviso_Ok_Up() {
    accept();
}

// prcVerificaExecutaOk: Enter closes the notice; every other key, Escape
// included, does nothing.
void Tobj_Form_Aviso_MODAL::keyPressEvent(QKeyEvent *evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)
        accept();
    evento->accept();
}

void prcMostrarAviso(const QString &texto) {
    if (avisosGravados) {
        avisosGravados->append(texto);
        return;
    }
    // A notice raised while the screens are still being created (the
    // structure browser queries the database then) finds the dialog before
    // its turn in the creation order; it is created at that moment instead.
    if (!obj_Form_Aviso_MODAL)
        obj_Form_Aviso_MODAL = new Tobj_Form_Aviso_MODAL;
    QString linhas = texto;
    obj_Form_Aviso_MODAL->obj_Lb_Texto->setText(linhas.replace(u'\r', u'\n'));
    obj_Form_Aviso_MODAL->obj_Lb_Texto->adjustSize();
    obj_Form_Aviso_MODAL->exec();
}

void gravarAvisos(QStringList *destino) {
    avisosGravados = destino;
}
