#include "unit_FormDescricaoConversao.h"

#include "botao_figura.h"
#include "fontes.h"
#include "fronteira.h"
#include "rotulos.h"
#include "unit_global.h"

#include <QComboBox>
#include <QLabel>

using namespace Qt::StringLiterals;

Tobj_Form_FormDescricaoConversao *obj_Form_FormDescricaoConversao = nullptr;

Tobj_Form_FormDescricaoConversao::Tobj_Form_FormDescricaoConversao()
    : TelaFamilia(IdTela::FormDescricaoConversao,
                  {.regra = Moldura::Regra::A,
                   .registraAoEsconder = false,
                   .links = Moldura::Links::Familia,
                   .linkAtual = 2,
                   .tagBuscaRapida = u"rapidaDescricaoConversao"_s}) {
    setObjectName(u"obj_Form_FormDescricaoConversao"_s);
    rotulos::tornarSelecionavel(rotulos::novo(this, u"obj_Lb_Descr_Familia"_s,
                                              u"Descrição da Família"_s, QPoint(216, 88),
                                              fontes::verdana(fontes::pt10, true)));
    rotulos::tornarSelecionavel(rotulos::novo(this, u"obj_Lb_Titulo"_s, u"Tábua de Conversão"_s,
                                              QPoint(220, 148),
                                              fontes::verdana(fontes::pt9, true)));
    conversao::faixaEntreDivisorias(this, u"obj_Img_bg"_s, u"fundo_conversao"_s,
                                    QRect(221, 167, 481, 92));
    QLabel *converter =
        rotulos::novo(this, u"obj_Lb_Converter"_s, u"Converter a família acima para a base:"_s,
                      QPoint(264, 204), fontes::verdana(fontes::pt9));
    obj_Combo_Para = conversao::lista(this, u"obj_Combo_Para"_s, QPoint(514, 200), 97,
                                      tabua::destinos(baseZel2002), converter);
    obj_Bt_Ok = conversao::botaoOk(this, u"obj_Bt_Ok"_s, QPoint(620, 201));
    fronteira::conectar(obj_Bt_Ok, &BotaoFigura::clicado, this,
                        [this] { prcTabuaTestaConverterEnvia(); });
}

void Tobj_Form_FormDescricaoConversao::prcTabuaTestaConverterEnvia() {
    if (!conversao::exigirEscolha(obj_Combo_Para, conversao::avisoBaseFinal))
        return;
    conversao::converter(this, obj_DB_QUERY_Tabua, conversaoFeita(), conversao::tagConversao,
                         conversao::avisoSemConversao);
}

Conversao Tobj_Form_FormDescricaoConversao::conversaoFeita() const {
    return {baseZel2002, conversao::escolha(obj_Combo_Para), strCodigoFamilia};
}
