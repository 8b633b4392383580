#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What the commands that work on a whole file share: a CSV with a header row
// read from a file or standard input, one column of it given to the command
// row by row, the same rows written in the same order with the command's
// columns added, to a file that appears whole or not at all (or to standard
// output), a progress bar and a summary on standard error.
namespace lote {

// Exit statuses: a bad command line, a column, input or database that is not
// there; a malformed line of the input or an output that could not be
// written. A bad value in a row is no failure: it gets its status.
inline constexpr int statusUso = 2;
inline constexpr int statusFalha = 1;

// What a command does with the value of each row.
class Processador {
public:
    // The names of the columns it adds, and of the statuses a row may get, in
    // the order the summary lists them.
    virtual QStringList colunas() const = 0;
    virtual QStringList situacoes() const = 0;
    // Fills `linhas` with the added fields of the rows to write for the row
    // whose value is `valor` (one row, or more) and returns its status, an
    // index into `situacoes()`.
    virtual int processar(const QString &valor, std::vector<QStringList> &linhas) = 0;
    // Lines the summary adds after the statuses.
    virtual QStringList resumo() const { return {}; }

protected:
    ~Processador() = default;
};

struct Opcoes {
    QString entrada;               // empty or "-": standard input
    QString saida;                 // empty: standard output
    QString coluna;                // a name or a number from 1; empty: the first column
    std::optional<char> separador; // otherwise the header line's
};

// The separator given on the command line: one character, not a quote or a
// line break; nothing, and `erro` set, otherwise.
std::optional<char> lerSeparador(const QString &texto, QString *erro);

// Runs `processador` over the input; returns the exit status. Errors are
// written to standard error.
int executar(const Opcoes &opcoes, Processador &processador);

} // namespace lote
