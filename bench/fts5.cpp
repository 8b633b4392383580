// The title index's lists against SQLite's FTS5 with its trigram tokenizer,
// the engine's own substring index, on the same database: the time to build
// each over every searched title column, the space each takes, and the time
// to find the rows that hold every trigram of a word (the candidates a
// search then checks with LIKE).
//   bench_fts5 DADOS_DIR [benchmark flags]
// FTS5 is built into a copy of the database, as a contentless table
// (content='') without positions (detail=none): the smallest it can be for
// this use. A word's candidates are asked with one quoted trigram per term.

#include "argumentos.h"
#include "conexao.h"
#include "esquema.h"
#include "textos.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <sqlite3.h>
#include <string>

using namespace Qt::StringLiterals;

namespace {

sqlite3 *banco = nullptr;

// The synonyms' titles: the largest column.
const int colunaDosSinonimos = 3;

void executar(const std::string &sql) {
    char *erro = nullptr;
    if (sqlite3_exec(banco, sql.c_str(), nullptr, nullptr, &erro) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql.c_str(), erro);
        std::exit(1);
    }
}

double megabytes(const char *nomes) {
    sqlite3_stmt *comando = nullptr;
    sqlite3_prepare_v2(
        banco,
        (std::string("SELECT sum(pgsize) FROM dbstat WHERE name LIKE '") + nomes + "'").c_str(), -1,
        &comando, nullptr);
    sqlite3_step(comando);
    const double bytes = sqlite3_column_double(comando, 0);
    sqlite3_finalize(comando);
    return bytes / 1048576.0;
}

// zel_fts1 to zel_fts5, one per searched title column, with the folded titles
// under their rows' rowids.
void construirFts5() {
    const auto inicio = std::chrono::steady_clock::now();
    executar("BEGIN");
    const auto &titulos = esquema::titulosBuscados();
    std::string dobrado;
    for (size_t i = 0; i < titulos.size(); ++i) {
        const std::string tabela = "zel_fts" + std::to_string(i + 1);
        executar("CREATE VIRTUAL TABLE " + tabela +
                 " USING fts5(t, tokenize='trigram', detail=none, content='')");
        sqlite3_stmt *ler = nullptr;
        sqlite3_stmt *inserir = nullptr;
        sqlite3_prepare_v2(banco,
                           ("SELECT rowid, " + titulos[i].coluna.toStdString() + " FROM " +
                            titulos[i].tabela.toStdString())
                               .c_str(),
                           -1, &ler, nullptr);
        sqlite3_prepare_v2(banco, ("INSERT INTO " + tabela + "(rowid, t) VALUES (?1, ?2)").c_str(),
                           -1, &inserir, nullptr);
        while (sqlite3_step(ler) == SQLITE_ROW) {
            const auto *titulo = static_cast<const char *>(sqlite3_column_blob(ler, 1));
            textos::minusculasSemAcento(
                std::string_view(titulo ? titulo : "", size_t(sqlite3_column_bytes(ler, 1))),
                dobrado);
            sqlite3_bind_int64(inserir, 1, sqlite3_column_int64(ler, 0));
            sqlite3_bind_text(inserir, 2, dobrado.data(), int(dobrado.size()), SQLITE_STATIC);
            sqlite3_step(inserir);
            sqlite3_reset(inserir);
        }
        sqlite3_finalize(ler);
        sqlite3_finalize(inserir);
        executar("INSERT INTO " + tabela + "(" + tabela + ") VALUES ('optimize')");
    }
    executar("COMMIT");
    const std::chrono::duration<double> segundos = std::chrono::steady_clock::now() - inicio;
    std::printf("FTS5: construído em %.2f s, %.1f MB; listas do índice de títulos: %.1f MB\n",
                segundos.count(), megabytes("zel_fts%"), megabytes("zel_trigramas"));
}

// Steps `comando` to its end; the rows.
int linhas(sqlite3_stmt *comando) {
    int n = 0;
    while (sqlite3_step(comando) == SQLITE_ROW) {
        benchmark::DoNotOptimize(sqlite3_column_int64(comando, 0));
        ++n;
    }
    sqlite3_reset(comando);
    return n;
}

void pelasListas(benchmark::State &estado, const std::string &palavra) {
    sqlite3_stmt *comando = nullptr;
    sqlite3_prepare_v2(banco, "SELECT linha FROM zel_linhas(?1, ?2)", -1, &comando, nullptr);
    const std::string padrao = "%" + palavra + "%";
    sqlite3_bind_int(comando, 1, colunaDosSinonimos);
    sqlite3_bind_text(comando, 2, padrao.data(), int(padrao.size()), SQLITE_STATIC);
    int n = 0;
    for (auto _ : estado)
        n = linhas(comando);
    sqlite3_finalize(comando);
    estado.counters["linhas"] = n;
}

void peloFts5(benchmark::State &estado, const std::string &palavra) {
    const std::string tabela = "zel_fts" + std::to_string(colunaDosSinonimos);
    sqlite3_stmt *comando = nullptr;
    sqlite3_prepare_v2(banco,
                       ("SELECT rowid FROM " + tabela + " WHERE " + tabela + " MATCH ?1").c_str(),
                       -1, &comando, nullptr);
    std::string termos;
    for (size_t i = 0; i + 3 <= palavra.size(); ++i)
        termos += "\"" + palavra.substr(i, 3) + "\" ";
    sqlite3_bind_text(comando, 1, termos.data(), int(termos.size()), SQLITE_STATIC);
    int n = 0;
    for (auto _ : estado)
        n = linhas(comando);
    sqlite3_finalize(comando);
    estado.counters["linhas"] = n;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "uso: bench_fts5 DADOS_DIR [opções do benchmark]\n");
        return 2;
    }
    QTemporaryDir copia;
    const QString arquivo = copia.path() + u"/zel2002.db"_s;
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]) + u"/zel2002.db"_s, arquivo)) {
        std::fprintf(stderr, "não foi possível copiar o banco\n");
        return 1;
    }
    sqlite3_open(arquivo.toUtf8().constData(), &banco);
    conexao::registrarFuncoes(banco);
    construirFts5();
    for (const std::string palavra :
         {"medico", "operador", "tecnico", "cirurgi", "trabalhadores", "mecanico", "tec"}) {
        benchmark::RegisterBenchmark(("Listas/" + palavra).c_str(), pelasListas, palavra)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Fts5/" + palavra).c_str(), peloFts5, palavra)
            ->Unit(benchmark::kMicrosecond);
    }
    rodarSemDiretorio(argc, argv);
    sqlite3_close(banco);
    return 0;
}
