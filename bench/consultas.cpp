// Each search and conversion statement run through the query object (from the
// title index where the database has one and the pattern allows it), through
// the query object reading every title, and as written, translated and
// stepped directly on SQLite (which reads every title), in the same process
// and on the same data.
//   bench_consultas DADOS_DIR [benchmark flags]

#include "argumentos.h"
#include "conexao.h"
#include "consulta.h"
#include "dialeto.h"
#include "unit_global.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

QString diretorio;

struct Caso {
    const char *nome;
    QStringList sql;
    QString busca; // null: the statement has no parameter
};

// Every title statement with a word (several for the quick search) and with
// one letter, then the statements that read by code.
QList<Caso> casos() {
    return {
        {"BuscaRapida", fncSqlBuscaRapida(), u"%tecnico%"_s},
        {"BuscaRapidaRara", fncSqlBuscaRapida(), u"%cirurgi%"_s},
        {"BuscaRapidaMedico", fncSqlBuscaRapida(), u"%medico%"_s},
        {"BuscaRapidaLetra", fncSqlBuscaRapida(), u"%a%"_s},
        {"BuscaTituloTodas", fncSqlBuscaTitulo(true, true, true, true, true, true),
         u"%operador%"_s},
        {"BuscaTituloTitulos", fncSqlBuscaTitulo(true, true, true, false, false, false),
         u"%operador%"_s},
        {"BuscaTituloLetra", fncSqlBuscaTitulo(true, true, true, true, true, true), u"%a%"_s},
        {"TitulosAZ", fncSqlTitulosAZ(), u"m%"_s},
        {"TitulosAZPalavra", fncSqlTitulosAZ(), u"%operador%"_s},
        {"BuscaCodigoFamilia", fncSqlBuscaCodigoFamilia(), u"0121"_s},
        {"BuscaCodigoOcupacao", fncSqlBuscaCodigoOcupacao(u"012106"_s), QString()},
        {"FamiliasDoSubgrupo", fncSqlFamiliasDoSubgrupo(u"354"_s), QString()},
        {"OcupacoesDaFamilia", fncSqlOcupacoesDaFamilia(u"0121"_s), QString()},
        {"Conversao2002Para94", fncSqlConversao(u"ZEL2002"_s, u"ZEL94"_s, u"0121"_s), u"0121"_s},
        {"Conversao2002ParaCiuo88", fncSqlConversao(u"ZEL2002"_s, u"CIUO88"_s, u"0121"_s),
         u"0121"_s},
        {"Conversao94Para2002", fncSqlConversao(u"ZEL94"_s, u"ZEL2002"_s, u"00101"_s), u"00101"_s},
        {"ConversaoCiuo88Para2002", fncSqlConversao(u"CIUO88"_s, u"ZEL2002"_s, u"0111"_s),
         u"0111"_s},
        {"TabuaTitulo2002", fncSqlTabuaTituloBase2002(), u"%mecanico%"_s},
        {"TabuaTitulo2002Letra", fncSqlTabuaTituloBase2002(), u"%a%"_s},
        {"TabuaTitulo94", fncSqlTabuaTituloBase94(), u"%operador%"_s},
        {"TabuaTitulo94Letra", fncSqlTabuaTituloBase94(), u"%a%"_s},
        {"TabuaTituloCiuo88", fncSqlTabuaTituloCiuo88(), u"%trabalhadores%"_s},
    };
}

// A connection of its own, opened as the program opens its own, with the
// engine functions the statements need.
sqlite3 *abrirConexao() {
    conexao::iniciarMotor();
    sqlite3 *db = nullptr;
    const QByteArray uri =
        "file:" + (diretorio + u"/zel2002.db"_s).toUtf8().toPercentEncoding("/") +
        "?mode=ro&immutable=1";
    sqlite3_open_v2(uri.constData(), &db,
                    SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    conexao::registrarFuncoes(db);
    return db;
}

// Binds the search, steps to the end touching every value; the rows.
int percorrer(sqlite3_stmt *comando, const QByteArray &busca) {
    if (const int indice = sqlite3_bind_parameter_index(comando, ":busca"); indice > 0)
        sqlite3_bind_text(comando, indice, busca.constData(), int(busca.size()), SQLITE_STATIC);
    int linhas = 0;
    while (sqlite3_step(comando) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(comando); ++c)
            benchmark::DoNotOptimize(sqlite3_column_text(comando, c));
        ++linhas;
    }
    return linhas;
}

// What a screen does: set up, open, read one page of 13 rows, rewind; with
// `indice` false, every title is read as on a database without the index.
void pelaConsulta(benchmark::State &estado, const Caso &caso, bool indice) {
    Consulta::definirUsoDoIndice(indice);
    Consulta consulta;
    int linhas = 0;
    for (auto _ : estado) {
        consulta.definirSql(caso.sql);
        consulta.definirBanco(diretorio);
        consulta.fechar();
        if (!caso.busca.isNull())
            consulta.definirBusca(caso.busca);
        consulta.abrir();
        linhas = consulta.totalLinhas();
        for (int r = 0; r < 13 && !consulta.fimDados(); ++r, consulta.proximo())
            for (const QString &coluna : consulta.colunas())
                benchmark::DoNotOptimize(consulta.campo(coluna));
        consulta.primeiro();
    }
    Consulta::definirUsoDoIndice(true);
    estado.counters["linhas"] = linhas;
}

// The baseline: the statement as written, translated, prepared once, bound
// and stepped to the end with every value touched.
void direto(benchmark::State &estado, const Caso &caso) {
    const std::string texto = dialeto::traduzir(caso.sql.join(u'\n').toStdString());
    sqlite3 *db = abrirConexao();
    sqlite3_stmt *comando = nullptr;
    sqlite3_prepare_v3(db, texto.c_str(), int(texto.size()), SQLITE_PREPARE_PERSISTENT, &comando,
                       nullptr);
    const QByteArray busca = caso.busca.toUtf8();
    int linhas = 0;
    for (auto _ : estado) {
        sqlite3_reset(comando);
        linhas = percorrer(comando, busca);
    }
    sqlite3_finalize(comando);
    sqlite3_close(db);
    estado.counters["linhas"] = linhas;
}

// A direct caller that prepares the translated statement for every run.
void diretoComPreparo(benchmark::State &estado, const Caso &caso) {
    const std::string texto = dialeto::traduzir(caso.sql.join(u'\n').toStdString());
    sqlite3 *db = abrirConexao();
    const QByteArray busca = caso.busca.toUtf8();
    int linhas = 0;
    for (auto _ : estado) {
        sqlite3_stmt *comando = nullptr;
        sqlite3_prepare_v2(db, texto.c_str(), int(texto.size()), &comando, nullptr);
        linhas = percorrer(comando, busca);
        sqlite3_finalize(comando);
    }
    sqlite3_close(db);
    estado.counters["linhas"] = linhas;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "uso: bench_consultas DADOS_DIR [opções do benchmark]\n");
        return 1;
    }
    diretorio = QString::fromLocal8Bit(argv[1]);
    for (const Caso &caso : casos()) {
        benchmark::RegisterBenchmark((std::string(caso.nome) + "/consulta").c_str(), pelaConsulta,
                                     caso, true)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string(caso.nome) + "/consulta_varrendo").c_str(),
                                     pelaConsulta, caso, false)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string(caso.nome) + "/direto").c_str(), direto, caso)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string(caso.nome) + "/direto_preparando").c_str(),
                                     diretoComPreparo, caso)
            ->Unit(benchmark::kMicrosecond);
    }
    rodarSemDiretorio(argc, argv);
    return 0;
}
