#pragma once

#include "conversao.h"
#include "tela_principal.h"

#include <optional>

class Paginador;

// The conversion results screen: the result of a conversion run by the
// conversion by code, the family conversion or the conversion-by-title
// results, named by the origin tag, 13 rows to a page.
class Tobj_Form_FormRespostaTabua : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormRespostaTabua();

    // Where the screen puts its pager, and how many rows a page holds.
    static ConfiguracaoPaginador configuracaoPaginador();

    void telaAtivada() override;
    void prcRestaurarJanela() override;
    void prcAlimentaGrid();
    void prcVoltarParaTabua();

    // How each row of a result is written.
    enum class EstiloLinha {
        Negrito,    // "<b>" code " - " name "</b>"
        Maiusculas, // code " - " name, upper-cased
        // An occupation of the previous edition excluded from the new one
        // lists the family of each linked occupation, upper-cased; one in
        // force lists the occupations in bold.
        FamiliaSeExcluida,
    };
    // What the screen shows for a conversion, by origin and pair.
    struct Apresentacao {
        QStringView legenda;   // obj_Lb_Titulo_Base
        QStringView cabecalho; // obj_Lb_Total_Encontrados
        EstiloLinha linha;
    };
    static std::optional<Apresentacao> apresentacao(const QString &origem,
                                                    const Conversao &conversao);
    static QString textoLinha(EstiloLinha estilo, const Consulta &registro);

    QString strOrigem;

    QLabel *obj_Lb_Ocup_Excluida = nullptr;
    QLabel *obj_Lb_Titulo_Base = nullptr;
    QLabel *obj_Lb_Total_Encontrados = nullptr;
    QLabel *obj_Lb_Total = nullptr;
    Grade *obj_SortGrid_Tabua_Codigo = nullptr;
    Paginador *paginador = nullptr;
    BotaoFigura *obj_bt_voltar = nullptr;
    Consulta obj_DB_QUERY_Descricao;

private:
    // The screen that ran the conversion on view, named by the origin tag.
    std::optional<IdTela> telaDeOrigem() const;
    OrigemConversao *origemConversao() const;
    void escreverTitulo();
    void nomearGrade();
    int larguraTitulo() const;

    // The conversion as it was when the screen was shown, and how it shows.
    Conversao m_conversao;
    std::optional<Apresentacao> m_apresentacao;
};

extern Tobj_Form_FormRespostaTabua *obj_Form_FormRespostaTabua;
