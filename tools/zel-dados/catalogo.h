#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The statement builders by name, as the data tool calls them.
namespace catalogo {

// Builds the lines of the builder `nome` from its arguments given as text:
// flags exactly 0 or 1, bases by the names the conversion screens offer
// ("ZEL2002", "ZEL94", "CIUO88"). Nothing when the name is unknown, the
// number of arguments or one of them is wrong, or the arguments build no
// statement (no flag set, a pair of bases without conversion); `erro` then
// says why, naming the argument.
std::optional<QStringList> construir(const QString &nome, const QStringList &argumentos,
                                     QString *erro);

} // namespace catalogo
