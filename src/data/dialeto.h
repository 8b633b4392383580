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

// `zel_like_dobrado(t.c, P)` answers `LOWER(t.c) like P` and `zel_like(t.c,
// P)` answers `t.c like P`, each in one call and faster; statements that
// search indexed titles are given them (see Traducao).
inline constexpr const char *funcaoLikeDobrado = "zel_like_dobrado";
inline constexpr const char *funcaoLike = "zel_like";

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
// rows in the same order. Each predicate `LOWER(t.c) like P` on an indexed
// column, P being `lower(:busca)` or `:busca`,
//   - in `indice`, first takes t's rows from the index: where the predicate
//     is a term of the WHERE's top-level AND, the index's list of rows is
//     joined before t and t's rows are read by it,
//       from zel_linhas(N, P) as zel_lK cross join t ...
//       where (t.rowid = zel_lK.linha and zel_like_dobrado(t.c, P))
//     elsewhere it is a subquery,
//       (t.rowid in (select linha from zel_linhas(N, P))
//        and zel_like_dobrado(t.c, P));
//   - in `varredura`, reads every row: zel_like_dobrado(t.c, P).
// In both, every other predicate `LOWER(t.c) like P` or `t.c like P` is
// answered by zel_like_dobrado or zel_like. Both forms end each select with
// hidden integer columns, by which the query object sorts the rows (see
// Consulta), whichever way the engine reached them. A statement ordered by
// title loses its ORDER BY and gets one: the title's place in Portuguese
// order times 16 plus the number of the select in the union (1 to 15).
// Another gets the number of the select and the rowid of each of its tables
// in the order they are named.
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
