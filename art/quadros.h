#pragma once

#include <QPainter>
#include <QSizeF>

#include "glifos.h"

// The pictures that have a drawing of their own. Each paints the whole picture
// of the given size in its designed coordinates (catalogo.cpp lists names and
// sizes).

// Background and bands of the main screens, and their lines and panels.
void desenharFundo(QPainter &p, QSizeF tamanho);
void desenharFaixaTopo(QPainter &p, QSizeF tamanho);
void desenharFaixaBase(QPainter &p, QSizeF tamanho);
void desenharDivisoria(QPainter &p, QSizeF tamanho);
void desenharMenuFamilia(QPainter &p, QSizeF tamanho);
void desenharLinhaMenu(QPainter &p, QSizeF tamanho);
void desenharFundoTabela(QPainter &p, QSizeF tamanho);
void desenharFundoConversao(QPainter &p, QSizeF tamanho);
void desenharFaixaTitulos(QPainter &p, QSizeF tamanho);

// Picture buttons. The plain ones, a word or a symbol on a tile, are
// described in catalogo.cpp and drawn by botaoComTexto (pintura.h) and
// botaoComGlifo.
void botaoComGlifo(QPainter &p, QSizeF tamanho, Glifo glifo, QRgb tom, qreal margem);
void desenharBtAbout(QPainter &p, QSizeF tamanho);
void desenharBtVoltar(QPainter &p, QSizeF tamanho);
void desenharSetaAnterior(QPainter &p, QSizeF tamanho);
void desenharSetaProxima(QPainter &p, QSizeF tamanho);

// Dialogs, About screen, cover of the home screen, application icon.
void desenharAvisoFundo(QPainter &p, QSizeF tamanho);
void desenharSairFundo(QPainter &p, QSizeF tamanho);
void desenharAbout(QPainter &p, QSizeF tamanho);
void desenharCapa(QPainter &p, QSizeF tamanho);
void desenharIcone(QPainter &p, QSizeF tamanho);

// The legislation screen's own frame.
void desenharLegTopo(QPainter &p, QSizeF tamanho);
void desenharLegBarra(QPainter &p, QSizeF tamanho);
void desenharLegLogo(QPainter &p, QSizeF tamanho);
void desenharLegHomeOff(QPainter &p, QSizeF tamanho);
void desenharLegHomeOn(QPainter &p, QSizeF tamanho);
