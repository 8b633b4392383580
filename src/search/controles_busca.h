#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

class BotaoFigura;
class Consulta;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

// Controls and texts that the code search, code search results, structure
// browser and title A-Z screens build alike.
namespace controles {

// Grey line under a result list: a double click on a row opens its family.
QString dicaFamilia();
// Blue line pointing the user to the classification's codes.
QString ajudaCodigos();

const QColor cinza(0x80, 0x80, 0x80);
const QColor azul(0x00, 0x00, 0xFF);

// The group box `obj_Grupo_Pesquisa` of a search screen, Verdana 8 pt bold.
QGroupBox *grupoPesquisa(QWidget *tela, const QString &titulo, const QRect &geometria);

// A label at `posicao`, sized to its text.
QLabel *rotulo(QWidget *pai, const QString &texto, QPoint posicao, const QFont &fonte,
               const QColor &cor = Qt::black);

// A grey Verdana 7 pt line (hints and legends), bold or italic when asked.
QLabel *legenda(QWidget *pai, const QString &texto, QPoint posicao, bool negrito = false,
                bool italico = false);

// A one-line box without a border of its own, drawn over a dark 1-pixel
// frame, in MS Sans Serif 8 pt.
QLineEdit *caixaTexto(QWidget *pai, const QString &nome, const QRect &geometria);

// A picture button over its grey shadow, which sticks out to the right and
// below.
BotaoFigura *botaoComSombra(QWidget *pai, const QString &nome, const QString &imagem,
                            const QRect &geometria);

// Runs a statement of the catalogue on `consulta` the one way every query is
// run: its lines, the database directory, close, `busca` bound when given,
// open.
void abrir(Consulta &consulta, const QStringList &sql,
           const std::optional<QString> &busca = std::nullopt);

// Cell texts of the result grids: bold for occupations, italic for synonyms.
QString negrito(const QString &texto);
QString italico(const QString &texto);

} // namespace controles
