#include "unit_FormRegulamentacao.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormRegulamentacao *obj_Form_FormRegulamentacao = nullptr;

Tobj_Form_FormRegulamentacao::Tobj_Form_FormRegulamentacao()
    : TelaPrincipal(IdTela::FormRegulamentacao, {.regra = Moldura::Regra::B,
                                                 .botaoProprio = Moldura::Botao::Regula,
                                                 .tagBuscaRapida = u"rapidaRegulamentacao"_s}) {
    setObjectName(u"obj_Form_FormRegulamentacao"_s);
}
