#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string_view>

// Reader of RFC 4180 CSV text in UTF-8: fields separated by commas (or the
// separator given), optionally between double quotes (a doubled quote stands
// for itself, and a quoted field may hold separators and line breaks);
// records end with LF or CRLF. A byte order mark at the start is skipped.
//
// Only text the program can show is read: the reader stops at the first byte
// that is not valid UTF-8 (an overlong form, a surrogate, a sequence cut
// short, a Latin-1 letter ...), at a NUL or any other control character but a
// tab (line breaks only inside quoted fields), and at a line that ends with a
// CR alone.
//
// The text is given whole, or read block by block from a source (a file or a
// pipe of any size), of which only the record being read is held.
class LeitorCsv {
public:
    explicit LeitorCsv(QByteArray dados);

    // Fills up to `maximo` bytes at `destino` and returns how many, 0 at the
    // end of the text, or -1 when reading failed (errno tells why).
    using Fonte = std::function<qsizetype(char *destino, qsizetype maximo)>;
    explicit LeitorCsv(Fonte fonte);

    // The separator of fields; a comma until another is given.
    void definirSeparador(char separador);
    // The separator the first line uses, read ahead without taking the line:
    // a semicolon when the line holds more semicolons than commas outside
    // quotes, otherwise a comma.
    char separadorDoCabecalho();

    // The next record, or nothing at the end of the text or at an error.
    // `linha()` then gives the line on which that record began (1 for the
    // first line).
    std::optional<QStringList> proximo();
    int linha() const { return m_linhaRegistro; }

    // Whether the text began with a byte order mark, and whether the last
    // record read ended with CRLF.
    bool comMarcaDeOrdem() const { return m_marcaDeOrdem; }
    bool terminouComCrlf() const { return m_crlf; }
    // How many bytes of the text were taken so far.
    qsizetype bytesLidos() const { return m_base + m_pos; }

    // Empty when the text was well formed so far; otherwise what was wrong,
    // and where: the line, the field of the record (0 for the first) and the
    // byte of the text (0 for the first, the byte order mark included).
    // `errnoLeitura()` is not 0 when the source failed.
    const QString &erro() const { return m_erro; }
    int linhaErro() const { return m_linhaErro; }
    int campoErro() const { return m_campoErro; }
    qsizetype byteErro() const { return m_byteErro; }
    int errnoLeitura() const { return m_errnoLeitura; }

private:
    bool falhar(const QString &motivo, qsizetype byte, int campo);
    // Appends the character that begins at `m_pos - 1` to `campo`; false
    // (and the error set) when it is not valid UTF-8 or is a control character.
    bool acrescentarCaractere(unsigned char primeiro, QByteArray &campo, int indiceCampo);
    // Appends the bytes from `m_pos - 1` on that need no look (printable ASCII
    // but the separator, and the quote) to `campo`.
    void acrescentarCorrida(QByteArray &campo);
    // Reads from the source until `n` bytes past `m_pos` are held or the text
    // ends; false when fewer are held.
    bool garantir(qsizetype n);
    void pularMarcaDeOrdem();

    Fonte m_fonte; // empty when the text was given whole
    QByteArray m_dados;
    qsizetype m_base = 0; // offset in the text of m_dados[0]
    qsizetype m_pos = 0;
    bool m_fim = false;
    bool m_comecou = false;
    bool m_marcaDeOrdem = false;
    bool m_crlf = false;
    char m_separador = ',';
    int m_linha = 1;
    int m_linhaRegistro = 0;
    QString m_erro;
    int m_linhaErro = 0;
    int m_campoErro = 0;
    qsizetype m_byteErro = 0;
    int m_errnoLeitura = 0;
};

// Writer of the same CSV: a field is quoted, its quotes doubled, when it
// holds the separator, a quote, CR or LF.
namespace csv {

void acrescentarLinha(QByteArray &saida, const QStringList &campos, char separador = ',',
                      std::string_view fimDeLinha = "\n");
// The fields alone, without the line's end.
void acrescentarCampos(QByteArray &saida, const QStringList &campos, char separador);

} // namespace csv
