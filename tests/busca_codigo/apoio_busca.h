#pragma once

#include "grade.h"
#include "navegacao.h"
#include "tela_principal.h"

#include <QStringList>
#include <QTest>

// What the tests of the code search, structure and A-Z screens share.
namespace apoio_busca {

// Navigates from the screen on view to `tela`, as a link or button does.
inline void irPara(TelaPrincipal *tela) {
    navegacao::irPara(navegacao::telaAtual(), tela);
}

// The About screen opened over the screen on view and closed again: the
// screen is activated once more.
inline void reativar() {
    navegacao::mostrarSobre();
    navegacao::sobreFechado();
}

// The data rows of a grid, each as its cells joined by "|".
inline QStringList linhas(const Grade &grade) {
    QStringList resultado;
    for (int linha = 1; linha < grade.totalLinhas(); ++linha) {
        QStringList celulas;
        for (int coluna = 0; coluna < grade.totalColunas(); ++coluna)
            celulas << grade.celula(coluna, linha);
        resultado << celulas.join(u'|');
    }
    return resultado;
}

inline QStringList cabecalho(const Grade &grade) {
    QStringList textos;
    for (int coluna = 0; coluna < grade.totalColunas(); ++coluna)
        textos << grade.celula(coluna, 0);
    return textos;
}

// A double click with the mouse on a row of the grid (0: the header).
inline void duploClique(Grade &grade, int linha, int coluna = 0) {
    QTest::mouseDClick(grade.viewport(), Qt::LeftButton, Qt::NoModifier,
                       grade.retanguloCelula(coluna, linha).center());
}

} // namespace apoio_busca
