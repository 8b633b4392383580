#include "conexao.h"

#include "dialeto.h"
#include "erro.h"
#include "indice.h"
#include "textos.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unordered_map>

namespace conexao {
namespace {

// Statements that carry a code as a literal differ for every family shown; the
// cache is emptied when it grows past this many entries.
constexpr size_t maximoPreparadas = 128;

struct Assinatura {
    dev_t dispositivo = 0;
    ino_t inode = 0;
    off_t tamanho = 0;
    timespec modificado{};
    bool operator==(const Assinatura &o) const {
        return dispositivo == o.dispositivo && inode == o.inode && tamanho == o.tamanho &&
               modificado.tv_sec == o.modificado.tv_sec &&
               modificado.tv_nsec == o.modificado.tv_nsec;
    }
};

// A value as the text the engine's text functions read. The database is
// UTF-8: a text value's bytes are read as they are, without the terminating
// copy that sqlite3_value_text may make.
std::string_view textoDoValor(sqlite3_value *valor) {
    const auto *texto = static_cast<const char *>(sqlite3_value_type(valor) == SQLITE_TEXT
                                                      ? sqlite3_value_blob(valor)
                                                      : sqlite3_value_text(valor));
    return std::string_view(texto ? texto : "", size_t(sqlite3_value_bytes(valor)));
}

void funcaoTexto(sqlite3_context *ctx, int, sqlite3_value **argv,
                 void (*transformar)(std::string_view, std::string &)) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    thread_local std::string saida;
    transformar(textoDoValor(argv[0]), saida);
    // Given as a terminated string, the engine keeps the terminator with its
    // copy: LIKE then reads the result as it is, instead of copying it once
    // more to terminate it. A result holding a NUL is given by its length.
    const bool terminado = saida.find('\0') == std::string::npos;
    sqlite3_result_text(ctx, saida.c_str(), terminado ? -1 : int(saida.size()), SQLITE_TRANSIENT);
}

void funcaoLower(sqlite3_context *ctx, int n, sqlite3_value **argv) {
    funcaoTexto(ctx, n, argv, textos::minusculasSemAcento);
}

void funcaoUpper(sqlite3_context *ctx, int n, sqlite3_value **argv) {
    funcaoTexto(ctx, n, argv, textos::maiusculas);
}

// zel_like_dobrado(titulo, padrao) is `LOWER(titulo) like padrao` in one
// call, without handing the folded title to the engine; zel_like(texto,
// padrao) is `texto like padrao`. Both give NULL where either value is, and the
// engine's error for a pattern past its limit, as LIKE does. The pattern is
// read once per run of the statement (the engine keeps it beside the
// constant argument).
template <bool dobrar> void funcaoComo(sqlite3_context *ctx, int, sqlite3_value **argv) {
    const std::string_view padrao = textoDoValor(argv[1]);
    if (qsizetype(padrao.size()) >
        sqlite3_limit(sqlite3_context_db_handle(ctx), SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1))
        return sqlite3_result_error(ctx, "LIKE or GLOB pattern too complex", -1);
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    auto *lido = static_cast<textos::PadraoLike *>(sqlite3_get_auxdata(ctx, 1));
    auto *novo = lido ? nullptr : new textos::PadraoLike(padrao);
    const textos::PadraoLike &like = lido ? *lido : *novo;
    thread_local std::string dobrado;
    sqlite3_result_int(ctx, dobrar ? like.casaDobrado(textoDoValor(argv[0]), dobrado)
                                   : like.casa(textoDoValor(argv[0])));
    // The engine may free it at once, when the pattern is not a constant.
    if (novo)
        sqlite3_set_auxdata(ctx, 1, novo,
                            [](void *p) { delete static_cast<textos::PadraoLike *>(p); });
}

int colacao(void *, int na, const void *a, int nb, const void *b) {
    return textos::compararPortugues(std::string_view(static_cast<const char *>(a), size_t(na)),
                                     std::string_view(static_cast<const char *>(b), size_t(nb)));
}

// What a failure of the engine means to the user, from its result code. The
// catalogue's statements are fixed, so a statement the engine refuses names
// a table or a column that the database lacks.
QString explicacao(int codigo, int sistema) {
    if (sistema == EACCES || sistema == EPERM)
        return QStringLiteral("Sem permissão para ler o banco de dados");
    switch (codigo & 0xFF) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("O banco de dados está danificado");
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("O banco de dados não pôde ser lido");
    case SQLITE_ERROR:
        return QStringLiteral("O banco de dados não tem a estrutura que o programa espera");
    case SQLITE_READONLY:
        return QStringLiteral("O banco de dados não pode ser alterado");
    default:
        return QStringLiteral("O banco de dados não pôde responder à consulta");
    }
}

