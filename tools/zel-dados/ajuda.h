#pragma once

#include <QString>

// What `zel-dados --help` and `zel-dados COMANDO --help` say.
namespace ajuda {

// One line of use per command.
QString geral();

// The whole help of `comando`; empty when there is no such command.
QString doComando(const QString &comando);

// The line of use of `comando`.
QString uso(const QString &comando);

} // namespace ajuda
