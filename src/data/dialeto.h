#pragma once

#include <map>
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

// What a database's title index offers (see indice.h), by "table.column" in
// lower case: the column's number in the index and the columns that hold its
// place in Portuguese order as stored and in capitals (empty when absent).
struct ColunaIndexada {
    int numero = 0;
    std::string ordemTexto;
    std::string ordemMaiusculas;
};
using Indice = std::map<std::string, ColunaIndexada>;

// A statement that searches indexed titles, in two forms that give the same
// rows in the same order. Each predicate `LOWER(t.c) like lower(:busca)` (or
// `like :busca`) on an indexed column
//   - in `indice`, first takes t's rows from the index:
//       (t.rowid in (select linha from zel_linhas(N, lower(:busca)))
//        and LOWER(t.c) like lower(:busca))
//   - in `varredura`, stays as it is: every row is read.
// Both forms end each select with hidden integer columns, by which the query
// object sorts the rows (see Consulta), whichever way the engine reached
// them. A statement ordered by title loses its ORDER BY and gets one: the
// title's place in Portuguese order times 16 plus the number of the select
// in the union (1 to 15). Another gets the number of the select and the
// rowid of each of its tables in the order they are named.
struct Traducao {
    std::string varredura;
    std::string indice;             // empty: the statement reads no indexed title
    int ocultas = 0;                // hidden columns at the end of each row
    bool ordenada = false;          // ordered by title: one hidden column
    bool buscaEmMinusculas = false; // some predicate compares with lower(:busca)
    bool buscaComoDada = false;     // some predicate compares with :busca itself
};
Traducao traduzir(std::string_view sql, const Indice &indice);

// True when the text uses the parameter `:nome` outside string literals.
bool declaraParametro(std::string_view sql, std::string_view nome);

} // namespace dialeto
