// The work characteristics of a family with two TTemplate rows, and the
// information, regulation and legislation pages scrolled to a part with a
// picture or a table (the frame's scenes show the top of each page).

#include "cenas.h"

#include "navegacao.h"
#include "unit_FormDescricaoCaracteristicas.h"
#include "unit_FormInformacoes.h"
#include "unit_FormLegislacao.h"
#include "unit_FormRegulamentacao.h"
#include "visualizador_html.h"

using namespace Qt::StringLiterals;

namespace cenas {

namespace {

QWidget *mostrar(TelaPrincipal *tela) {
    navegacao::irPara(navegacao::telaAtual(), tela);
    return tela;
}

Cena pagina(const QString &nome, TelaPagina *tela, const QString &ancora) {
    return Cena{nome, [tela, ancora] {
                    mostrar(tela);
                    tela->obj_WebBrowser->scrollToAnchor(ancora);
                    return static_cast<QWidget *>(tela);
                }};
}

} // namespace

void dasPaginas(QList<Cena> &lista) {
    lista << Cena{u"FormDescricaoCaracteristicas_0131"_s, [] {
                      // The sample's family with two TTemplate rows.
                      obj_Form_FormDescricaoCaracteristicas->strCodigoFamilia = u"0131"_s;
                      return mostrar(obj_Form_FormDescricaoCaracteristicas);
                  }};
    lista << pagina(u"FormInformacoes_niveis"_s, obj_Form_FormInformacoes, u"niveis"_s);
    lista << pagina(u"FormInformacoes_conversao"_s, obj_Form_FormInformacoes, u"conversao"_s);
    lista << pagina(u"FormRegulamentacao_atualizacao"_s, obj_Form_FormRegulamentacao,
                    u"atualizacao"_s);
    lista << pagina(u"FormRegulamentacao_classificar"_s, obj_Form_FormRegulamentacao,
                    u"classificar"_s);
    lista << pagina(u"FormLegislacao_atualizacoes"_s, obj_Form_FormLegislacao, u"atualizacoes"_s);
}

} // namespace cenas
