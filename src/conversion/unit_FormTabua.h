#pragma once

#include "conversao.h"
#include "tela_principal.h"

class QComboBox;
class QGroupBox;

// The conversion by code screen: a code of one base converted to another.
class Tobj_Form_FormTabua : public TelaPrincipal, public OrigemConversao {
    Q_OBJECT
public:
    Tobj_Form_FormTabua();

    void prcRestaurarJanela() override;
    void prcTabuaMudarBaseDe();
    void prcTabuaMudarBasePara();
    void prcTabuaTestaConverterEnvia();
    void prcVerificaExecutaConsultaTabua();
    // After the results screen has listed a conversion of this screen: both
    // lists get the three bases again, with no choice, and the code box is
    // emptied.
    void prcReiniciarEntradas();

    Consulta &resultadoConversao() override { return obj_DB_QUERY_Tabua; }
    Conversao conversaoFeita() const override;

    QGroupBox *obj_Grupo_Pesquisa = nullptr;
    QComboBox *obj_Combo_De = nullptr;
    QLineEdit *obj_Edit_ConverteCodigo = nullptr;
    QComboBox *obj_Combo_Para = nullptr;
    BotaoFigura *obj_Bt_Converter_Ok = nullptr;
    Consulta obj_DB_QUERY_Tabua;
};

extern Tobj_Form_FormTabua *obj_Form_FormTabua;
