#include "unit_FormInformacoes.h"

using namespace Qt::StringLiterals;

Tobj_Form_FormInformacoes *obj_Form_FormInformacoes = nullptr;

// The page's pictures and links are resolved relative to the page file, so
// the viewer needs no server root.
Tobj_Form_FormInformacoes::Tobj_Form_FormInformacoes()
    : TelaPagina(IdTela::FormInformacoes,
                 {.regra = Moldura::Regra::B,
                  .botaoProprio = Moldura::Botao::Info,
                  .tagBuscaRapida = u"rapidaInformacoes"_s},
                 {.arquivo = u"info_zel.htm"_s,
                  .topoTitulo = 71,
                  .topoMoldura = 101,
                  .alturaVisualizador = 295,
                  .topoImpressao = 430}) {
    setObjectName(u"obj_Form_FormInformacoes"_s);
}
