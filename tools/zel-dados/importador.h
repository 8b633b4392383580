#pragma once

#include <QString>
#include <QStringList>

namespace importador {

// Builds the database of a `dados` directory from one UTF-8 CSV file per
// table (TFamilia.csv, TOcupacao.csv, ...), each with a header row naming its
// columns. Only data the screens can use lands: text that is valid UTF-8
// without control characters, codes of the characters and widths the code
// boxes accept, unique keys and visible codes, sequence numbers in range, and
// references between the tables that lead somewhere. On failure `erro` names
// the file, the line and the column, and the previous database stays as it
// was.
//
// One import at a time per directory: a second one is refused at once. The
// new database is written to a temporary file of a unique name in the
// directory (removed on failure, and when the process is interrupted), flushed
// to disk with the directory, renamed over the old one and the directory
// flushed again: readers see the old database or the new one, never a part.
// What killed imports left is removed by the next one.
//
// References whose gaps the screens tolerate (a related family or the 2002
// side of a correspondence that does not exist: the row is simply never
// shown) do not stop the import; `avisos` then gets one line per such row.
bool importar(const QString &diretorioCsv, const QString &diretorioDados, QString *erro,
              QStringList *avisos = nullptr);

} // namespace importador
