#include "unit_FormRespostaBusca.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormRespostaBusca *obj_Form_FormRespostaBusca = nullptr;

Tobj_Form_FormRespostaBusca::Tobj_Form_FormRespostaBusca()
    : TelaPrincipal(IdTela::FormRespostaBusca, {.regra = Moldura::Regra::C,
                                                .posicaoAoMostrar = true,
                                                .links = Moldura::Links::Busca,
                                                .tagBuscaRapida = u"rapidaRespostaBusca"_s}) {
    setObjectName(u"obj_Form_FormRespostaBusca"_s);
}
