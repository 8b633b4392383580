#include "dialogos_acessiveis.h"

#include "acessivel.h"
#include "botao_figura.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormMODALSair.h"

#include <QAccessibleWidget>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface *fabrica(const QString &classe, QObject *objeto) {
    if (classe == u"Tobj_Form_Aviso_MODAL"_s && objeto && objeto->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(objeto), QAccessible::AlertMessage);
    return nullptr;
}

} // namespace

namespace dialogos_acessiveis {

void prepararAviso(Tobj_Form_Aviso_MODAL *aviso) {
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
    aviso->setAccessibleName(u"Aviso"_s);
    aviso->obj_Img_Bt_Ok->setAccessibleName(u"Ok"_s);
    // Enter closes the notice and every other key does nothing: the button
    // takes no focus, so that Space cannot press it.
    aviso->obj_Img_Bt_Ok->setFocusPolicy(Qt::NoFocus);
}

void anunciarAviso(Tobj_Form_Aviso_MODAL *aviso) {
    aviso->setAccessibleDescription(aviso->obj_Lb_Texto->text().replace(u'\n', u' '));
    QAccessibleEvent alerta(aviso, QAccessible::Alert);
    acessivel::anunciar(alerta);
}

void prepararSair(Tobj_Form_MODAL_Sair *sair) {
    sair->setAccessibleName(u"Sair"_s);
    sair->setAccessibleDescription(u"Deseja fechar o aplicativo?"_s);
    sair->obj_Img_Bt_Sim->setAccessibleName(u"Sim"_s);
    sair->obj_Img_Bt_Nao->setAccessibleName(u"Não"_s);
}

} // namespace dialogos_acessiveis
