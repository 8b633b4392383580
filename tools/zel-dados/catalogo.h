#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The statement builders by name, as the data tool and the benchmarks call them.
namespace catalogo {

// Builds the lines of the builder `nome` from its arguments given as text
// (flags as 0 or 1). Nothing when the name is unknown or the number of
// arguments is wrong; `erro` then says why.
std::optional<QStringList> construir(const QString &nome, const QStringList &argumentos,
                                     QString *erro);

QStringList nomes();

} // namespace catalogo
