// The home screen, the title search, its results and the family description, filled.

#include "cenas.h"

#include "navegacao.h"
#include "paginador.h"
#include "unit_FormBusca.h"
#include "unit_FormDescricao.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaBusca.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

void irPara(TelaPrincipal *tela) {
    navegacao::irPara(navegacao::telaAtual(), tela);
}

} // namespace

void cenasBuscaTitulo(QList<Cena> &cenas) {
    cenas << Cena{u"busca_titulo_inicial"_s, [] {
                      irPara(obj_Form_FormInicial);
                      obj_Form_FormInicial->obj_Edit_BuscaCodigo->setText(u"0211"_s);
                      return static_cast<QWidget *>(obj_Form_FormInicial);
                  }};
    cenas << Cena{u"busca_titulo_resposta_pagina1"_s, [] {
                      irPara(obj_Form_FormInicial);
                      obj_Form_FormInicial->obj_Edit_BuscaCodigo->clear();
                      obj_Form_FormInicial->obj_Edit_BuscaTitulo->setText(u"dentista"_s);
                      obj_Form_FormInicial->prcTestaBuscaTitulo_Procurar();
                      return static_cast<QWidget *>(obj_Form_FormRespostaBusca);
                  }};
    cenas << Cena{u"busca_titulo_resposta_pagina2"_s, [] {
                      obj_Form_FormRespostaBusca->paginador->prcMoverProximaPagina();
                      return static_cast<QWidget *>(obj_Form_FormRespostaBusca);
                  }};
    cenas << Cena{u"busca_titulo_busca"_s, [] {
                      irPara(obj_Form_FormBusca);
                      obj_Form_FormBusca->obj_Edit_BuscaTitulo->setText(u"cirurgião"_s);
                      return static_cast<QWidget *>(obj_Form_FormBusca);
                  }};
    cenas << Cena{u"busca_titulo_descricao"_s, [] {
                      obj_Form_FormDescricao->strCodigoFamilia = u"0211"_s;
                      irPara(obj_Form_FormDescricao);
                      return static_cast<QWidget *>(obj_Form_FormDescricao);
                  }};
}
