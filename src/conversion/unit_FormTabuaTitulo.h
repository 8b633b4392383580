#pragma once

#include "tela_principal.h"

class QComboBox;
class QGroupBox;

// The conversion by title screen: the titles of one base that hold a word,
// listed by the conversion-by-title results for conversion.
class Tobj_Form_FormTabuaTitulo : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormTabuaTitulo();

    void prcTabuaTestaConverterEnvia();
    void prcVerificaExecutaTabua();

    QGroupBox *obj_Grupo_Pesquisa = nullptr;
    QComboBox *obj_Combo_De = nullptr;
    QLineEdit *obj_Edit_ConverteTitulo = nullptr;
    BotaoFigura *obj_Bt_Converter_Procurar = nullptr;
    // The titles found, read by the conversion-by-title results.
    Consulta obj_DB_QUERY_TabuaTitulo;

private:
    void procurar();
};

extern Tobj_Form_FormTabuaTitulo *obj_Form_FormTabuaTitulo;
