#pragma once

#include "tela_principal.h"

struct ConfiguracaoPaginador;

#include <array>

class BotaoFigura;
class Grade;
class Paginador;
class QGroupBox;
class QLabel;
class QLineEdit;
class RotuloLink;

// The title A-Z index: the titles of families, occupations and synonyms that
// begin with a chosen letter, or that contain a typed word, with their codes
// in both editions, eleven to a page.
class Tobj_Form_FormBuscaTituloAZ : public TelaPrincipal {
    Q_OBJECT
public:
    Tobj_Form_FormBuscaTituloAZ();

    // Where the screen puts its pager, and how many rows a page holds.
    static ConfiguracaoPaginador configuracaoPaginador();

    // One lower-case letter (titles that begin with it) or "%" and a
    // lower-cased word (titles that contain it).
    QString strLetraAtual;

    void telaAtivada() override;
    void prcRestaurarJanela() override;
    void prcAlimentaGrid();
    // A click on the link of `letra` ('A' to 'Z').
    void prcDefineLetraAtual(QChar letra);
    void prcTestaBuscaTitulosAZEnvia();
    void prcVerificaExecutaConsultaTitulosAZ();
    Qt::Alignment prcAlinhaGrid(int linha, int coluna) const;
    void prcMostraDetalheFamilia(int linha);

    // The link of a letter, 'A' to 'Z'.
    RotuloLink *linkDaLetra(QChar letra) const;

    QGroupBox *obj_Grupo_Pesquisa;
    std::array<RotuloLink *, 26> obj_Bt_BuscaTitulosAZ{}; // "A" to "Z"
    QLineEdit *obj_Edit_BuscaTitulosAZ;
    BotaoFigura *obj_Bt_BuscaTitulosAZ_Ok;
    Grade *obj_SortGrid_BuscaTitulosAZ;
    Paginador *paginador;
    QLabel *obj_Lb_avisoClick;

    Consulta obj_DB_QUERY_BuscaTituloAZ;

private:
    void criarLetras();
    void criarLegendas();
    void prcHabilitaLetras();
    void prcDefineBusca(const QString &padrao);
    int preencherPagina(); // returns the rows found
    void definirLarguras();
};

extern Tobj_Form_FormBuscaTituloAZ *obj_Form_FormBuscaTituloAZ;
