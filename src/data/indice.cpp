#include "indice.h"

#include "esquema.h"
#include "textos.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <sqlite3.h>
#include <string>

namespace indice {
namespace {

// The key of a title's first byte: a trigram never begins with 0x01 (titles
// hold no control character) nor ends with 0x00.
constexpr uint32_t marcaDeInicio = 0x01;

uint32_t trigrama(std::string_view texto, size_t i) {
    return uint32_t(static_cast<unsigned char>(texto[i])) << 16 |
           uint32_t(static_cast<unsigned char>(texto[i + 1])) << 8 |
           uint32_t(static_cast<unsigned char>(texto[i + 2]));
}

uint32_t inicio(std::string_view texto) {
    return marcaDeInicio << 16 | uint32_t(static_cast<unsigned char>(texto[0])) << 8;
}

// Calls `f` with each key of a folded title (a key it holds twice, twice).
template <class Funcao> void paraCadaChave(std::string_view dobrado, Funcao &&f) {
    if (dobrado.empty())
        return;
    f(inicio(dobrado));
    for (size_t i = 0; i + 3 <= dobrado.size(); ++i)
        f(trigrama(dobrado, i));
}

// The key of a column's key in zel_trigramas.
int64_t chaveDaTabela(int numero, uint32_t chave) {
    return int64_t(numero) << 24 | chave;
}

// ------------------------------------------------------------ row lists
// The rowids that hold a key, ascending, in one of two forms told by the
// list's first byte:
//   - formaDiferencas: each rowid as its difference from the one before (the
//     first from 0);
//   - formaBits: the first rowid, then one bit per rowid from it on (bit b of
//     byte k stands for the first rowid + 8k + b), for rows that lie close;
// numbers in 7-bit groups, low group first, the high bit set on every group
// but the last. The importer writes the shorter form.
constexpr char formaDiferencas = 0;
constexpr char formaBits = 1;

void escreverNumero(std::string &lista, uint64_t numero) {
    while (numero >= 0x80) {
        lista.push_back(char((numero & 0x7F) | 0x80));
        numero >>= 7;
    }
    lista.push_back(char(numero));
}

// The number at `atual` (advanced past it); false when it is cut short or
// longer than 63 bits.
bool lerNumero(const unsigned char *&atual, const unsigned char *fim, uint64_t &numero) {
    numero = 0;
    for (int deslocamento = 0; atual < fim && deslocamento < 63; deslocamento += 7) {
        const unsigned char byte = *atual++;
        numero |= uint64_t(byte & 0x7F) << deslocamento;
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

class LeitorDeLista {
public:
    explicit LeitorDeLista(const std::string &lista)
        : m_atual(reinterpret_cast<const unsigned char *>(lista.data())),
          m_fim(m_atual + lista.size()) {
        if (m_atual == m_fim)
            return;
        const char forma = char(*m_atual++);
        m_valida = forma == formaDiferencas;
        m_deBits = forma == formaBits;
        uint64_t primeira = 0;
        if (m_deBits && lerNumero(m_atual, m_fim, primeira) && primeira > 0 &&
            uint64_t(m_fim - m_atual) <= (uint64_t(INT64_MAX) - primeira) / 8) {
            m_primeira = int64_t(primeira);
            m_bits = m_atual;
            irAoBit();
            m_valida = m_atual < m_fim;
        }
    }
    // False for a form it does not know, or bits without their first rowid
    // or without a bit set.
    bool valida() const { return m_valida; }
    bool deBits() const { return m_deBits; }
    bool fim() const { return m_atual == m_fim; }
    // The next rowid; false when the list is damaged (a number cut short,
    // too long, or not greater than the one before).
    bool proximo(int64_t &linha) {
        if (m_deBits) {
            linha = m_primeira + int64_t(m_atual - m_bits) * 8 + int64_t(m_bit);
            ++m_bit;
            irAoBit();
            return true;
        }
        uint64_t diferenca = 0;
        if (!lerNumero(m_atual, m_fim, diferenca) || diferenca == 0 ||
            diferenca > uint64_t(INT64_MAX - m_ultima))
            return false;
        m_ultima += int64_t(diferenca);
        linha = m_ultima;
        return true;
    }
    // Whether the list in bits holds `linha`.
    bool contem(int64_t linha) const {
        if (linha < m_primeira || uint64_t(linha - m_primeira) / 8 >= uint64_t(m_fim - m_bits))
            return false;
        const uint64_t bit = uint64_t(linha - m_primeira);
        return (m_bits[bit / 8] >> (bit % 8)) & 1;
    }

private:
    // From the bit m_bit of *m_atual on, to the next bit set or to the end.
    void irAoBit() {
        for (; m_atual < m_fim; ++m_atual, m_bit = 0)
            if (const unsigned restantes = m_bit < 8 ? unsigned(*m_atual) >> m_bit : 0u;
                restantes != 0) {
                m_bit += unsigned(std::countr_zero(restantes));
                return;
            }
    }

    const unsigned char *m_atual;
    const unsigned char *m_fim;
    bool m_valida = false;
    bool m_deBits = false;
    int64_t m_ultima = 0;                  // the last rowid read, by differences
    int64_t m_primeira = 0;                // the rowid of the first bit
    const unsigned char *m_bits = nullptr; // the first byte of bits
    unsigned m_bit = 0;                    // the bit of *m_atual read next
};

// Keeps the rows of `linhas` (ascending, positive) that the list holds.
// False when the list is damaged.
bool interseccionar(std::vector<int64_t> &linhas, const std::string &lista) {
    LeitorDeLista leitor(lista);
    if (!leitor.valida())
        return false;
    if (leitor.deBits()) {
        std::erase_if(linhas, [&](int64_t linha) { return !leitor.contem(linha); });
        return true;
    }
    size_t mantidas = 0;
    int64_t daLista = 0;
    for (const int64_t linha : linhas) {
        while (daLista < linha) {
            if (leitor.fim()) {
                linhas.resize(mantidas);
                return true;
            }
            if (!leitor.proximo(daLista))
                return false;
        }
        if (daLista == linha)
            linhas[mantidas++] = linha;
    }
    linhas.resize(mantidas);
    return true;
}

bool lerTudo(std::vector<int64_t> &linhas, const std::string &lista) {
    LeitorDeLista leitor(lista);
    if (!leitor.valida())
        return false;
    int64_t linha = 0;
    while (!leitor.fim()) {
        if (!leitor.proximo(linha))
            return false;
        linhas.push_back(linha);
    }
    return true;
}

// ---------------------------------------------------- zel_linhas(numero, padrao)

struct TabelaLinhas {
    sqlite3_vtab base{};
    sqlite3 *db = nullptr;
    sqlite3_stmt *leitura = nullptr;
};

struct CursorLinhas {
    sqlite3_vtab_cursor base{};
    std::vector<int64_t> linhas;
    size_t posicao = 0;
};

int conectar(sqlite3 *db, void *, int, const char *const *, sqlite3_vtab **tabela, char **) {
    const int rc =
        sqlite3_declare_vtab(db, "CREATE TABLE x(linha INTEGER, numero HIDDEN, padrao HIDDEN)");
    if (rc != SQLITE_OK)
        return rc;
    sqlite3_vtab_config(db, SQLITE_VTAB_INNOCUOUS);
    auto *nova = new TabelaLinhas;
    nova->db = db;
    *tabela = &nova->base;
    return SQLITE_OK;
}

int desconectar(sqlite3_vtab *tabela) {
    auto *t = reinterpret_cast<TabelaLinhas *>(tabela);
    sqlite3_finalize(t->leitura);
    delete t;
    return SQLITE_OK;
}

// Both arguments are required; the rows come in rowid order.
int planejar(sqlite3_vtab *, sqlite3_index_info *info) {
    int argumentos[2] = {-1, -1};
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto &restricao = info->aConstraint[i];
        if (restricao.iColumn >= 1 && restricao.iColumn <= 2) {
            if (!restricao.usable || restricao.op != SQLITE_INDEX_CONSTRAINT_EQ)
                return SQLITE_CONSTRAINT;
            argumentos[restricao.iColumn - 1] = i;
        }
    }
    if (argumentos[0] < 0 || argumentos[1] < 0)
        return SQLITE_CONSTRAINT;
    for (int a = 0; a < 2; ++a) {
        info->aConstraintUsage[argumentos[a]].argvIndex = a + 1;
        info->aConstraintUsage[argumentos[a]].omit = 1;
    }
    info->estimatedCost = 100;
    info->estimatedRows = 100;
    if (info->nOrderBy == 1 && info->aOrderBy[0].iColumn == 0 && !info->aOrderBy[0].desc)
        info->orderByConsumed = 1;
    return SQLITE_OK;
}

int abrirCursor(sqlite3_vtab *, sqlite3_vtab_cursor **cursor) {
    *cursor = &(new CursorLinhas)->base;
    return SQLITE_OK;
}

int fecharCursor(sqlite3_vtab_cursor *cursor) {
    delete reinterpret_cast<CursorLinhas *>(cursor);
    return SQLITE_OK;
}

int falhar(sqlite3_vtab *tabela, int rc, const char *mensagem) {
    sqlite3_free(tabela->zErrMsg);
    tabela->zErrMsg = sqlite3_mprintf("%s", mensagem);
    return rc;
}

// The list of `chave`, copied: empty when no row holds it.
int lerLista(TabelaLinhas &tabela, int64_t chave, std::string &lista) {
    if (!tabela.leitura) {
        const int rc =
            sqlite3_prepare_v3(tabela.db, "SELECT linhas FROM zel_trigramas WHERE chave = ?1", -1,
                               SQLITE_PREPARE_PERSISTENT, &tabela.leitura, nullptr);
        if (rc != SQLITE_OK)
            return falhar(&tabela.base, rc, sqlite3_errmsg(tabela.db));
    }
    sqlite3_bind_int64(tabela.leitura, 1, chave);
    int rc = sqlite3_step(tabela.leitura);
    lista.clear();
    if (rc == SQLITE_ROW) {
        const auto *dados = static_cast<const char *>(sqlite3_column_blob(tabela.leitura, 0));
        lista.assign(dados ? dados : "", size_t(sqlite3_column_bytes(tabela.leitura, 0)));
        rc = SQLITE_DONE;
    }
    sqlite3_reset(tabela.leitura);
    return rc == SQLITE_DONE ? SQLITE_OK : falhar(&tabela.base, rc, sqlite3_errmsg(tabela.db));
}

// The rows that hold every key: the lists read shortest first.
int filtrar(sqlite3_vtab_cursor *cursor, int, const char *, int, sqlite3_value **argumentos) {
    auto *c = reinterpret_cast<CursorLinhas *>(cursor);
    auto &tabela = *reinterpret_cast<TabelaLinhas *>(cursor->pVtab);
    c->linhas.clear();
    c->posicao = 0;
    const int numero = sqlite3_value_int(argumentos[0]);
    const auto *padrao = static_cast<const char *>(sqlite3_value_blob(argumentos[1]));
    const std::vector<uint32_t> chaves = chavesDoPadrao(
        std::string_view(padrao ? padrao : "", size_t(sqlite3_value_bytes(argumentos[1]))));
    if (chaves.empty())
        return falhar(cursor->pVtab, SQLITE_ERROR, "zel_linhas: o padrão não tem chave do índice");
    std::vector<std::string> listas(chaves.size());
    for (size_t i = 0; i < chaves.size(); ++i) {
        if (const int rc = lerLista(tabela, chaveDaTabela(numero, chaves[i]), listas[i]);
            rc != SQLITE_OK)
            return rc;
        if (listas[i].empty())
            return SQLITE_OK;
    }
    // Lists of differences by their length, then lists of bits (each holds
    // many rows), which are only looked into.
    std::sort(listas.begin(), listas.end(), [](const std::string &a, const std::string &b) {
        return std::pair(a.front() == formaBits, a.size()) <
               std::pair(b.front() == formaBits, b.size());
    });
    bool inteira = lerTudo(c->linhas, listas.front());
    for (size_t i = 1; inteira && i < listas.size() && !c->linhas.empty(); ++i)
        inteira = interseccionar(c->linhas, listas[i]);
    if (!inteira) {
        c->linhas.clear();
        return falhar(cursor->pVtab, SQLITE_CORRUPT_VTAB, "zel_trigramas: lista danificada");
    }
    return SQLITE_OK;
}

int avancar(sqlite3_vtab_cursor *cursor) {
    ++reinterpret_cast<CursorLinhas *>(cursor)->posicao;
    return SQLITE_OK;
}

int terminou(sqlite3_vtab_cursor *cursor) {
    const auto *c = reinterpret_cast<CursorLinhas *>(cursor);
    return c->posicao >= c->linhas.size();
}

int coluna(sqlite3_vtab_cursor *cursor, sqlite3_context *contexto, int i) {
    const auto *c = reinterpret_cast<CursorLinhas *>(cursor);
    if (i == 0)
        sqlite3_result_int64(contexto, c->linhas[c->posicao]);
    return SQLITE_OK;
}

int linhaDoCursor(sqlite3_vtab_cursor *cursor, sqlite3_int64 *linha) {
    *linha = sqlite3_int64(reinterpret_cast<CursorLinhas *>(cursor)->posicao);
    return SQLITE_OK;
}

const sqlite3_module moduloLinhas = [] {
    sqlite3_module m{};
    m.xConnect = conectar; // no xCreate: the function needs no CREATE VIRTUAL TABLE
    m.xBestIndex = planejar;
    m.xDisconnect = desconectar;
    m.xOpen = abrirCursor;
    m.xClose = fecharCursor;
    m.xFilter = filtrar;
    m.xNext = avancar;
    m.xEof = terminou;
    m.xColumn = coluna;
    m.xRowid = linhaDoCursor;
    return m;
}();

// ------------------------------------------------------------- building

struct Comando {
    sqlite3_stmt *comando = nullptr;
    ~Comando() { sqlite3_finalize(comando); }
};

int executar(sqlite3 *db, const std::string &sql) {
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

// The list of one key while it is built, by differences: rowids come in
// ascending order, and a row that holds a key twice is written once.
struct ListaNova {
    int64_t primeira = 0;
    int64_t ultima = 0;
    std::string bytes{formaDiferencas};
    void acrescentar(int64_t linha) {
        if (linha == ultima)
            return;
        escreverNumero(bytes, uint64_t(linha - ultima));
        primeira = primeira == 0 ? linha : primeira;
        ultima = linha;
    }
    // The list in its shorter form.
    std::string gravada() const {
        std::string bits{formaBits};
        escreverNumero(bits, uint64_t(primeira));
        const size_t inicio = bits.size();
        const uint64_t quantos = uint64_t(ultima - primeira) / 8 + 1;
        if (inicio + quantos >= bytes.size())
            return bytes;
        bits.resize(inicio + quantos, '\0');
        LeitorDeLista leitor(bytes);
        for (int64_t linha = 0; !leitor.fim() && leitor.proximo(linha);)
            bits[inicio + size_t(linha - primeira) / 8] |= char(1 << ((linha - primeira) % 8));
        return bits;
    }
};

// The lists of one column while they are built, by key: a table of open
// addressing (a key is never 0), which the build reaches tens of millions of
// times at a hundred times the sample's size.
class ListasNovas {
public:
    ListaNova &operator[](uint32_t chave) {
        if (2 * (m_listas.size() + 1) > m_posicoes.size())
            crescer();
        size_t i = espalhar(chave);
        while (m_chaves[i] != 0 && m_chaves[i] != chave)
            i = (i + 1) & (m_chaves.size() - 1);
        if (m_chaves[i] == 0) {
            m_chaves[i] = chave;
            m_posicoes[i] = uint32_t(m_listas.size());
            m_listas.push_back({chave, {}});
        }
        return m_listas[m_posicoes[i]].second;
    }
    // The keys and their lists, in ascending key order.
    std::vector<std::pair<uint32_t, ListaNova>> ordenadas() && {
        std::sort(m_listas.begin(), m_listas.end(),
                  [](const auto &a, const auto &b) { return a.first < b.first; });
        return std::move(m_listas);
    }

private:
    size_t espalhar(uint32_t chave) const {
        return size_t((chave * 0x9E3779B1u) >> 8) & (m_chaves.size() - 1);
    }
    void crescer() {
        const size_t tamanho = std::max<size_t>(1024, m_chaves.size() * 2);
        m_chaves.assign(tamanho, 0);
        m_posicoes.assign(tamanho, 0);
        for (size_t p = 0; p < m_listas.size(); ++p) {
            size_t i = espalhar(m_listas[p].first);
            while (m_chaves[i] != 0)
                i = (i + 1) & (tamanho - 1);
            m_chaves[i] = m_listas[p].first;
            m_posicoes[i] = uint32_t(p);
        }
    }

    std::vector<uint32_t> m_chaves;
    std::vector<uint32_t> m_posicoes;
    std::vector<std::pair<uint32_t, ListaNova>> m_listas;
};

// A title in one of its forms, for the Portuguese order of every title.
struct Posicionado {
    uint32_t inicio; // in the texts' buffer
    uint32_t tamanho;
    uint32_t alvo; // which order column
    int64_t linha;
};

struct ColunaDeOrdem {
    std::string tabela;
    std::string nome;
    std::vector<uint32_t> posicoes; // by rowid
};

class Construcao {
public:
    explicit Construcao(sqlite3 *db) : m_db(db) {}

    int executar() {
        int rc = indice::executar(
            m_db, "CREATE TABLE zel_titulos (numero INTEGER PRIMARY KEY, tabela TEXT NOT NULL, "
                  "coluna TEXT NOT NULL, ordem_texto TEXT, ordem_maiusculas TEXT);"
                  "CREATE TABLE zel_trigramas (chave INTEGER PRIMARY KEY, linhas BLOB NOT NULL)");
        const auto &titulos = esquema::titulosBuscados();
        for (size_t i = 0; i < titulos.size() && rc == SQLITE_OK; ++i)
            rc = indexarColuna(int(i) + 1, titulos[i]);
        if (rc == SQLITE_OK)
            rc = gravarOrdem();
        if (rc == SQLITE_OK)
            rc = indice::executar(m_db, "PRAGMA user_version = " + std::to_string(formato));
        return rc;
    }

private:
    int indexarColuna(int numero, const esquema::TituloBuscado &titulo) {
        const std::string tabela = titulo.tabela.toStdString();
        const std::string nome = titulo.coluna.toStdString();
        const std::string ordemTexto = titulo.ordemTexto ? "zel_ordem_" + nome : std::string();
        const std::string ordemMaiusculas =
            titulo.ordemMaiusculas ? "zel_ordem_maiusculas_" + nome : std::string();
        const uint32_t alvoTexto = novoAlvo(tabela, ordemTexto);
        const uint32_t alvoMaiusculas = novoAlvo(tabela, ordemMaiusculas);

        Comando titulos;
        int rc = sqlite3_prepare_v2(m_db, ("SELECT rowid, " + nome + " FROM " + tabela).c_str(), -1,
                                    &titulos.comando, nullptr);
        if (rc != SQLITE_OK)
            return rc;
        ListasNovas listas;
        std::string dobrado;
        std::string maiusculas;
        while ((rc = sqlite3_step(titulos.comando)) == SQLITE_ROW) {
            const int64_t linha = sqlite3_column_int64(titulos.comando, 0);
            const auto *dados = static_cast<const char *>(sqlite3_column_blob(titulos.comando, 1));
            const std::string_view texto(dados ? dados : "",
                                         size_t(sqlite3_column_bytes(titulos.comando, 1)));
            textos::minusculasSemAcento(texto, dobrado);
            paraCadaChave(dobrado, [&](uint32_t chave) { listas[chave].acrescentar(linha); });
            if (!ordemTexto.empty())
                posicionar(texto, alvoTexto, linha);
            if (!ordemMaiusculas.empty()) {
                textos::maiusculas(texto, maiusculas);
                posicionar(maiusculas, alvoMaiusculas, linha);
            }
        }
        if (rc != SQLITE_DONE)
            return rc;
        rc = gravarListas(numero, std::move(listas).ordenadas());
        if (rc != SQLITE_OK)
            return rc;
        Comando registro;
        rc = sqlite3_prepare_v2(m_db, "INSERT INTO zel_titulos VALUES (?1, ?2, ?3, ?4, ?5)", -1,
                                &registro.comando, nullptr);
        if (rc != SQLITE_OK)
            return rc;
        sqlite3_bind_int(registro.comando, 1, numero);
        sqlite3_bind_text(registro.comando, 2, tabela.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(registro.comando, 3, nome.c_str(), -1, SQLITE_STATIC);
        if (!ordemTexto.empty())
            sqlite3_bind_text(registro.comando, 4, ordemTexto.c_str(), -1, SQLITE_STATIC);
        if (!ordemMaiusculas.empty())
            sqlite3_bind_text(registro.comando, 5, ordemMaiusculas.c_str(), -1, SQLITE_STATIC);
        rc = sqlite3_step(registro.comando);
        return rc == SQLITE_DONE ? SQLITE_OK : rc;
    }

    int gravarListas(int numero, const std::vector<std::pair<uint32_t, ListaNova>> &listas) {
        Comando inserir;
        int rc = sqlite3_prepare_v2(m_db, "INSERT INTO zel_trigramas VALUES (?1, ?2)", -1,
                                    &inserir.comando, nullptr);
        for (size_t i = 0; i < listas.size() && rc == SQLITE_OK; ++i) {
            const std::string bytes = listas[i].second.gravada();
            sqlite3_bind_int64(inserir.comando, 1, chaveDaTabela(numero, listas[i].first));
            sqlite3_bind_blob(inserir.comando, 2, bytes.data(), int(bytes.size()), SQLITE_STATIC);
            rc = sqlite3_step(inserir.comando);
            rc = rc == SQLITE_DONE ? sqlite3_reset(inserir.comando) : rc;
        }
        return rc;
    }

    uint32_t novoAlvo(const std::string &tabela, const std::string &nome) {
        if (nome.empty())
            return 0;
        m_colunas.push_back({tabela, nome, {}});
        return uint32_t(m_colunas.size() - 1);
    }

    void posicionar(std::string_view texto, uint32_t alvo, int64_t linha) {
        m_posicionados.push_back({uint32_t(m_textos.size()), uint32_t(texto.size()), alvo, linha});
        m_textos += texto;
    }

    std::string_view texto(const Posicionado &p) const {
        return std::string_view(m_textos).substr(p.inicio, p.tamanho);
    }

    // Every title and form in Portuguese order; equal ones share a place.
    int gravarOrdem() {
        std::sort(m_posicionados.begin(), m_posicionados.end(),
                  [this](const Posicionado &a, const Posicionado &b) {
                      return textos::compararPortugues(texto(a), texto(b)) < 0;
                  });
        uint32_t lugar = 0;
        for (size_t i = 0; i < m_posicionados.size(); ++i) {
            const Posicionado &p = m_posicionados[i];
            if (i == 0 || textos::compararPortugues(texto(m_posicionados[i - 1]), texto(p)) != 0)
                ++lugar;
            std::vector<uint32_t> &posicoes = m_colunas[p.alvo].posicoes;
            if (posicoes.size() <= size_t(p.linha))
                posicoes.resize(size_t(p.linha) + 1);
            posicoes[size_t(p.linha)] = lugar;
        }
        int rc = SQLITE_OK;
        for (size_t i = 0; i < m_colunas.size() && rc == SQLITE_OK; ++i)
            rc = gravarColuna(m_colunas[i]);
        sqlite3_create_function(m_db, "zel_lugar", 1, SQLITE_UTF8, nullptr, nullptr, nullptr,
                                nullptr);
        return rc;
    }

    static void lugar(sqlite3_context *contexto, int, sqlite3_value **argumentos) {
        const auto &posicoes =
            *static_cast<const std::vector<uint32_t> *>(sqlite3_user_data(contexto));
        const int64_t linha = sqlite3_value_int64(argumentos[0]);
        if (linha >= 0 && size_t(linha) < posicoes.size())
            sqlite3_result_int64(contexto, posicoes[size_t(linha)]);
    }

    int gravarColuna(const ColunaDeOrdem &coluna) {
        const int rc = sqlite3_create_function(
            m_db, "zel_lugar", 1, SQLITE_UTF8,
            const_cast<std::vector<uint32_t> *>(&coluna.posicoes), lugar, nullptr, nullptr);
        if (rc != SQLITE_OK)
            return rc;
        return indice::executar(m_db, "ALTER TABLE " + coluna.tabela + " ADD COLUMN " +
                                          coluna.nome + " INTEGER; UPDATE " + coluna.tabela +
                                          " SET " + coluna.nome + " = zel_lugar(rowid)");
    }

    sqlite3 *m_db;
    std::vector<ColunaDeOrdem> m_colunas;
    std::vector<Posicionado> m_posicionados;
    std::string m_textos;
};

} // namespace

// In LIKE, '%' stands for any run of characters and '_' for one: the bytes
// between them must appear in the title as they are.
std::vector<uint32_t> chavesDoPadrao(std::string_view padrao) {
    std::vector<uint32_t> chaves;
    const auto curinga = [](char c) { return c == '%' || c == '_'; };
    if (!padrao.empty() && !curinga(padrao[0]))
        chaves.push_back(inicio(padrao));
    size_t i = 0;
    while (i < padrao.size()) {
        const size_t fim = std::find_if(padrao.begin() + i, padrao.end(), curinga) - padrao.begin();
        for (; i + 3 <= fim; ++i)
            chaves.push_back(trigrama(padrao, i));
        i = fim + 1;
    }
    std::sort(chaves.begin(), chaves.end());
    chaves.erase(std::unique(chaves.begin(), chaves.end()), chaves.end());
    return chaves;
}

int construir(sqlite3 *db) {
    return Construcao(db).executar();
}

void registrarModulo(sqlite3 *db) {
    sqlite3_create_module_v2(db, "zel_linhas", &moduloLinhas, nullptr, nullptr);
}

int ler(sqlite3 *db, dialeto::Indice &indice, std::string &mensagem) {
    indice.clear();
    // The engine's message is read before the statements are finalized,
    // which leaves the connection without it.
    const auto falhar = [&](int rc) {
        mensagem = sqlite3_errmsg(db);
        indice.clear();
        return rc;
    };
    Comando versao;
    int rc = sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &versao.comando, nullptr);
    if (rc == SQLITE_OK && (rc = sqlite3_step(versao.comando)) == SQLITE_ROW &&
        sqlite3_column_int(versao.comando, 0) != formato)
        return SQLITE_OK;
    if (rc != SQLITE_ROW)
        return falhar(rc);
    Comando colunas;
    rc = sqlite3_prepare_v2(db,
                            "SELECT numero, tabela, coluna, ordem_texto, ordem_maiusculas "
                            "FROM zel_titulos",
                            -1, &colunas.comando, nullptr);
    if (rc != SQLITE_OK)
        return falhar(rc);
    const auto texto = [&](int i) {
        const auto *valor = reinterpret_cast<const char *>(sqlite3_column_text(colunas.comando, i));
        return std::string(valor ? valor : "");
    };
    while ((rc = sqlite3_step(colunas.comando)) == SQLITE_ROW) {
        std::string nome = texto(1) + "." + texto(2);
        std::transform(nome.begin(), nome.end(), nome.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        indice[nome] = {sqlite3_column_int(colunas.comando, 0), texto(3), texto(4)};
    }
    return rc == SQLITE_DONE ? SQLITE_OK : falhar(rc);
}

} // namespace indice
