#pragma once

#include "tela_principal.h"

#include <QColor>
#include <QFont>
#include <functional>

class QCheckBox;
class QGroupBox;

// The title search screen: a keyword looked for in up to six kinds of text.
class Tobj_Form_FormBusca : public TelaPrincipal, public OrigemBusca {
    Q_OBJECT
public:
    Tobj_Form_FormBusca();

    void prcTestaBuscaTituloEnvia();
    void prcVerificaExecutaConsulta();
    void prcMarcarTodosChk();

    // The title search; the search results screen reads it.
    Consulta obj_DB_QUERY_BuscaTitulo;
    // The title search as the search results screen reads it, tagged "busca".
    Consulta &resultadoBusca() override { return obj_DB_QUERY_BuscaTitulo; }
    QString tagBusca() const override { return QStringLiteral("busca"); }

    QGroupBox *obj_Grupo_Pesquisa;
    QLineEdit *obj_Edit_BuscaTitulo;
    BotaoFigura *obj_Bt_ProcurarTitulo;
    QGroupBox *obj_Group_Filtro_Procura;
    QCheckBox *obj_Chk_Filtro_Familias;
    QCheckBox *obj_Chk_Filtro_Ocupacoes;
    QCheckBox *obj_Chk_Filtro_Sinonimos;
    QCheckBox *obj_Chk_Filtro_Condicoes;
    QCheckBox *obj_Chk_Filtro_Formacao;
    QCheckBox *obj_Chk_Filtro_Descricao;
    QCheckBox *obj_Chk_Filtro_Todos;

private:
    void criarFiltros();
    void criarAjuda();
    QCheckBox *criarFiltro(const QString &nome, const QString &texto, int coluna, int linha,
                           bool marcado);
    // The six source boxes in the order of the statement builder's flags.
    QList<QCheckBox *> filtros() const;
};

extern Tobj_Form_FormBusca *obj_Form_FormBusca;
