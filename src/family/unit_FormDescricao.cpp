#include "unit_FormDescricao.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormDescricao *obj_Form_FormDescricao = nullptr;

Tobj_Form_FormDescricao::Tobj_Form_FormDescricao()
    : TelaFamilia(IdTela::FormDescricao, {.regra = Moldura::Regra::A,
                                          .registraAoEsconder = false,
                                          .links = Moldura::Links::Familia,
                                          .linkAtual = 0,
                                          .tagBuscaRapida = u"rapidaDescricao"_s}) {
    setObjectName(u"obj_Form_FormDescricao"_s);
}
