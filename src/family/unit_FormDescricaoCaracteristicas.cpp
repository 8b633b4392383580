#include "unit_FormDescricaoCaracteristicas.h"

#include "acessivel.h"
#include "botao_figura.h"
#include "fontes.h"
#include "memo.h"
#include "rotulos.h"
#include "unit_global.h"

#include <QLabel>

using namespace Qt::StringLiterals;

Tobj_Form_FormDescricaoCaracteristicas *obj_Form_FormDescricaoCaracteristicas = nullptr;

Tobj_Form_FormDescricaoCaracteristicas::Tobj_Form_FormDescricaoCaracteristicas()
    : TelaFamilia(IdTela::FormDescricaoCaracteristicas,
                  {.regra = Moldura::Regra::A,
                   .registraAoEsconder = false,
                   .links = Moldura::Links::Familia,
                   .linkAtual = 1,
                   .tagBuscaRapida = u"rapidaDescricaoCaracteristicas"_s}) {
    setObjectName(u"obj_Form_FormDescricaoCaracteristicas"_s);
    obj_Lb_Descr_Familia = rotulos::novo(this, u"obj_Lb_Descr_Familia"_s, u"Descrição da Família"_s,
                                         QPoint(216, 88), fontes::verdana(fontes::pt10, true));
    const QFont titulo = fontes::verdana(fontes::pt9, true);
    obj_Lb_Titulo = rotulos::novo(this, u"obj_Lb_Titulo"_s, u"Condições gerais de exercício"_s,
                                  QPoint(220, 124), titulo);
    obj_Lb_Excecao = rotulos::novo(this, u"obj_Lb_Excecao"_s, u"Formação e Experiência"_s,
                                   QPoint(224, 283), titulo);
    for (QLabel *rotulo : {obj_Lb_Descr_Familia, obj_Lb_Titulo, obj_Lb_Excecao})
        rotulos::tornarSelecionavel(rotulo);

    // Each memo lies on a black panel one pixel larger on every side.
    obj_Painel_Memo_Descricao_Sombra = new PainelCor(this, Qt::black, QRect(223, 142, 483, 118));
    obj_Painel_Memo_Descricao_Sombra->setObjectName(u"obj_Painel_Memo_Descricao_Sombra"_s);
    obj_Memo_Descricao = new Memo(this, QRect(224, 143, 481, 116));
    obj_Memo_Descricao->setObjectName(u"obj_Memo_Descricao"_s);
    acessivel::nomearPeloRotulo(obj_Lb_Titulo, obj_Memo_Descricao);
    obj_Panel_Excecao_Sombra = new PainelCor(this, Qt::black, QRect(223, 302, 483, 104));
    obj_Panel_Excecao_Sombra->setObjectName(u"obj_Panel_Excecao_Sombra"_s);
    obj_MemoFormacao = new Memo(this, QRect(224, 303, 481, 102));
    obj_MemoFormacao->setObjectName(u"obj_MemoFormacao"_s);
    acessivel::nomearPeloRotulo(obj_Lb_Excecao, obj_MemoFormacao);
}

// Empties the toolbar caption, takes the shared position (rule A), then reads
// the family's texts.
void Tobj_Form_FormDescricaoCaracteristicas::prcRestaurarJanela() {
    TelaFamilia::prcRestaurarJanela();
    prcAlimentaDescricao();
}

void Tobj_Form_FormDescricaoCaracteristicas::prcAlimentaDescricao() {
    // An error of the engine ends the fill and leaves the memo as it was.
    abrirConsulta(obj_DB_QUERY_DescricaoCondicoes, fncSqlCondicoes(strCodigoFamilia));
    obj_Memo_Descricao->preencher(obj_DB_QUERY_DescricaoCondicoes, u"condicoes"_s);
    abrirConsulta(obj_DB_QUERY_DescricaoFormacao, fncSqlFormacao(strCodigoFamilia));
    obj_MemoFormacao->preencher(obj_DB_QUERY_DescricaoFormacao, u"formacao"_s);
}
