#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Reader of RFC 4180 CSV text in UTF-8: fields separated by commas, optionally
// between double quotes (a doubled quote stands for itself, and a quoted field
// may hold commas and line breaks); records end with LF or CRLF. A byte order
// mark at the start is skipped.
class LeitorCsv {
public:
    explicit LeitorCsv(QByteArray dados);

    // The next record, or nothing at the end of the text. `linha()` then gives
    // the line on which that record began (1 for the first line).
    std::optional<QStringList> proximo();
    int linha() const { return m_linhaRegistro; }
    // Empty when the text was well formed so far; otherwise what was wrong.
    const QString &erro() const { return m_erro; }

private:
    QByteArray m_dados;
    qsizetype m_pos = 0;
    int m_linha = 1;
    int m_linhaRegistro = 0;
    QString m_erro;
};
