#pragma once

#include <QStringView>

// The checks of the codes a user types. A code that passes them holds only
// the characters the statements may carry as literals.
namespace codigos {

enum class Falha {
    Nenhuma,
    Vazio,
    Tamanho,  // wrong number of characters
    Caractere // a character that may not stand in such a code
};

// A code to search by: exactly 4 (a family) or 6 (an occupation) ASCII digits.
// The characters are looked at only when the length is right.
Falha verificarCodigoBusca(QStringView codigo);

// A code to convert: 4 to 6 characters, each an ASCII digit, "X" or "x".
Falha verificarCodigoConversao(QStringView codigo);

} // namespace codigos
