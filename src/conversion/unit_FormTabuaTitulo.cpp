#include "unit_FormTabuaTitulo.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormTabuaTitulo *obj_Form_FormTabuaTitulo = nullptr;

Tobj_Form_FormTabuaTitulo::Tobj_Form_FormTabuaTitulo()
    : TelaPrincipal(IdTela::FormTabuaTitulo, {.regra = Moldura::Regra::B,
                                              .links = Moldura::Links::Conversao,
                                              .linkAtual = 1,
                                              .topoLinks = 102,
                                              .tagBuscaRapida = u"rapidaTabuaTitulo"_s}) {
    setObjectName(u"obj_Form_FormTabuaTitulo"_s);
}
