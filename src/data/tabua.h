#pragma once

#include <QString>
#include <QStringList>

class Consulta;

// What a conversion converts: the base it starts from, the base it goes to
// and the code, as the user gave them.
struct Conversao {
    QString baseDe;
    QString basePara;
    QString codigo;
};

// The conversion tables as every conversion runs them, on a screen or over a
// whole file: which bases convert to which, how the catalogue's statement is
// run for a code, and what a row of its result lists.
namespace tabua {

// The three bases, in the order the lists offer them.
QStringList bases();

// The bases that a code of `base` converts to: every conversion goes from or
// to ZEL2002, so ZEL2002 goes to ZEL94 and CIUO88 and any other base only to
// ZEL2002.
QStringList destinos(const QString &base);

// Runs the conversion on `consulta` against the database of `diretorio`: the
// catalogue's statement for the pair, with `busca` bound where the statement
// has it. A ZEL2002 occupation (six characters) converted to CIUO88 is
// converted through its family, the first four characters: the statement
// compares `busca` with family codes only.
void abrirConversao(Consulta &consulta, const Conversao &conversao, const QString &diretorio);

// A ZEL2002 occupation reached from a previous-edition occupation that the
// 2002 edition excluded (its situation is not "AT"): every row of such a
// result shares it.
bool ocupacaoExcluida(const Consulta &registro);

// What a row of a result lists: a code and its title. A conversion from the
// previous edition lists, when `familiaSeExcluida` and the occupation
// converted was excluded, the family of the 2002 occupation instead.
struct Item {
    QString codigo;
    QString titulo;
};
Item itemListado(const Consulta &registro, bool familiaSeExcluida);

} // namespace tabua
