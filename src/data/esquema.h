#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The eleven tables of the classification, every column that the catalogue
// reads, and the widths of the codes that the screens rely on. The importer
// builds the database from this description; every column holds text.
namespace esquema {

struct Coluna {
    QString nome;
    int largura = 0;      // exact width of a code, 0 when free
    bool codigo = false;  // a code: never empty
    bool inteiro = false; // a sequence number, sorted as a number
};

struct Tabela {
    QString nome;
    std::vector<Coluna> colunas;
    QStringList chaves;  // columns that together identify a row (unique)
    QStringList indices; // one index per entry; an entry is a comma-separated list of columns
};

const std::vector<Tabela> &tabelas();
const Tabela *tabela(const QString &nome);

// CREATE TABLE and CREATE INDEX statements for the whole database.
QStringList comandosCriacao();

} // namespace esquema
