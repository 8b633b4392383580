#pragma once

#include <QStringList>

namespace comandos {

// The commands that work on a whole CSV file; each returns the exit status.
int converter(const QStringList &argumentos);
int codificar(const QStringList &argumentos);

} // namespace comandos
