#pragma once

#include "erro.h"

#include <QString>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The database of one `dados` directory, opened read-only. One connection per
// directory is kept for the whole run and reopened only when the file on disk
// is replaced. Its prepared statements are kept too, keyed by their text.
namespace conexao {

inline constexpr const char *nomeArquivo = "zel2002.db";

// The database file of a `dados` directory.
QString arquivoDoBanco(const QString &diretorio);

// A statement of the catalogue, prepared. When it searches titles that the
// database indexes, `comandoIndice` answers it from the index and `comando`
// reads every title; both give the same rows, each ending with `ocultas`
// hidden integers by which they are sorted (see dialeto::Traducao).
struct Preparada {
    sqlite3_stmt *comando = nullptr;
    sqlite3_stmt *comandoIndice = nullptr;
    int indiceBusca = 0; // 0 when the statement has no :busca
    int ocultas = 0;
    bool ordenada = false;
    bool buscaEmMinusculas = false; // the index compares with lower(:busca)
    bool buscaComoDada = false;     // ... and with :busca as it is
    std::vector<QString> colunas;   // the visible ones
};

// The prepared form of `sql` on the database of `diretorio`. Throws ErroBanco
// when the directory, the file or anything the statement names is missing.
Preparada &preparar(const QString &diretorio, const std::string &sql);

// The error for a failure `codigo` of the engine on the connection `db` to the
// database of `diretorio`: what it means to the user, the database file, and
// the engine's own message.
ErroBanco erro(sqlite3 *db, int codigo, const QString &diretorio);

// Sets the engine up for this process; call it before opening any connection
// (once the engine has started, a call changes nothing). The engine keeps no
// count of the memory it allocates: nothing here asks for it, and the count
// takes a global lock on every allocation (the A–Z index's word search, which
// looks up each synonym's occupation, runs about 8 % faster without it).
void iniciarMotor();

// Gives a connection the engine functions the catalogue's statements need:
// Unicode LOWER (accents removed) and UPPER, the Portuguese collation,
// case-sensitive LIKE, and the title index's zel_linhas.
void registrarFuncoes(sqlite3 *db);

// Closes every connection; the next statement opens its database again.
void fecharTodas();

} // namespace conexao
