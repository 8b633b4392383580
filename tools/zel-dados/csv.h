#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Reader of RFC 4180 CSV text in UTF-8: fields separated by commas, optionally
// between double quotes (a doubled quote stands for itself, and a quoted field
// may hold commas and line breaks); records end with LF or CRLF. A byte order
// mark at the start is skipped.
//
// Only text the program can show is read: the reader stops at the first byte
// that is not valid UTF-8 (an overlong form, a surrogate, a sequence cut
// short, a Latin-1 letter ...), at a NUL or any other control character but a
// tab (line breaks only inside quoted fields), and at a line that ends with a
// CR alone.
class LeitorCsv {
public:
    explicit LeitorCsv(QByteArray dados);

    // The next record, or nothing at the end of the text or at an error.
    // `linha()` then gives the line on which that record began (1 for the
    // first line).
    std::optional<QStringList> proximo();
    int linha() const { return m_linhaRegistro; }

    // Empty when the text was well formed so far; otherwise what was wrong,
    // and where: the line, the field of the record (0 for the first) and the
    // byte of the text (0 for the first, the byte order mark included).
    const QString &erro() const { return m_erro; }
    int linhaErro() const { return m_linhaErro; }
    int campoErro() const { return m_campoErro; }
    qsizetype byteErro() const { return m_byteErro; }

private:
    bool falhar(const QString &motivo, qsizetype byte, int campo);
    // Appends the character that begins at `m_pos - 1` to `campo`; false
    // (and the error set) when it is not valid UTF-8 or is a control character.
    bool acrescentarCaractere(unsigned char primeiro, QByteArray &campo, int indiceCampo);

    QByteArray m_dados;
    qsizetype m_pos = 0;
    int m_linha = 1;
    int m_linhaRegistro = 0;
    QString m_erro;
    int m_linhaErro = 0;
    int m_campoErro = 0;
    qsizetype m_byteErro = 0;
};
