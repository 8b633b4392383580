#include "unit_FormBuscaCodigo.h"

#include "botao_figura.h"
#include "controles.h"
#include "controles_busca.h"
#include "fontes.h"
#include "fronteira.h"
#include "rotulos.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_global.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

Tobj_Form_FormBuscaCodigo *obj_Form_FormBuscaCodigo = nullptr;

Tobj_Form_FormBuscaCodigo::Tobj_Form_FormBuscaCodigo()
    : TelaPrincipal(IdTela::FormBuscaCodigo, {.regra = Moldura::Regra::C,
                                              .botaoProprio = Moldura::Botao::Busca,
                                              .links = Moldura::Links::Busca,
                                              .linkAtual = 1,
                                              .tagBuscaRapida = u"rapidaBuscaPorCodigo"_s}) {
    setObjectName(u"obj_Form_FormBuscaCodigo"_s);
    obj_Grupo_Pesquisa =
        controles::grupoPesquisa(this, u".:: Por Código ::."_s, QRect(16, 110, 681, 281));
    obj_Lb_Codigo = rotulos::novo(obj_Grupo_Pesquisa, QString(), u"Código:"_s, QPoint(34, 57),
                                  fontes::verdana(fontes::pt9));
    obj_Edit_BuscaCodigo = controles::caixaComBorda(obj_Grupo_Pesquisa, u"obj_Edit_BuscaCodigo"_s,
                                                    QRect(107, 56, 86, 17),
                                                    fontes::sansSerif(fontes::pt8), obj_Lb_Codigo);
    obj_Edit_BuscaCodigo->setMaxLength(6);
    obj_Edit_BuscaCodigo->setToolTip(
        u"digite aqui uma expressão e clique no botão ao lado para fazer uma busca"_s);
    fronteira::conectar(obj_Edit_BuscaCodigo, &QLineEdit::returnPressed, this,
                        [this] { prcVerificaExecutaConsultaBuscaCodigo(); });
    obj_Bt_ProcurarCodigo =
        controles::botaoComSombra(obj_Grupo_Pesquisa, u"obj_Bt_ProcurarCodigo"_s, u"bt_procurar"_s,
                                  u"Procurar"_s, QRect(225, 56, 61, 19));
    fronteira::conectar(obj_Bt_ProcurarCodigo, &BotaoFigura::clicado, this,
                        [this] { prcTestaBuscaCodigoEnvia(); });

    rotulos::novo(obj_Grupo_Pesquisa, QString(), u"Código:"_s, QPoint(23, 166),
                  fontes::verdana(fontes::pt8, true));
    rotulos::novo(
        obj_Grupo_Pesquisa, QString(),
        u"Código de 4 a 6 dígitos referentes a família ocupacional ou a ocupação na ZEL2002."_s,
        QPoint(81, 166), fontes::verdana(fontes::pt8));
    rotulos::novo(obj_Grupo_Pesquisa, QString(), busca::ajudaCodigos(), QPoint(23, 188),
                  fontes::verdana(fontes::pt8), busca::azul);
}

// Enter in the code box: the box never receives the key.
void Tobj_Form_FormBuscaCodigo::prcVerificaExecutaConsultaBuscaCodigo() {
    prcTestaBuscaCodigoEnvia();
}

void Tobj_Form_FormBuscaCodigo::prcTestaBuscaCodigoEnvia() {
    if (!busca::buscarCodigo(*obj_Edit_BuscaCodigo, obj_DB_QUERY_BuscaCodigo))
        return;
    obj_Edit_BuscaCodigo->clear();
    ir(IdTela::FormRespostaBuscaCodigo,
       [] { obj_Form_FormRespostaBuscaCodigo->strOrigem = u"BuscaCodigo"_s; });
}
