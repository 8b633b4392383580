// The code search, its results, the structure browser and the A-Z index, filled.

#include "cenas.h"

#include "navegacao.h"
#include "unit_FormBuscaCodigo.h"
#include "unit_FormBuscaEstrutura.h"
#include "unit_FormBuscaTituloAZ.h"
#include "unit_FormRespostaBuscaCodigo.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace cenas {

namespace {

QWidget *mostrar(TelaPrincipal *tela) {
    navegacao::irPara(navegacao::telaAtual(), tela);
    return tela;
}

// Chooses the entry of `lista` whose text begins with `codigo`.
void escolher(QComboBox *lista, const QString &codigo) {
    for (int i = 0; i < lista->count(); ++i)
        if (lista->itemText(i).startsWith(codigo))
            lista->setCurrentIndex(i);
}

} // namespace

void daBuscaCodigo(QList<Cena> &lista) {
    lista << Cena{u"FormBuscaCodigo_codigo"_s, [] {
                      mostrar(obj_Form_FormBuscaCodigo);
                      obj_Form_FormBuscaCodigo->obj_Edit_BuscaCodigo->setText(u"0121"_s);
                      return obj_Form_FormBuscaCodigo;
                  }};
    // A family of 30 occupations: 31 rows, page 1 of 3.
    lista << Cena{u"FormRespostaBuscaCodigo_0121"_s, [] {
                      mostrar(obj_Form_FormBuscaCodigo);
                      obj_Form_FormBuscaCodigo->obj_Edit_BuscaCodigo->setText(u"0121"_s);
                      obj_Form_FormBuscaCodigo->prcTestaBuscaCodigoEnvia();
                      return static_cast<QWidget *>(obj_Form_FormRespostaBuscaCodigo);
                  }};
    // The twelve families of subgroup 354, page 1.
    lista << Cena{u"FormBuscaEstrutura_354"_s, [] {
                      auto *tela = obj_Form_FormBuscaEstrutura;
                      mostrar(tela);
                      tela->obj_ComboBoxGrandeGrupo->setCurrentIndex(3);
                      escolher(tela->obj_ComboBoxSGP, u"35"_s);
                      escolher(tela->obj_ComboBoxSubGrupo, u"354"_s);
                      return tela;
                  }};
    lista << Cena{u"FormBuscaTituloAZ_m"_s, [] {
                      auto *tela = obj_Form_FormBuscaTituloAZ;
                      mostrar(tela);
                      tela->prcDefineLetraAtual(u'M');
                      return tela;
                  }};
}

} // namespace cenas
