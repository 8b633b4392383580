#pragma once

#include "dialeto.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

// The index of the searched titles (esquema::titulosBuscados), built by the
// importer beside the tables:
//   - zel_titulos: one row per indexed column (its number, table, column,
//     and the columns that hold its place in Portuguese order);
//   - zel_trigramas: for each column and each key, the rowids of the rows
//     whose title, as LOWER folds it, holds the key. The keys of a folded
//     title are its trigrams (three consecutive bytes) and its first byte.
//     A LIKE pattern names the trigrams of its runs of three or more bytes
//     between wildcards, and its first byte when it does not begin with one:
//     every row it matches holds all of them, so their rows are the
//     candidates, which the statement's own LIKE then checks. A list is
//     kept as differences between rowids or, where its rows lie close, as
//     one bit per rowid, whichever is shorter;
//   - in each title's table, the title's place in Portuguese order (a dense
//     rank over every indexed title and form, equal titles equal), as stored
//     and in capitals where statements order by them.
// PRAGMA user_version tells the index's format; a database without it (one
// imported before the index) or of another format (one whose keys were made
// by another folding) is searched by reading every title.
namespace indice {

inline constexpr int formato = 3;

// The keys of a LIKE pattern (folded as the statement folds the title),
// ascending and distinct. A pattern with no key cannot be answered from the
// index.
std::vector<uint32_t> chavesDoPadrao(std::string_view padrao);

// Builds the index in `db`, whose tables are loaded. Returns SQLITE_OK or the
// result code of the engine's failure.
int construir(sqlite3 *db);

// Registers zel_linhas(numero, padrao), a table-valued function: the rowids,
// ascending, of the rows of the indexed column `numero` that hold every key
// of `padrao` (folded as the statement folds the title).
void registrarModulo(sqlite3 *db);

// The index that `db` holds, empty for a database without one. Returns
// SQLITE_OK, or the result code of the engine's failure with its message in
// `mensagem`.
int ler(sqlite3 *db, dialeto::Indice &indice, std::string &mensagem);

} // namespace indice
