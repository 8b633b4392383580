#pragma once

#include <QString>

// Builds the database of a `dados` directory from one UTF-8 CSV file per
// table (TFamilia.csv, TOcupacao.csv, ...), each with a header row naming its
// columns. The new database is written to a temporary file and renamed over
// the old one only when every file was read without error, so a failed import
// leaves the previous database as it was. On failure `erro` names the file,
// the line and the column.
bool importar(const QString &diretorioCsv, const QString &diretorioDados, QString *erro);
