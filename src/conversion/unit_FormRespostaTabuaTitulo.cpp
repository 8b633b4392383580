#include "unit_FormRespostaTabuaTitulo.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormRespostaTabuaTitulo *obj_Form_FormRespostaTabuaTitulo = nullptr;

Tobj_Form_FormRespostaTabuaTitulo::Tobj_Form_FormRespostaTabuaTitulo()
    : TelaPrincipal(IdTela::FormRespostaTabuaTitulo,
                    {.regra = Moldura::Regra::C,
                     .posicaoAoMostrar = true,
                     .tagBuscaRapida = u"rapidaRespostaTabuaTitulo"_s}) {
    setObjectName(u"obj_Form_FormRespostaTabuaTitulo"_s);
}
