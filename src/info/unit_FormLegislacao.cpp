#include "unit_FormLegislacao.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormLegislacao *obj_Form_FormLegislacao = nullptr;

Tobj_Form_FormLegislacao::Tobj_Form_FormLegislacao()
    : TelaPagina(IdTela::FormLegislacao,
                 {.estilo = Moldura::Estilo::Legislacao,
                  .regra = Moldura::Regra::B,
                  .links = Moldura::Links::Legislacao,
                  .linkAtual = 2,
                  .tagBuscaRapida = u"rapidaLegislacao"_s},
                 {.arquivo = u"legislacao.htm"_s,
                  .topoTitulo = 96,
                  .topoMoldura = 125,
                  .alturaVisualizador = 294,
                  .topoImpressao = 430}) {
    setObjectName(u"obj_Form_FormLegislacao"_s);
}