// Every error of the engine reaches the user in these words: what happened,
// the database file, and the engine's own message on a line of its own.
ErroBanco erroDoMotor(int codigo, const QString &mensagem, const QString &arquivo,
                      int sistema = 0) {
    return ErroBanco(explicacao(codigo, sistema) + QStringLiteral(": ") + arquivo +
                     QStringLiteral("\n(") + mensagem + QLatin1Char(')'));
}

class Banco {
public:
    Banco(const QString &arquivo, const Assinatura &assinatura)
        : m_arquivo(arquivo), m_assinatura(assinatura) {
        iniciarMotor();
        const QByteArray uri = "file:" + QUrlEncode(arquivo) + "?mode=ro&immutable=1";
        // A connection is only ever used by the thread of the screens: without
        // its mutex, every step and every column read skip a lock and an unlock.
        const int rc =
            sqlite3_open_v2(uri.constData(), &m_db,
                            SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK) {
            const QString texto = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                                       : QString::fromUtf8(sqlite3_errstr(rc));
            const int sistema = m_db ? sqlite3_system_errno(m_db) : 0;
            sqlite3_close(m_db);
            m_db = nullptr;
            throw erroDoMotor(rc, texto, arquivo, sistema);
        }
        registrarFuncoes(m_db);
        sqlite3_exec(m_db, "PRAGMA query_only = ON;", nullptr, nullptr, nullptr);
        // The file is opened immutable, so a page read once stays valid for
        // the connection's life. A cache of up to 64 MiB (instead of the
        // engine's 2 MiB) keeps what the searches read of a large database
        // in memory after the first search, rather than reading it from the
        // file again on each one; a small database takes only its own size.
        sqlite3_exec(m_db, "PRAGMA cache_size = -65536;", nullptr, nullptr, nullptr);
    }
    ~Banco() {
        limparPreparadas();
        sqlite3_close(m_db);
    }
    Banco(const Banco &) = delete;
    Banco &operator=(const Banco &) = delete;

    const Assinatura &assinatura() const { return m_assinatura; }

    Preparada &preparar(const std::string &sql) {
        if (auto achada = m_preparadas.find(sql); achada != m_preparadas.end())
            return achada->second;
        if (m_preparadas.size() >= maximoPreparadas)
            limparPreparadas();
        lerIndice();
        const dialeto::Traducao traducao = dialeto::traduzir(sql, m_indice);
        Preparada nova;
        compilar(traducao.varredura, nova.comando);
        if (!traducao.indice.empty())
            compilar(traducao.indice, nova.comandoIndice, nova.comando);
        if (!nova.comando)
            throw ErroBanco(QStringLiteral("Comando SQL vazio"));
        nova.indiceBusca = sqlite3_bind_parameter_index(nova.comando, ":busca");
        nova.ocultas = traducao.ocultas;
        nova.ordenada = traducao.ordenada;
        nova.buscaEmMinusculas = traducao.buscaEmMinusculas;
        nova.buscaComoDada = traducao.buscaComoDada;
        const int colunas = sqlite3_column_count(nova.comando) - nova.ocultas;
        for (int i = 0; i < colunas; ++i)
            nova.colunas.push_back(QString::fromUtf8(sqlite3_column_name(nova.comando, i)));
        return m_preparadas.emplace(sql, std::move(nova)).first->second;
    }

private:
    static QByteArray QUrlEncode(const QString &caminho) {
        return caminho.toUtf8().toPercentEncoding("/");
    }
    void limparPreparadas() {
        for (auto &[texto, preparada] : m_preparadas) {
            sqlite3_finalize(preparada.comando);
            sqlite3_finalize(preparada.comandoIndice);
        }
        m_preparadas.clear();
    }

    // Prepares `sql` into `comando`; on failure finalizes it and `outro`.
    void compilar(const std::string &sql, sqlite3_stmt *&comando, sqlite3_stmt *outro = nullptr) {
        const int rc = sqlite3_prepare_v3(m_db, sql.c_str(), int(sql.size()) + 1,
                                          SQLITE_PREPARE_PERSISTENT, &comando, nullptr);
        if (rc == SQLITE_OK)
            return;
        const ErroBanco erro = erroDoMotor(rc, QString::fromUtf8(sqlite3_errmsg(m_db)), m_arquivo);
        sqlite3_finalize(comando);
        sqlite3_finalize(outro);
        throw erro;
    }

