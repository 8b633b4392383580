#pragma once

#include "tela_principal.h"

class Memo;

// The family description screen: the family's occupations with their
// synonyms, its summary description, what it does not comprise and its
// related families, read again at every activation.
class Tobj_Form_FormDescricao : public TelaFamilia {
    Q_OBJECT
public:
    Tobj_Form_FormDescricao();

    void prcRestaurarJanela() override;
    void prcAlimentaDescricao();

    Consulta obj_DB_QUERY_DescricaoSumaria;
    Consulta obj_DB_QUERY_DescricaoExcecoes;
    Consulta obj_DB_QUERY_DescricaoAfins;
    Consulta obj_DB_QUERY_DescricaoTitulos;
    Consulta obj_DB_QUERY_DescricaoTitulosSinonimos;

    QLabel *obj_Lb_Descr_Familia;
    QLabel *obj_Lb_Titulo;
    Grade *obj_SortGrid_Tabua_Codigo;
    QLabel *obj_Lb_Descricao;
    Memo *obj_Memo_Descricao;
    QLabel *obj_Lb_Excecao;
    Memo *obj_MemoExcecao;
    QLabel *obj_Lb_Afins;
    Grade *obj_Grid_Familias_Afins;

private:
    QLabel *titulo(const QString &nome, const QString &texto, QPoint lugar, int pixels);
    Memo *criarMemo(const QString &nome, const QRect &lugar, QLabel *titulo);
    Grade *criarGrade(const QString &nome, const QRect &lugar, int colunas, QLabel *titulo);
    void alimentarMemo(Memo *memo, Consulta &consulta, const QStringList &sql,
                       const QString &coluna);
    void alimentarAfins();
    void alimentarTitulos();
};

extern Tobj_Form_FormDescricao *obj_Form_FormDescricao;
