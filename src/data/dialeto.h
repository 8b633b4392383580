#pragma once

#include <string>
#include <string_view>

// The statements of the catalogue concatenate with `+`, cut with
// `substring(x from a for b)` and order with plain terms. This adapter turns
// such a text into SQLite's dialect just before it is prepared:
//   a + b                     -> a || b          (string concatenation)
//   substring(x from a for b) -> substr(x, a, b)
//   order by titulo           -> order by titulo collate zel_pt
// Terms of an ORDER BY that name a code (an identifier beginning with "cod")
// keep the engine's byte order; every other term sorts in Portuguese
// dictionary order. The text is read token by token, so string literals,
// quoted names and parameters are copied untouched.
namespace dialeto {

inline constexpr const char *colacaoPortugues = "zel_pt";

std::string traduzir(std::string_view sql);

// True when the text uses the parameter `:nome` outside string literals.
bool declaraParametro(std::string_view sql, std::string_view nome);

} // namespace dialeto
