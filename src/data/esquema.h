#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The eleven tables of the classification, every column that the catalogue
// reads, and the widths of the codes that the screens rely on. The importer
// builds the database from this description; every column holds text.
namespace esquema {

// The characters a code may hold: those that the screens' code boxes let a
// user type for it, so that every stored code can be looked up.
enum class Caracteres {
    Livres,           // not typed by users (internal keys)
    Digitos,          // ASCII digits, exactly `largura` of them (ZEL2002 codes)
    DigitosConversao, // 4 to 6 ASCII digits (CIUO88 base groups)
    Conversao,        // 4 to 6 characters, ASCII digits or X (ZEL94 codes)
};

struct Coluna {
    QString nome;
    int largura = 0;      // exact width of a code, 0 when free
    bool codigo = false;  // a code: never empty
    bool inteiro = false; // a sequence number, sorted as a number
    Caracteres caracteres = Caracteres::Livres;
};

struct Tabela {
    QString nome;
    std::vector<Coluna> colunas;
    QStringList chaves;      // columns that together identify a row (unique)
    QStringList indices;     // one index per entry; an entry is a comma-separated list of columns
    QStringList unicas = {}; // further unique column sets; an entry as in `indices`
};

// A join of the catalogue's statements: every value of `coluna` in `tabela`
// names a row of `tabelaReferida` by its `colunaReferida`.
struct Referencia {
    QString tabela;
    QString coluna;
    QString tabelaReferida;
    QString colunaReferida;
    // A row whose value names nothing is one the screens simply never show,
    // with nothing else going wrong; otherwise the screens would show an
    // empty family, lose a branch of the tree or a conversion.
    bool lacunaTolerada = false;
};

// A title column that the searches read with `LOWER(column) like`, and the
// forms in which the statements order it: as stored, or as UPPER returns it.
// The importer indexes each one and stores its place in Portuguese order
// (see indice.h).
struct TituloBuscado {
    QString tabela;
    QString coluna;
    bool ordemTexto = false;
    bool ordemMaiusculas = false;
};

const std::vector<Tabela> &tabelas();
const Tabela *tabela(const QString &nome);
const std::vector<Referencia> &referencias();
const std::vector<TituloBuscado> &titulosBuscados();

// CREATE TABLE and CREATE INDEX statements for the whole database.
QStringList comandosCriacao();

} // namespace esquema
