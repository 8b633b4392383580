#include "unit_FormBusca.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormBusca *obj_Form_FormBusca = nullptr;

Tobj_Form_FormBusca::Tobj_Form_FormBusca()
    : TelaPrincipal(IdTela::FormBusca, {.regra = Moldura::Regra::C,
                                        .botaoProprio = Moldura::Botao::Busca,
                                        .links = Moldura::Links::Busca,
                                        .linkAtual = 0,
                                        .tagBuscaRapida = u"rapidaBuscaTitulo"_s}) {
    setObjectName(u"obj_Form_FormBusca"_s);
}
