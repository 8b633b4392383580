#pragma once

#include <QWidget>

class BotaoFigura;
class Figura;
class PainelCor;

// The About screen: the credits and the emblem of the classification, shown
// over the current screen without hiding it and without being modal. Its OK
// picture closes it (and so does the window system's close); it handles no
// key and cannot be dragged.
class Tobj_Form_FormAbout : public QWidget {
    Q_OBJECT
public:
    Tobj_Form_FormAbout();

    void prcSobeBtFechar();

    Figura *obj_Img_About;
    PainelCor *obj_Lb_Bt_Ok_Sombra;
    BotaoFigura *obj_Bt_Ok_About;

protected:
    // A close request of the window system closes it as its OK does.
    void closeEvent(QCloseEvent *evento) override;
};

extern Tobj_Form_FormAbout *obj_Form_FormAbout;
