#include "unit_FormBuscaEstrutura.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormBuscaEstrutura *obj_Form_FormBuscaEstrutura = nullptr;

Tobj_Form_FormBuscaEstrutura::Tobj_Form_FormBuscaEstrutura()
    : TelaPrincipal(IdTela::FormBuscaEstrutura, {.regra = Moldura::Regra::C,
                                                 .botaoProprio = Moldura::Botao::Busca,
                                                 .links = Moldura::Links::Busca,
                                                 .linkAtual = 2,
                                                 .tagBuscaRapida = u"rapidaBuscaEstrutura"_s}) {
    setObjectName(u"obj_Form_FormBuscaEstrutura"_s);
}
