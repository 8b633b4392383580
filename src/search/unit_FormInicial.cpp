#include "unit_FormInicial.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormInicial *obj_Form_FormInicial = nullptr;

Tobj_Form_FormInicial::Tobj_Form_FormInicial()
    : TelaPrincipal(IdTela::FormInicial, {.regra = Moldura::Regra::A,
                                          .registraAoEsconder = false,
                                          .botaoProprio = Moldura::Botao::Home,
                                          .tagBuscaRapida = u"rapida"_s}) {
    setObjectName(u"obj_Form_FormInicial"_s);
}
