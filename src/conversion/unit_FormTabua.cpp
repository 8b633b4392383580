#include "unit_FormTabua.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormTabua *obj_Form_FormTabua = nullptr;

Tobj_Form_FormTabua::Tobj_Form_FormTabua()
    : TelaPrincipal(IdTela::FormTabua, {.regra = Moldura::Regra::B,
                                        .botaoProprio = Moldura::Botao::Tabua,
                                        .links = Moldura::Links::Conversao,
                                        .linkAtual = 0,
                                        .topoLinks = 98,
                                        .tagBuscaRapida = u"rapidaTabua"_s}) {
    setObjectName(u"obj_Form_FormTabua"_s);
}
