#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

struct sqlite3_stmt;
namespace conexao {
struct Preparada;
}

// A query object: one statement of the catalogue run against the database of
// a `dados` directory. Every use follows the same steps: set the statement's
// lines, set the database directory, close, bind `busca` when the statement
// has it, open, then read. Opening reads the whole result into memory, so the
// row count is exact and moving, stepping and rewinding cost nothing. Columns
// are read by their result name, compared without regard to case, as text.
// Failures of the engine throw ErroBanco.
class Consulta {
public:
    // The largest result a query object holds: its values are located by
    // 32-bit offsets and its rows counted in an int. Opening a larger one
    // throws ErroBanco and leaves the query closed. Tests may lower them.
    struct Limites {
        size_t bytes = std::numeric_limits<uint32_t>::max();
        int linhas = std::numeric_limits<int>::max();
    };
    static void definirLimites(const Limites &limites);
    // Whether a search may be answered from the database's title index (on
    // by default); tests and benchmarks turn it off to compare both ways.
    static void definirUsoDoIndice(bool usar);

    void definirSql(const QStringList &linhas);
    void definirBanco(const QString &diretorio);
    void fechar();
    void definirBusca(const QString &valor);
    void abrir();

    bool aberta() const { return m_aberta; }
    bool fimDados() const { return m_posicao >= m_linhas; }
    int totalLinhas() const { return m_linhas; }
    void moverPor(int n);
    void proximo() { moverPor(1); }
    void primeiro() { m_posicao = 0; }
    QString campo(const QString &nome) const;

    // The statement uses the parameter :busca (the conversion screens bind it
    // only then).
    bool temParametroBusca() const;
    // The last opening took the titles' rows from the database's title index
    // instead of reading every title.
    bool usouIndice() const { return m_usouIndice; }
    const QStringList &sql() const { return m_sql; }
    const std::vector<QString> &colunas() const { return m_colunas; }

private:
    // Steps `comando` through its whole result into the buffer.
    void ler(const conexao::Preparada &preparada, sqlite3_stmt *comando, bool vinculaBusca);
    // Puts the rows in the order of their hidden keys (see abrir).
    void ordenar(const conexao::Preparada &preparada);
    std::string_view valor(int linha, int coluna) const;
    std::string_view valorGuardado(size_t linha, size_t coluna, size_t colunas) const;

    QStringList m_sql;
    std::string m_texto;
    QString m_diretorio;
    std::optional<QByteArray> m_busca;
    bool m_aberta = false;

    // The result: every value of every row in one buffer, located by offsets.
    std::vector<QString> m_colunas;
    std::string m_dados;
    std::vector<uint32_t> m_inicios; // m_linhas * colunas + 1 offsets into m_dados
    std::vector<int64_t> m_chaves;   // the hidden keys, row after row
    std::vector<int> m_ordem;        // the stored row of each row, when sorted
    int m_linhas = 0;
    int m_posicao = 0;
    bool m_usouIndice = false;
};
