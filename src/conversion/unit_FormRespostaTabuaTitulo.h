#pragma once

#include "conversao.h"
#include "tela_principal.h"

#include <array>

class Paginador;
class QComboBox;

// The conversion-by-title results: the titles found by the conversion by
// title, eight to a page, each with its own list of target bases and OK
// button that converts it.
class Tobj_Form_FormRespostaTabuaTitulo : public TelaPrincipal, public OrigemConversao {
    Q_OBJECT
public:
    static constexpr int linhas = 8;
    // A title longer than this is cut and followed by "...".
    static constexpr int tamanhoTitulo = 62;

    Tobj_Form_FormRespostaTabuaTitulo();

    // Where the screen puts its pager, and how many rows a page holds.
    static ConfiguracaoPaginador configuracaoPaginador();

    void telaAtivada() override;
    void prcRestaurarJanela() override;
    void prcAlimentaGrid();
    // The OK button of row `linha` (1 to 8): converts the title of that row.
    void obj_Bt_OkClick(int linha);
    void prcVoltarParaTabua();

    Consulta &resultadoConversao() override { return obj_DB_QUERY_Tabua; }
    Conversao conversaoFeita() const override;

    // The controls of one row; the band exists on the even rows only.
    struct Linha {
        QLabel *obj_Lb_Titulo = nullptr;
        QComboBox *obj_Combo_De = nullptr;
        BotaoFigura *obj_Bt_Ok = nullptr;
        Figura *obj_Bg_Titulos = nullptr;
    };
    std::array<Linha, linhas> linhasTitulos;

    QString strBaseDe;
    std::array<QString, linhas> strCodigoLinha;
    QString strBasePara;
    QString strCodigoConverter;

    QLabel *obj_Lb_Total_Encontrados = nullptr;
    QLabel *obj_Lb_Total = nullptr;
    Paginador *paginador = nullptr;
    BotaoFigura *obj_bt_voltar = nullptr;
    Consulta obj_DB_QUERY_Tabua;

private:
    void criarLinhas();
    void criarLegendas();
    void mostrarTitulo(Linha &linha, const Consulta &registro);
    void mostrarTextoDoTitulo(Linha &linha, const QString &titulo);
};

extern Tobj_Form_FormRespostaTabuaTitulo *obj_Form_FormRespostaTabuaTitulo;
