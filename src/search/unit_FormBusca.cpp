#include "unit_FormBusca.h"

#include "controles.h"
#include "controles_busca.h"
#include "rotulos.h"

#include "botao_figura.h"
#include "fontes.h"
#include "fronteira.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormRespostaBusca.h"
#include "unit_global.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

using namespace Qt::StringLiterals;

Tobj_Form_FormBusca *obj_Form_FormBusca = nullptr;

Tobj_Form_FormBusca::Tobj_Form_FormBusca()
    : TelaPrincipal(IdTela::FormBusca, {.regra = Moldura::Regra::C,
                                        .botaoProprio = Moldura::Botao::Busca,
                                        .links = Moldura::Links::Busca,
                                        .linkAtual = 0,
                                        .tagBuscaRapida = u"rapidaBuscaTitulo"_s}) {
    setObjectName(u"obj_Form_FormBusca"_s);
    obj_Grupo_Pesquisa = controles::grupoPesquisa(this, u".:: Por Título ::."_s,
                                                  QRect(16, 110, 681, 281), fontes::pt8);

    QLabel *palavra = rotulos::novo(obj_Grupo_Pesquisa, QString(), u"Palavra Chave:"_s,
                                    QPoint(32, 41), fontes::verdana(fontes::pt9));
    const busca::CaixaBusca procura = busca::caixaBusca(
        obj_Grupo_Pesquisa, palavra, u"obj_Edit_BuscaTitulo"_s, QRect(138, 37, 225, 17),
        u"digite aqui uma expressão e clique no botão ao lado para fazer uma busca"_s,
        u"obj_Bt_ProcurarTitulo"_s, u"Procurar"_s, QPoint(381, 37),
        [this] { prcVerificaExecutaConsulta(); }, [this] { prcTestaBuscaTituloEnvia(); });
    obj_Edit_BuscaTitulo = procura.caixa;
    obj_Bt_ProcurarTitulo = procura.botao;

    criarFiltros();
    criarAjuda();
}

void Tobj_Form_FormBusca::criarFiltros() {
    obj_Group_Filtro_Procura = new QGroupBox(u"  Procurar em:  "_s, obj_Grupo_Pesquisa);
    obj_Group_Filtro_Procura->setObjectName(u"obj_Group_Filtro_Procura"_s);
    obj_Group_Filtro_Procura->setGeometry(33, 67, 620, 92);
    obj_Group_Filtro_Procura->setAutoFillBackground(true);
    QPalette paleta = obj_Group_Filtro_Procura->palette();
    paleta.setColor(QPalette::Window, QColor(254, 238, 189));
    obj_Group_Filtro_Procura->setPalette(paleta);

    obj_Chk_Filtro_Familias = criarFiltro(u"obj_Chk_Filtro_Familias"_s, u"Famílias"_s, 0, 0, true);
    obj_Chk_Filtro_Ocupacoes =
        criarFiltro(u"obj_Chk_Filtro_Ocupacoes"_s, u"Ocupações"_s, 1, 0, true);
    obj_Chk_Filtro_Sinonimos =
        criarFiltro(u"obj_Chk_Filtro_Sinonimos"_s, u"Sinônimos"_s, 2, 0, true);
    obj_Chk_Filtro_Condicoes =
        criarFiltro(u"obj_Chk_Filtro_Condicoes"_s, u"Condições de Trabalho"_s, 0, 1, false);
    obj_Chk_Filtro_Formacao =
        criarFiltro(u"obj_Chk_Filtro_Formacao"_s, u"Formação - Experiência"_s, 1, 1, false);
    obj_Chk_Filtro_Descricao =
        criarFiltro(u"obj_Chk_Filtro_Descricao"_s, u"Descrição"_s, 2, 1, false);
    obj_Chk_Filtro_Todos =
        criarFiltro(u"obj_Chk_Filtro_Todos"_s, u"Selecionar Todas"_s, 2, 2, false);
    fronteira::conectar(obj_Chk_Filtro_Todos, &QCheckBox::clicked, this,
                        [this](bool) { prcMarcarTodosChk(); });
}

