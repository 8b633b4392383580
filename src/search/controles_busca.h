#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class BotaoFigura;
class Consulta;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

// Controls, texts and searches that the search screens build and run alike
// (the controls they share with the conversion screens are controles.h's).
namespace busca {

// Grey line under a result list: a double click on a row opens its family.
QString dicaFamilia();
// Blue line pointing the user to the classification's codes.
QString ajudaCodigos();

const QColor cinza(0x80, 0x80, 0x80);
const QColor azul(0x00, 0x00, 0xFF);

// A grey Verdana 7 pt line (hints and legends), bold or italic when asked.
QLabel *legenda(QWidget *pai, const QString &texto, QPoint posicao, bool negrito = false,
                bool italico = false);

// A search box named by its label `rotulo` and its "Procurar" button over its
// shadow, named `acao` for assistive technology ("Procurar título" where a
// screen has two such buttons): Enter in the box runs `aoEnter` and a click
// on the button `aoClicar`, inside the error boundary.
struct CaixaBusca {
    QLineEdit *caixa;
    BotaoFigura *botao;
};
CaixaBusca caixaBusca(QWidget *pai, QLabel *rotulo, const QString &nome, const QRect &geometria,
                      const QString &dica, const QString &nomeBotao, const QString &acao,
                      QPoint lugarBotao, const std::function<void()> &aoEnter,
                      const std::function<void()> &aoClicar);

// An empty search box gets the notice "Digite a palavra para Busca" and the
// focus.
bool palavraDigitada(QLineEdit *caixa);

// The search by code of the code search screen and of the home screen's code
// box: the code must be 4 or 6 digits (a refused code gets its notice, and
// the focus goes back to the box unless the length was wrong); 4 digits find
// the family and its occupations, 6 one occupation. Returns whether rows were
// found; when none, the notice is given.
bool buscarCodigo(QLineEdit &caixa, Consulta &consulta);

// The search by title of the home and title search screens: the statement
// `sql` with `busca` bound to "%" + palavra + "%", the word exactly as typed.
// Returns whether rows were found; when none, the notice is given.
bool buscarTitulo(Consulta &consulta, const QStringList &sql, const QString &palavra);

} // namespace busca
