#include "unit_FormBuscaCodigo.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormBuscaCodigo *obj_Form_FormBuscaCodigo = nullptr;

Tobj_Form_FormBuscaCodigo::Tobj_Form_FormBuscaCodigo()
    : TelaPrincipal(IdTela::FormBuscaCodigo, {.regra = Moldura::Regra::C,
                                              .botaoProprio = Moldura::Botao::Busca,
                                              .links = Moldura::Links::Busca,
                                              .linkAtual = 1,
                                              .tagBuscaRapida = u"rapidaBuscaPorCodigo"_s}) {
    setObjectName(u"obj_Form_FormBuscaCodigo"_s);
}