QCheckBox *Tobj_Form_FormBusca::criarFiltro(const QString &nome, const QString &texto, int coluna,
                                            int linha, bool marcado) {
    static constexpr int colunas[] = {72, 251, 435};
    static constexpr int linhas[] = {20, 44, 67};
    auto *caixa = new QCheckBox(texto, obj_Group_Filtro_Procura);
    caixa->setObjectName(nome);
    caixa->setFont(fontes::verdana(fontes::pt8));
    caixa->setChecked(marcado);
    caixa->move(colunas[coluna], linhas[linha]);
    caixa->adjustSize();
    return caixa;
}

void Tobj_Form_FormBusca::criarAjuda() {
    const QFont fonte = fontes::verdana(fontes::pt8);
    rotulos::novo(obj_Grupo_Pesquisa, QString(), u"Palavra Chave:"_s, QPoint(20, 197),
                  fontes::verdana(fontes::pt8, true));
    rotulos::novo(obj_Grupo_Pesquisa, QString(),
                  u"Corresponde a qualquer título ou descrição na ZEL2002. Utilize os"_s,
                  QPoint(124, 197), fonte);
    rotulos::novo(obj_Grupo_Pesquisa, QString(),
                  u"filtros para reduzir ainda mais a sua busca e, depois, clique em \"Procurar\" "
                  u"para ver o resultado. "_s,
                  QPoint(22, 213), fonte);
    rotulos::novo(obj_Grupo_Pesquisa, QString(),
                  u"Para conhecer os códigos das famílias ocupacionais, clique no link "
                  u"\"Informações Gerais da ZEL\". "_s,
                  QPoint(24, 256), fonte, QColor(0x00, 0x00, 0xFF));
}

QList<QCheckBox *> Tobj_Form_FormBusca::filtros() const {
    return {obj_Chk_Filtro_Familias,  obj_Chk_Filtro_Ocupacoes, obj_Chk_Filtro_Sinonimos,
            obj_Chk_Filtro_Condicoes, obj_Chk_Filtro_Formacao,  obj_Chk_Filtro_Descricao};
}

void Tobj_Form_FormBusca::prcVerificaExecutaConsulta() {
    prcTestaBuscaTituloEnvia();
}

// The keyword box is emptied whatever the outcome.
void Tobj_Form_FormBusca::prcTestaBuscaTituloEnvia() {
    if (busca::palavraDigitada(obj_Edit_BuscaTitulo)) {
        const QList<QCheckBox *> caixas = filtros();
        if (std::none_of(caixas.begin(), caixas.end(),
                         [](const QCheckBox *caixa) { return caixa->isChecked(); })) {
            aviso::prcMostrarAviso(u"Você deve escolher uma\rdas opções de pesquisa"_s);
        } else {
            const QStringList sql = fncSqlBuscaTitulo(
                obj_Chk_Filtro_Familias->isChecked(), obj_Chk_Filtro_Ocupacoes->isChecked(),
                obj_Chk_Filtro_Sinonimos->isChecked(), obj_Chk_Filtro_Condicoes->isChecked(),
                obj_Chk_Filtro_Formacao->isChecked(), obj_Chk_Filtro_Descricao->isChecked());
            if (busca::buscarTitulo(obj_DB_QUERY_BuscaTitulo, sql, obj_Edit_BuscaTitulo->text()))
                obj_Form_FormRespostaBusca->listar(this, *this);
        }
    }
    obj_Edit_BuscaTitulo->clear();
}

// Every source box takes the new state of "Selecionar Todas".
void Tobj_Form_FormBusca::prcMarcarTodosChk() {
    const bool marcado = obj_Chk_Filtro_Todos->isChecked();
    for (QCheckBox *caixa : filtros())
        caixa->setChecked(marcado);
}
