#include "unit_FormDescricaoConversao.h"

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
}
