#include "fixtures.h"

#include "csv.h"
#include "esquema.h"
#include "importador.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <vector>

using namespace Qt::StringLiterals;

namespace fixtures {

QString novoDiretorio() {
    static std::vector<std::unique_ptr<QTemporaryDir>> diretorios;
    diretorios.push_back(std::make_unique<QTemporaryDir>());
    return diretorios.back()->path();
}

QList<QStringList> lerCsv(const QString &arquivo) {
    QFile entrada(arquivo);
    if (!entrada.open(QIODevice::ReadOnly))
        throw std::runtime_error("CSV ausente: " + arquivo.toStdString());
    LeitorCsv leitor(entrada.readAll());
    QList<QStringList> linhas;
    while (const std::optional<QStringList> linha = leitor.proximo())
        if (linha->size() > 1 || !linha->first().isEmpty())
            linhas << *linha;
    if (!leitor.erro().isEmpty())
        throw std::runtime_error("CSV malformado: " + arquivo.toStdString());
    return linhas;
}

QString fonte(const QString &nome) {
    return QStringLiteral(ZEL_DIR_FIXTURES) + u"/"_s + nome;
}

QString banco(const QString &nome) {
    static QMap<QString, QString> importados;
    if (!importados.contains(nome))
        importados[nome] = Classificacao(nome).criar();
    return importados[nome];
}

QString semTabela(const QString &nome, const QString &tabela) {
    const QString dados = Classificacao(nome).criar();
    sqlite3 *db = nullptr;
    sqlite3_open((dados + u"/zel2002.db"_s).toUtf8().constData(), &db);
    sqlite3_exec(db, (u"DROP TABLE "_s + tabela).toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return dados;
}

QString semColuna(const QString &nome, const QString &tabela, const QString &coluna) {
    const QString dados = Classificacao(nome).criar();
    sqlite3 *db = nullptr;
    sqlite3_open((dados + u"/zel2002.db"_s).toUtf8().constData(), &db);
    sqlite3_stmt *colunas = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM pragma_table_info(?)", -1, &colunas, nullptr);
    const QByteArray nomeTabela = tabela.toUtf8();
    sqlite3_bind_text(colunas, 1, nomeTabela.constData(), int(nomeTabela.size()), SQLITE_STATIC);
    QStringList mantidas;
    while (sqlite3_step(colunas) == SQLITE_ROW) {
        const QString nomeColuna =
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(colunas, 0)));
        if (nomeColuna.compare(coluna, Qt::CaseInsensitive) != 0)
            mantidas << nomeColuna;
    }
    sqlite3_finalize(colunas);
    const QString reconstrucao = u"CREATE TABLE zel_nova AS SELECT "_s + mantidas.join(u", "_s) +
                                 u" FROM "_s + tabela + u"; DROP TABLE "_s + tabela +
                                 u"; ALTER TABLE zel_nova RENAME TO "_s + tabela + u";"_s;
    if (sqlite3_exec(db, reconstrucao.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error("não foi possível reconstruir " + tabela.toStdString());
    sqlite3_close(db);
    return dados;
}

QString anteriorAoIndice(const QString &dados) {
    const QString copia = novoDiretorio() + u"/dados"_s;
    if (!QDir().mkpath(copia) || !QFile::copy(dados + u"/zel2002.db"_s, copia + u"/zel2002.db"_s))
        throw std::runtime_error("não foi possível copiar o banco");
    sqlite3 *db = nullptr;
    sqlite3_open((copia + u"/zel2002.db"_s).toUtf8().constData(), &db);
    // The importer then built neither the title index nor the indexes that
    // let joins read an occupation's codes and an edition's state without
    // their tables; correspondences had an index on the occupation alone.
    QString remocao =
        u"DROP TABLE zel_trigramas; DROP TABLE zel_titulos; "
        "DROP INDEX ix_TOcupacao_cod_int_ocup_cod_familia_cod_ocup; "
        "DROP INDEX ix_TOcupacao94_Cod_Ocup_Zel94_Tp_Situacao; "
        "DROP INDEX ix_TOcup_2000_94_cod_int_ocup_Cod_Ocup_Zel94; "
        "CREATE INDEX ix_TOcup_2000_94_cod_int_ocup ON TOcup_2000_94 (cod_int_ocup); "_s;
    sqlite3_stmt *colunas = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT m.name, c.name FROM sqlite_schema m, pragma_table_info(m.name) c "
                       "WHERE m.type = 'table' AND c.name GLOB 'zel_ordem*'",
                       -1, &colunas, nullptr);
    while (sqlite3_step(colunas) == SQLITE_ROW)
        remocao += u"ALTER TABLE %1 DROP COLUMN %2; "_s.arg(
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(colunas, 0))),
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(colunas, 1))));
    sqlite3_finalize(colunas);
    remocao += u"PRAGMA user_version = 0; ANALYZE; VACUUM;"_s;
    const int rc = sqlite3_exec(db, remocao.toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("não foi possível retirar o índice");
    return copia;
}

Classificacao::Classificacao(const QString &base) {
    for (const esquema::Tabela &tabela : esquema::tabelas()) {
        if (!base.isEmpty()) {
            m_linhas[tabela.nome] = lerCsv(fonte(base) + u"/"_s + tabela.nome + u".csv"_s);
            continue;
        }
        QStringList cabecalho;
        for (const esquema::Coluna &coluna : tabela.colunas)
            cabecalho << coluna.nome;
        m_linhas[tabela.nome] = {cabecalho};
    }
}

Classificacao &Classificacao::linha(const QString &tabela, const QStringList &valores) {
    m_linhas[tabela] << valores;
    return *this;
}

QString Classificacao::criar() const {
    const QString csv = novoDiretorio();
    for (auto it = m_linhas.cbegin(); it != m_linhas.cend(); ++it) {
        QFile saida(csv + u"/"_s + it.key() + u".csv"_s);
        if (!saida.open(QIODevice::WriteOnly))
            throw std::runtime_error("não foi possível escrever a fixture");
        QByteArray conteudo;
        for (const QStringList &linha : it.value())
            csv::acrescentarLinha(conteudo, linha);
        saida.write(conteudo);
    }
    const QString dados = novoDiretorio() + u"/dados"_s;
    QString erro;
    if (!importador::importar(csv, dados, &erro))
        throw std::runtime_error("fixture inválida: " + erro.toStdString());
    return dados;
}

} // namespace fixtures
