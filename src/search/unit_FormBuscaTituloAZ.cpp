#include "unit_FormBuscaTituloAZ.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormBuscaTituloAZ *obj_Form_FormBuscaTituloAZ = nullptr;

Tobj_Form_FormBuscaTituloAZ::Tobj_Form_FormBuscaTituloAZ()
    : TelaPrincipal(IdTela::FormBuscaTituloAZ, {.regra = Moldura::Regra::C,
                                                .posicaoAoMostrar = true,
                                                .botaoProprio = Moldura::Botao::Busca,
                                                .links = Moldura::Links::Busca,
                                                .linkAtual = 3,
                                                .tagBuscaRapida = u"rapidaBuscaTitulosAZ"_s}) {
    setObjectName(u"obj_Form_FormBuscaTituloAZ"_s);
}
