#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Small databases for tests, built with the real importer into temporary
// directories that live until the test program ends.
namespace fixtures {

// A new empty temporary directory, removed when the test program ends.
QString novoDiretorio();

// Every record of a CSV file, the header first, read by the importer's
// reader (blank lines left out).
QList<QStringList> lerCsv(const QString &arquivo);

// The directory of the CSV fixture `nome` in the source tree.
QString fonte(const QString &nome);

// A `dados` directory holding the fixture `nome`, imported once per run.
QString banco(const QString &nome);

// A `dados` directory holding the fixture `nome` without the table `tabela`.
QString semTabela(const QString &nome, const QString &tabela);

// A `dados` directory holding the fixture `nome` with the table `tabela`
// rebuilt without its column `coluna` (and without its indexes).
QString semColuna(const QString &nome, const QString &tabela, const QString &coluna);

// A copy of the `dados` directory `dados` whose database is as the importer
// made it before the title index: without the index's tables and columns, and
// with the indexes it built then.
QString anteriorAoIndice(const QString &dados);

// A classification assembled in code: starts from a CSV fixture (or empty
// tables), takes extra rows, and is imported into a new `dados` directory.
class Classificacao {
public:
    explicit Classificacao(const QString &base = QString());
    // Appends a row to `tabela`, values in the order of the table's columns.
    Classificacao &linha(const QString &tabela, const QStringList &valores);
    // Writes the CSV files and imports them; returns the `dados` directory.
    QString criar() const;

private:
    QMap<QString, QList<QStringList>> m_linhas; // header first
};

} // namespace fixtures
