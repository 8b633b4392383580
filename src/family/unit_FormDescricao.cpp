#include "unit_FormDescricao.h"

#include "acessivel.h"
#include "botao_figura.h"
#include "fontes.h"
#include "grade.h"
#include "memo.h"
#include "rotulos.h"
#include "unit_global.h"

#include <QLabel>

using namespace Qt::StringLiterals;

Tobj_Form_FormDescricao *obj_Form_FormDescricao = nullptr;

Tobj_Form_FormDescricao::Tobj_Form_FormDescricao()
    : TelaFamilia(IdTela::FormDescricao, {.regra = Moldura::Regra::A,
                                          .registraAoEsconder = false,
                                          .links = Moldura::Links::Familia,
                                          .linkAtual = 0,
                                          .tagBuscaRapida = u"rapidaDescricao"_s}) {
    setObjectName(u"obj_Form_FormDescricao"_s);
    obj_Lb_Descr_Familia =
        titulo(u"obj_Lb_Descr_Familia"_s, u"Descrição da Família"_s, QPoint(216, 88), 13);
    obj_Lb_Titulo = titulo(u"obj_Lb_Titulo"_s, u"Títulos"_s, QPoint(220, 112), 12);
    obj_SortGrid_Tabua_Codigo =
        criarGrade(u"obj_SortGrid_Tabua_Codigo"_s, QRect(224, 129, 481, 62), 2, obj_Lb_Titulo);
    obj_Lb_Descricao = titulo(u"obj_Lb_Descricao"_s, u"Descrição Sumária"_s, QPoint(224, 198), 12);
    obj_Memo_Descricao =
        criarMemo(u"obj_Memo_Descricao"_s, QRect(224, 216, 481, 81), obj_Lb_Descricao);
    obj_Lb_Excecao =
        titulo(u"obj_Lb_Excecao"_s, u"Esta Família não compreende"_s, QPoint(224, 308), 12);
    obj_MemoExcecao = criarMemo(u"obj_MemoExcecao"_s, QRect(224, 326, 481, 32), obj_Lb_Excecao);
    obj_Lb_Afins = titulo(u"obj_Lb_Afins"_s, u"Famílias Afins"_s, QPoint(224, 369), 12);
    obj_Grid_Familias_Afins =
        criarGrade(u"obj_Grid_Familias_Afins"_s, QRect(223, 387, 481, 35), 1, obj_Lb_Afins);
    obj_Grid_Familias_Afins->definirLarguraColuna(0, 645);
}

QLabel *Tobj_Form_FormDescricao::titulo(const QString &nome, const QString &texto, QPoint lugar,
                                        int pixels) {
    QLabel *rotulo = rotulos::novo(this, nome, texto, lugar, fontes::verdana(pixels, true));
    rotulos::tornarSelecionavel(rotulo);
    return rotulo;
}

// A text area or a grid sits on a black panel one pixel larger on each side,
// below the heading that names it.
Memo *Tobj_Form_FormDescricao::criarMemo(const QString &nome, const QRect &lugar, QLabel *titulo) {
    new PainelCor(this, Qt::black, lugar.adjusted(-1, -1, 1, 1));
    auto *memo = new Memo(this, lugar);
    memo->setObjectName(nome);
    acessivel::nomearPeloRotulo(titulo, memo);
    return memo;
}

Grade *Tobj_Form_FormDescricao::criarGrade(const QString &nome, const QRect &lugar, int colunas,
                                           QLabel *titulo) {
    new PainelCor(this, Qt::black, lugar.adjusted(-1, -1, 1, 1));
    auto *grade = new Grade(this, lugar, colunas, false, 17);
    grade->setObjectName(nome);
    acessivel::nomearPeloRotulo(titulo, grade);
    grade->definirBarraVertical(true);
    grade->definirCorTextoSelecionado(palette().color(QPalette::WindowText));
    return grade;
}

// Activated: the caption cleared, the shared position (rule A), the family
// read again.
void Tobj_Form_FormDescricao::prcRestaurarJanela() {
    TelaPrincipal::prcRestaurarJanela();
    prcAlimentaDescricao();
    obj_SortGrid_Tabua_Codigo->definirLarguraColuna(0, 241);
    obj_SortGrid_Tabua_Codigo->definirLarguraColuna(1, 222);
}

void Tobj_Form_FormDescricao::prcAlimentaDescricao() {
    obj_SortGrid_Tabua_Codigo->definirTotalLinhas(1);
    obj_SortGrid_Tabua_Codigo->limpar();
    alimentarMemo(obj_Memo_Descricao, obj_DB_QUERY_DescricaoSumaria,
                  fncSqlDescricaoSumaria(strCodigoFamilia), u"descricao"_s);
    alimentarMemo(obj_MemoExcecao, obj_DB_QUERY_DescricaoExcecoes, fncSqlExcecoes(strCodigoFamilia),
                  u"excecao"_s);
    alimentarAfins();
    alimentarTitulos();
}

// One paragraph per row of the query, shown from the top.
void Tobj_Form_FormDescricao::alimentarMemo(Memo *memo, Consulta &consulta, const QStringList &sql,
                                            const QString &coluna) {
    abrirConsulta(consulta, sql);
    memo->preencher(consulta, coluna);
}

// One row per related family, then one empty row at the end.
void Tobj_Form_FormDescricao::alimentarAfins() {
    Grade &grade = *obj_Grid_Familias_Afins;
    grade.definirTotalLinhas(1);
    grade.limpar();
    Consulta &consulta = obj_DB_QUERY_DescricaoAfins;
    abrirConsulta(consulta, fncSqlFamiliasAfins(strCodigoFamilia));
    for (int linha = 0; !consulta.fimDados(); ++linha, consulta.proximo()) {
        grade.adicionarLinha();
        grade.definirCelula(0, linha, grade_html::simples(consulta.campo(u"Cod_Familia_Afim"_s)));
    }
}

// Each occupation in bold in column 0 of its first row; its synonyms in
// column 1, one per row from that row down. An occupation without synonyms
// takes one row; the grid ends with exactly the rows it fills.
void Tobj_Form_FormDescricao::alimentarTitulos() {
    Grade &grade = *obj_SortGrid_Tabua_Codigo;
    Consulta &ocupacoes = obj_DB_QUERY_DescricaoTitulos;
    Consulta &sinonimos = obj_DB_QUERY_DescricaoTitulosSinonimos;
    abrirConsulta(ocupacoes, fncSqlOcupacoesDaFamilia(strCodigoFamilia));
    const int n = ocupacoes.totalLinhas();
    int i = 0;
    for (int k = 1; !ocupacoes.fimDados(); ++k, ++i, ocupacoes.proximo()) {
        if (k != n)
            grade.adicionarLinha();
        grade.definirCelula(0, i, grade_html::negrito(ocupacoes.campo(u"Cod_Tit_Familia"_s)));
        abrirConsulta(sinonimos, fncSqlSinonimos(strCodigoFamilia, ocupacoes.campo(u"interno"_s)));
        const int m = sinonimos.totalLinhas();
        for (int j = 1; !sinonimos.fimDados(); ++j, sinonimos.proximo()) {
            grade.definirCelula(1, i, grade_html::simples(sinonimos.campo(u"sinonimo"_s)));
            if (j != m) {
                grade.adicionarLinha();
                ++i;
            }
        }
    }
}
