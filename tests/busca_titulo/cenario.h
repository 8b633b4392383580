#pragma once

// What the tests of the way from a searched word to a family share: moving
// between screens, the navigation events seen, and a grid read as text.

#include "botao_figura.h"
#include "consulta.h"
#include "grade.h"
#include "navegacao.h"
#include "programa.h"
#include "tela_principal.h"
#include "unit_global.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStringList>

namespace cenario {

// Navigates from the screen on view to `tela`, as a toolbar click does.
inline void irPara(TelaPrincipal *tela) {
    navegacao::irPara(navegacao::telaAtual(), tela);
}

// Rows that the quick search statement finds for a pattern, counted apart
// from the screens.
inline int contarTitulos(const QString &padrao) {
    Consulta consulta;
    consulta.definirSql(fncSqlBuscaRapida());
    consulta.definirBanco(fncCaminhoDados());
    consulta.fechar();
    consulta.definirBusca(padrao);
    consulta.abrir();
    return consulta.totalLinhas();
}

// The grid's rows from `primeira` on, each as the texts of its cells.
inline QList<QStringList> linhas(const Grade &grade, int primeira) {
    QList<QStringList> resultado;
    for (int linha = primeira; linha < grade.totalLinhas(); ++linha) {
        QStringList celulas;
        for (int coluna = 0; coluna < grade.totalColunas(); ++coluna)
            celulas << grade.celula(coluna, linha);
        resultado << celulas;
    }
    return resultado;
}

// Column `coluna` of the rows from `primeira` on.
inline QStringList coluna(const Grade &grade, int coluna, int primeira) {
    QStringList textos;
    for (int linha = primeira; linha < grade.totalLinhas(); ++linha)
        textos << grade.celula(coluna, linha);
    return textos;
}

} // namespace cenario
