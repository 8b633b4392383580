#include "unit_FormRegulamentacao.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormRegulamentacao *obj_Form_FormRegulamentacao = nullptr;

Tobj_Form_FormRegulamentacao::Tobj_Form_FormRegulamentacao()
    : TelaPagina(IdTela::FormRegulamentacao,
                 {.regra = Moldura::Regra::B,
                  .botaoProprio = Moldura::Botao::Regula,
                  .tagBuscaRapida = u"rapidaRegulamentacao"_s},
                 {.arquivo = u"regulamentacao.htm"_s,
                  .topoTitulo = 77,
                  .topoMoldura = 109,
                  .alturaVisualizador = 294,
                  .topoImpressao = 414}) {
    setObjectName(u"obj_Form_FormRegulamentacao"_s);
}