    // What the database's title index offers, read with the first statement.
    void lerIndice() {
        if (m_indiceLido)
            return;
        std::string mensagem;
        if (const int rc = indice::ler(m_db, m_indice, mensagem); rc != SQLITE_OK)
            throw erroDoMotor(rc, QString::fromStdString(mensagem), m_arquivo);
        m_indiceLido = true;
    }

    sqlite3 *m_db = nullptr;
    QString m_arquivo;
    Assinatura m_assinatura;
    std::unordered_map<std::string, Preparada> m_preparadas;
    dialeto::Indice m_indice;
    bool m_indiceLido = false;
};

std::unordered_map<QString, std::unique_ptr<Banco>> &bancos() {
    static std::unordered_map<QString, std::unique_ptr<Banco>> todos;
    return todos;
}

// Why the database file of `diretorio` cannot be reached (stat answered
// `numero`): no directory, no permission to enter it, no file.
ErroBanco semBanco(const QString &diretorio, const QString &arquivo, int numero) {
    struct stat info {};
    if (numero == ENOENT && ::stat(QFile::encodeName(diretorio).constData(), &info) == 0)
        return ErroBanco(QStringLiteral("O banco de dados não foi encontrado: ") + arquivo);
    switch (numero) {
    case ENOENT:
        return ErroBanco(QStringLiteral("O diretório de dados não foi encontrado: ") + diretorio);
    case EACCES:
    case EPERM:
        return ErroBanco(QStringLiteral("Sem permissão para abrir o diretório de dados: ") +
                         diretorio);
    case ENOTDIR:
        return ErroBanco(QStringLiteral("O caminho do diretório de dados passa por um arquivo: ") +
                         diretorio);
    default:
        return ErroBanco(QStringLiteral("O banco de dados não pôde ser lido: ") + arquivo +
                         QStringLiteral("\n(") + QString::fromLocal8Bit(std::strerror(numero)) +
                         QLatin1Char(')'));
    }
}

Banco &abrir(const QString &diretorio) {
    auto &todos = bancos();
    const QString arquivo = arquivoDoBanco(diretorio);
    struct stat info {};
    if (::stat(QFile::encodeName(arquivo).constData(), &info) != 0) {
        const int numero = errno;
        todos.erase(diretorio);
        throw semBanco(diretorio, arquivo, numero);
    }
    // The engine takes an empty file for a database without tables, and would
    // tell of a missing table; for the user it is a damaged file (a copy that
    // failed, a disk that filled up).
    if (info.st_size == 0) {
        todos.erase(diretorio);
        throw erroDoMotor(SQLITE_NOTADB, QString::fromUtf8(sqlite3_errstr(SQLITE_NOTADB)), arquivo);
    }
    const Assinatura assinatura{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    auto &banco = todos[diretorio];
    if (!banco || !(banco->assinatura() == assinatura)) {
        banco.reset();
        banco = std::make_unique<Banco>(arquivo, assinatura);
    }
    return *banco;
}

} // namespace

QString arquivoDoBanco(const QString &diretorio) {
    return diretorio + QLatin1Char('/') + QLatin1String(nomeArquivo);
}

void iniciarMotor() {
    // The engine refuses a change of its set-up once it has started; the
    // statics make this run once, and a refusal changes nothing.
    static const int configurado = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    (void)configurado;
}

void registrarFuncoes(sqlite3 *db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_function(db, "lower", 1, flags, nullptr, funcaoLower, nullptr, nullptr);
    sqlite3_create_function(db, "upper", 1, flags, nullptr, funcaoUpper, nullptr, nullptr);
    sqlite3_create_function(db, dialeto::funcaoLikeDobrado, 2, flags, nullptr, funcaoComo<true>,
                            nullptr, nullptr);
    sqlite3_create_function(db, dialeto::funcaoLike, 2, flags, nullptr, funcaoComo<false>, nullptr,
                            nullptr);
    sqlite3_create_collation(db, dialeto::colacaoPortugues, SQLITE_UTF8, nullptr, colacao);
    sqlite3_exec(db, "PRAGMA case_sensitive_like = ON;", nullptr, nullptr, nullptr);
    indice::registrarModulo(db);
}

Preparada &preparar(const QString &diretorio, const std::string &sql) {
    return abrir(diretorio).preparar(sql);
}

ErroBanco erro(sqlite3 *db, int codigo, const QString &diretorio) {
    return erroDoMotor(codigo, QString::fromUtf8(sqlite3_errmsg(db)), arquivoDoBanco(diretorio));
}

void fecharTodas() {
    bancos().clear();
}

} // namespace conexao
