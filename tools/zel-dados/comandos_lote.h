#pragma once

#include <QStringList>

// The commands that work on a whole CSV file; each returns the exit status.
int converterComando(const QStringList &argumentos);
int codificarComando(const QStringList &argumentos);
