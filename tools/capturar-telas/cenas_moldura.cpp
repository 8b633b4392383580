// Every screen as it first appears, the dialogs and the About screen.

#include "cenas.h"

#include "botao_figura.h"
#include "navegacao.h"
#include "registro.h"
#include "tela_principal.h"
#include "unit_About.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormMODALSair.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace cenas {

void daMoldura(QList<Cena> &lista) {
    for (QWidget *janela : registro::telas()) {
        auto *tela = qobject_cast<TelaPrincipal *>(janela);
        if (!tela)
            continue;
        lista << Cena{tela->objectName().mid(9), [tela] {
                          navegacao::irPara(navegacao::telaAtual(), tela);
                          return tela;
                      }};
    }
    lista << Cena{u"Aviso_MODAL"_s, [] {
                      QLabel *texto = obj_Form_Aviso_MODAL->obj_Lb_Texto;
                      texto->setText(
                          u"O código digitado\nnão parece ser válido\nexemplo: 1234 ou 123466"_s);
                      texto->adjustSize();
                      return static_cast<QWidget *>(obj_Form_Aviso_MODAL);
                  }};
    lista << Cena{u"MODAL_Sair"_s, [] { return static_cast<QWidget *>(obj_Form_MODAL_Sair); }};
    lista << Cena{u"FormAbout"_s, [] { return static_cast<QWidget *>(obj_Form_FormAbout); }};
}

} // namespace cenas
