#include "unit_FormInformacoes.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormInformacoes *obj_Form_FormInformacoes = nullptr;

Tobj_Form_FormInformacoes::Tobj_Form_FormInformacoes()
    : TelaPrincipal(IdTela::FormInformacoes, {.regra = Moldura::Regra::B,
                                              .botaoProprio = Moldura::Botao::Info,
                                              .tagBuscaRapida = u"rapidaInformacoes"_s}) {
    setObjectName(u"obj_Form_FormInformacoes"_s);
}
