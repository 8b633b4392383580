#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;
class TelaPrincipal;

// What the conversion tests do to the screens, the way a user does it.
namespace apoio_conversao {

// Opens the drop-down list and clicks the entry `texto`.
void escolher(QComboBox *lista, const QString &texto);

QStringList entradas(const QComboBox *lista);

// The text of the label named `nome` on `tela`.
QString textoDe(const QWidget *tela, const QString &nome);

// Shows `tela` from the screen on view, as a toolbar button or a link does.
void irPara(TelaPrincipal *tela);

// Runs a conversion as the screen that the origin tag names does it:
// "tabua": the two lists, the code and OK of the conversion by code;
// "conversao": the family `codigo` on the family conversion, its target and
// OK; "conversaoTitulo": the titles of base `de` holding `palavra`, then the
// target and OK of the first listed row whose code is `codigo`.
void converter(const QString &origem, const QString &de, const QString &para, const QString &codigo,
               const QString &palavra = QString());

// The cells of the conversion results grid, row by row.
QStringList linhasDaGrade();

} // namespace apoio_conversao
