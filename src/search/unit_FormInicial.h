#pragma once

#include "tela_principal.h"

class PainelCor;
class QGroupBox;
class VisualizadorHtml;

// The home screen: the main window and the first screen shown. It shows the
// welcome page and searches by title or by code.
class Tobj_Form_FormInicial : public TelaPrincipal, public OrigemBusca {
    Q_OBJECT
public:
    Tobj_Form_FormInicial();

    void prcRestaurarJanela() override;
    void prcTestaBuscaTitulo_Procurar();
    void prcVerificaExecutaConsulta();
    void prcTestaBuscaCodigo_Procurar();
    void prcVerificaExecutaConsultaBuscaCodigo();

    // The title and code boxes' searches; the result screens read them.
    Consulta obj_DB_QUERY_BuscaTitulo;
    Consulta obj_DB_QUERY_BuscaCodigo;
    // The title search as the search results screen reads it, tagged "capa".
    Consulta &resultadoBusca() override { return obj_DB_QUERY_BuscaTitulo; }
    QString tagBusca() const override { return QStringLiteral("capa"); }

    PainelCor *obj_Panel_Sombra;
    VisualizadorHtml *obj_WebBrowser;
    Figura *obj_Img_Capa;
    QLabel *Label3;
    QLabel *Label4;
    QGroupBox *obj_Grupo_Pesquisa;
    QLabel *obj_Lb_Busca_Titulo;
    QLineEdit *obj_Edit_BuscaTitulo;
    BotaoFigura *obj_Bt_ProcurarTitulo;
    QLabel *obj_Lb_Busca_Codigo;
    QLineEdit *obj_Edit_BuscaCodigo;
    BotaoFigura *obj_Bt_ProcurarCodigo;

private:
    void criarPagina();
    void criarPesquisa();
};

extern Tobj_Form_FormInicial *obj_Form_FormInicial;
