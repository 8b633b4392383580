// The home screen, the title search, its results and the family description, filled.

#include "cenas.h"

#include "navegacao.h"
#include "paginador.h"
#include "unit_FormBusca.h"
#include "unit_FormDescricao.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaBusca.h"

#include "botao_figura.h"
#include "grade.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace cenas {

namespace {

void irPara(TelaPrincipal *tela) {
    navegacao::irPara(navegacao::telaAtual(), tela);
}

} // namespace

void daBuscaTitulo(QList<Cena> &lista) {
    lista << Cena{u"busca_titulo_inicial"_s, [] {
                      irPara(obj_Form_FormInicial);
                      obj_Form_FormInicial->obj_Edit_BuscaCodigo->setText(u"0211"_s);
                      return static_cast<QWidget *>(obj_Form_FormInicial);
                  }};
    lista << Cena{u"busca_titulo_resposta_pagina1"_s, [] {
                      irPara(obj_Form_FormInicial);
                      obj_Form_FormInicial->obj_Edit_BuscaCodigo->clear();
                      obj_Form_FormInicial->obj_Edit_BuscaTitulo->setText(u"dentista"_s);
                      obj_Form_FormInicial->prcTestaBuscaTitulo_Procurar();
                      return static_cast<QWidget *>(obj_Form_FormRespostaBusca);
                  }};
    lista << Cena{u"busca_titulo_resposta_pagina2"_s, [] {
                      obj_Form_FormRespostaBusca->paginador->prcMoverProximaPagina();
                      return static_cast<QWidget *>(obj_Form_FormRespostaBusca);
                  }};
    // The keyboard's focus: the grid reached with Tab, a row moved to with
    // the arrow; then a picture button of the toolbar.
    lista << Cena{u"teclado_grade"_s, [] {
                      Grade *grade = obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ;
                      grade->setFocus(Qt::TabFocusReason);
                      QKeyEvent abaixo(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                      QApplication::sendEvent(grade, &abaixo);
                      return static_cast<QWidget *>(obj_Form_FormRespostaBusca);
                  }};
    lista << Cena{u"teclado_botao"_s, [] {
                      obj_Form_FormRespostaBusca->obj_Bt_BuscaRapida_Ok->setFocus(
                          Qt::TabFocusReason);
                      return static_cast<QWidget *>(obj_Form_FormRespostaBusca);
                  }};
    lista << Cena{u"busca_titulo_busca"_s, [] {
                      irPara(obj_Form_FormBusca);
                      obj_Form_FormBusca->obj_Edit_BuscaTitulo->setText(u"cirurgião"_s);
                      return static_cast<QWidget *>(obj_Form_FormBusca);
                  }};
    lista << Cena{u"busca_titulo_descricao"_s, [] {
                      obj_Form_FormDescricao->strCodigoFamilia = u"0211"_s;
                      irPara(obj_Form_FormDescricao);
                      return static_cast<QWidget *>(obj_Form_FormDescricao);
                  }};
}

} // namespace cenas
