#pragma once

#include "dialogo_modal.h"

class BotaoFigura;
class PainelCor;
class QLabel;

// The notice: a message of one to three lines (a carriage return starts a new
// line) with an OK button. Enter closes it; Escape does not.
class Tobj_Form_Aviso_MODAL : public DialogoModal {
    Q_OBJECT
public:
    Tobj_Form_Aviso_MODAL();

    // The message: a carriage return starts a new line.
    void definirTexto(const QString &texto);
    void prc_prc_FecharAviso_Ok_Up();

    QLabel *obj_Lb_Texto;
    PainelCor *obj_Panel_Bt_Ok_Sombra;
    BotaoFigura *obj_Img_Bt_Ok;

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
};

extern Tobj_Form_Aviso_MODAL *obj_Form_Aviso_MODAL;

namespace aviso {

// Shows `texto` in the notice, modally; returns when it is closed.
void prcMostrarAviso(const QString &texto);

// For tests: while a list is given, notices are appended to it instead of
// being shown, and prcMostrarAviso returns at once. nullptr shows them again.
void gravarAvisos(QStringList *destino);

} // namespace aviso
