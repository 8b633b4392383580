#include "unit_FormDescricaoCaracteristicas.h"

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
}
