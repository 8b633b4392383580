#include "unit_FormRespostaTabua.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormRespostaTabua *obj_Form_FormRespostaTabua = nullptr;

Tobj_Form_FormRespostaTabua::Tobj_Form_FormRespostaTabua()
    : TelaPrincipal(IdTela::FormRespostaTabua, {.regra = Moldura::Regra::C,
                                                .posicaoAoMostrar = true,
                                                .tagBuscaRapida = u"rapidaRespostaTabua"_s}) {
    setObjectName(u"obj_Form_FormRespostaTabua"_s);
}
