#pragma once

#include "botao_figura.h"
#include "navegacao.h"
#include "programa.h"
#include "tela_pagina.h"
#include "unit_About.h"
#include "unit_FormInformacoes.h"
#include "unit_FormInicial.h"
#include "unit_FormLegislacao.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormRegulamentacao.h"

#include <QTest>
#include <QTimer>

// What the tests of the family and page screens share.

// Opens the About screen over `tela` and closes it: `tela` is activated again.
inline void abrirEFecharSobre(TelaPrincipal *tela) {
    programa::clicar(tela->obj_Bt_About);
    programa::clicar(obj_Form_FormAbout->obj_Bt_Ok_About);
}

// A real notice over `tela` (the quick search with its box empty), closed
// with Enter; false when it did not come or did not close.
[[nodiscard]] inline bool fecharAvisoReal(TelaPrincipal *tela) {
    return programa::fecharAvisoReal([tela] { programa::clicar(tela->obj_Bt_BuscaRapida_Ok); })
        .has_value();
}

// The three page screens as rows of a test table: the screen's name, its
// page file and the home screen's toolbar button that opens it (none for
// the legislation page, which no control opens).
inline void linhasDasPaginas() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QString>("botao");
    QTest::newRow("informações") << "FormInformacoes"
                                 << "info_zel.htm"
                                 << "obj_Bt_Info";
    QTest::newRow("regulamentação") << "FormRegulamentacao"
                                    << "regulamentacao.htm"
                                    << "obj_Bt_Regula";
    QTest::newRow("legislação") << "FormLegislacao"
                                << "legislacao.htm"
                                << "";
}

inline TelaPagina *telaDePagina(const QString &nome) {
    if (nome == QLatin1String("FormInformacoes"))
        return obj_Form_FormInformacoes;
    if (nome == QLatin1String("FormRegulamentacao"))
        return obj_Form_FormRegulamentacao;
    return obj_Form_FormLegislacao;
}

inline BotaoFigura *botao(QWidget *tela, const QString &nome) {
    return tela->findChild<BotaoFigura *>(nome);
}

// From the home screen to the page screen, with the toolbar button where
// there is one.
inline void abrirPagina(TelaPagina *tela, const QString &botaoDaBarra) {
    navegacao::irPara(navegacao::telaAtual(), obj_Form_FormInicial);
    if (botaoDaBarra.isEmpty())
        navegacao::irPara(obj_Form_FormInicial, tela);
    else
        programa::clicar(botao(obj_Form_FormInicial, botaoDaBarra), QPoint(7, 7));
}
