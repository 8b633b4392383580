#include "unit_FormRespostaBuscaCodigo.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormRespostaBuscaCodigo *obj_Form_FormRespostaBuscaCodigo = nullptr;

Tobj_Form_FormRespostaBuscaCodigo::Tobj_Form_FormRespostaBuscaCodigo()
    : TelaPrincipal(IdTela::FormRespostaBuscaCodigo, {.regra = Moldura::Regra::C,
                                                      .posicaoAoMostrar = true,
                                                      .links = Moldura::Links::Busca,
                                                      .tagBuscaRapida = u"rapidaBuscaCodigo"_s}) {
    setObjectName(u"obj_Form_FormRespostaBuscaCodigo"_s);
}
