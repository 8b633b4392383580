#pragma once

#include "paginador.h"
#include "tabua.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QStringView>

class BotaoFigura;
class Consulta;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;
class TelaPrincipal;

// A screen that runs conversions and hands them to the conversion results
// screen (the conversion by code, the family conversion, the conversion-by-
// title results). The results screen reads the open result and what was
// converted from the screen that its origin tag names.
class OrigemConversao {
public:
    virtual Consulta &resultadoConversao() = 0;
    virtual Conversao conversaoFeita() const = 0;

protected:
    ~OrigemConversao() = default;
};

// What the conversion screens share: the rule of which bases convert to
// which, running a conversion and handing it over, and the controls that
// several of them build alike.
namespace conversao {

// The origin tags of the conversion results screen.
inline constexpr QStringView tagTabua = u"tabua";
inline constexpr QStringView tagConversao = u"conversao";
inline constexpr QStringView tagConversaoTitulo = u"conversaoTitulo";

inline const QString avisoBaseFinal =
    QStringLiteral("Você deve informar a\rbase final para conversão");
inline const QString avisoSemConversao =
    QStringLiteral("Não foi encontrado\rnenhum registro para conversão");

// The colour of the help texts.
inline const QColor corAjuda(192, 64, 0);

// The choice of a list: its selected entry, or an empty text.
QString escolha(const QComboBox *lista);

// Whether the list has a choice; if not, shows `aviso` and puts the focus on
// the list.
bool exigirEscolha(QComboBox *lista, const QString &aviso);

// The list gets `entradas` and no choice.
void substituirEntradas(QComboBox *lista, const QStringList &entradas);

// Runs the conversion on `consulta` (`tabua::abrirConversao`). When it finds
// nothing, shows `avisoVazio` and the screen stays; otherwise writes `tag`
// into the conversion results screen, shows it and hides `origem`.
void converter(TelaPrincipal *origem, Consulta &consulta, const Conversao &conversao,
               QStringView tag, const QString &avisoVazio);

// The pager of the two conversion result screens, `linhasPorPagina` rows
// to a page: "Páginas:" at (66, `topo`), every label at its design place on
// that line, the arrows at (591, `topoSetas`) and (623, `topoSetas`).
ConfiguracaoPaginador configuracaoPaginador(int linhasPorPagina, int topo, int topoSetas);

// The count of a result, "(" + n + ")", in `total`, placed on the line of
// the header `cabecalho`, 5 pixels to its right.
void escreverCabecalho(QLabel *cabecalho, QLabel *total, const QString &texto, int n);

// Controls built alike on several conversion screens.

// The search group of the two conversion entry screens, 681 x 289 at
// (16, `topo`): its caption, the picture band behind its inputs, and the
// three steps of its help at (26, 200), (26, 216) and (26, 232).
QGroupBox *grupoPesquisa(QWidget *pai, const QString &titulo, int topo, const QStringList &passos);
// A drop-down list labelled, for assistive technology, by `rotulo` beside it
// when given; a list beside a title from the database is named by its screen
// instead (a label that is a list's buddy reads its "&" as a shortcut mark).
QComboBox *lista(QWidget *pai, const QString &nome, QPoint posicao, int largura,
                 const QStringList &entradas, QLabel *rotulo);
// The code or title box of the two entry screens (controles::caixaComSombra
// in the group's font), with the hint of both screens, named by the label
// `rotulo` beside it.
QLineEdit *caixaDeEntrada(QWidget *pai, const QString &nome, const QRect &geometria,
                          const QString &nomeBorda, const QString &nomeSombra, QLabel *rotulo);
// A picture band between two one-pixel dividers, just above and below it.
void faixaEntreDivisorias(QWidget *pai, const QString &nome, const QString &imagem,
                          const QRect &geometria);
BotaoFigura *botaoOk(QWidget *pai, const QString &nome, QPoint posicao);
// The "Voltar" picture button.
BotaoFigura *botaoVoltar(QWidget *pai, QPoint posicao);

} // namespace conversao
