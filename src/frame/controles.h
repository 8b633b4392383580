#pragma once

#include "fontes.h"

#include <QFont>
#include <QRect>
#include <QString>

class BotaoFigura;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

// Controls that the search and conversion screens build alike.
namespace controles {

// The group box `obj_Grupo_Pesquisa` of a screen, in Verdana bold (8 pt
// unless told).
QGroupBox *grupoPesquisa(QWidget *tela, const QString &titulo, const QRect &geometria,
                         int pixelsFonte = fontes::pt8);

// A one-line box without a border of its own, in `fonte`, drawn over a black
// frame one pixel wider on every side (named `nomeBorda` when given), and
// named for assistive technology by the label `rotulo` beside it (when there
// is one).
QLineEdit *caixaComBorda(QWidget *pai, const QString &nome, const QRect &geometria,
                         const QFont &fonte, QLabel *rotulo, const QString &nomeBorda = {});

// The same over a black shadow 6 pixels right and 3 down, 2 pixels narrower
// than the box.
QLineEdit *caixaComSombra(QWidget *pai, const QString &nome, const QRect &geometria,
                          const QFont &fonte, QLabel *rotulo, const QString &nomeBorda,
                          const QString &nomeSombra);

// A picture button; `acao` names it for assistive technology.
BotaoFigura *botao(QWidget *pai, const QString &nome, const QString &imagem, const QString &acao,
                   const QRect &geometria);

// The same over its grey shadow, which sticks out to the right and below.
BotaoFigura *botaoComSombra(QWidget *pai, const QString &nome, const QString &imagem,
                            const QString &acao, const QRect &geometria);

} // namespace controles
