#include "consulta.h"

#include "conexao.h"
#include "dialeto.h"
#include "erro.h"
#include "indice.h"
#include "textos.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <sqlite3.h>

namespace {

bool usarIndice = true;

// A value of `busca` that the engine cannot compare as it is finds no rows,
// instead of a wrong or a failed search. The engine's LIKE reads a pattern
// up to its first NUL character, and refuses a pattern longer than its limit
// (as given or as LOWER turns it); no title, code or description of the
// classification holds a NUL or comes near that length.
bool buscaSemResultado(sqlite3 *db, const QByteArray &busca, const std::string &minusculas) {
    const qsizetype limite = sqlite3_limit(db, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1);
    return busca.contains('\0') || busca.size() > limite || qsizetype(minusculas.size()) > limite;
}

// The index answers a search when every pattern the statement compares with
// names a key.
bool indiceResponde(const conexao::Preparada &preparada, const QByteArray &busca,
                    const std::string &minusculas) {
    return usarIndice && preparada.comandoIndice &&
           (!preparada.buscaEmMinusculas || !indice::chavesDoPadrao(minusculas).empty()) &&
           (!preparada.buscaComoDada ||
            !indice::chavesDoPadrao(std::string_view(busca.constData(), size_t(busca.size())))
                 .empty());
}

Consulta::Limites limites;

// The rows 0 to ordem.size() - 1 by their keys, rows of equal keys in the
// order read. Keys of up to 33 bits (a title's place times 16: eight
// thousand million titles) are sorted eleven bits at a time.
void ordenarPorChave(const int64_t *chaves, std::vector<int> &ordem) {
    std::iota(ordem.begin(), ordem.end(), 0);
    const auto [menor, maior] = std::minmax_element(chaves, chaves + ordem.size());
    if (*menor < 0 || *maior >= int64_t(1) << 33) {
        std::stable_sort(ordem.begin(), ordem.end(),
                         [&](int a, int b) { return chaves[a] < chaves[b]; });
        return;
    }
    constexpr int bits = 11;
    std::vector<int> outra(ordem.size());
    for (int deslocamento = 0; deslocamento < 33; deslocamento += bits) {
        std::array<size_t, (1 << bits) + 1> inicios{};
        const auto digito = [&](int r) {
            return size_t(chaves[r] >> deslocamento) & ((1 << bits) - 1);
        };
        for (const int r : ordem)
            ++inicios[digito(r) + 1];
        std::partial_sum(inicios.begin(), inicios.end(), inicios.begin());
        for (const int r : ordem)
            outra[inicios[digito(r)]++] = r;
        ordem.swap(outra);
    }
}

} // namespace

void Consulta::definirLimites(const Limites &novos) {
    limites = novos;
}

void Consulta::definirUsoDoIndice(bool usar) {
    usarIndice = usar;
}

void Consulta::definirSql(const QStringList &linhas) {
    fechar();
    m_sql = linhas;
    m_texto = linhas.join(QLatin1Char('\n')).toStdString();
    m_busca.reset();
}

void Consulta::definirBanco(const QString &diretorio) {
    m_diretorio = diretorio;
}

void Consulta::fechar() {
    m_aberta = false;
    m_colunas.clear();
    m_dados.clear();
    m_inicios.clear();
    m_chaves.clear();
    m_ordem.clear();
    m_linhas = 0;
    m_posicao = 0;
    m_usouIndice = false;
}

void Consulta::definirBusca(const QString &valor) {
    m_busca = valor.toUtf8();
}

bool Consulta::temParametroBusca() const {
    return dialeto::declaraParametro(m_texto, "busca");
}

void Consulta::abrir() {
    fechar();
    conexao::Preparada &preparada = conexao::preparar(m_diretorio, m_texto);
    m_inicios.push_back(0);
    const bool vinculaBusca = preparada.indiceBusca > 0 && m_busca;
    std::string minusculas;
    if (vinculaBusca)
        textos::minusculasSemAcento(std::string_view(m_busca->constData(), size_t(m_busca->size())),
                                    minusculas);
    if (!vinculaBusca) {
        ler(preparada, preparada.comando, false);
    } else if (!buscaSemResultado(sqlite3_db_handle(preparada.comando), *m_busca, minusculas)) {
        m_usouIndice = indiceResponde(preparada, *m_busca, minusculas);
        ler(preparada, m_usouIndice ? preparada.comandoIndice : preparada.comando, true);
    }
    ordenar(preparada);
    m_colunas = preparada.colunas;
    m_aberta = true;
}

void Consulta::ler(const conexao::Preparada &preparada, sqlite3_stmt *comando, bool vinculaBusca) {
    sqlite3_reset(comando);
    sqlite3_clear_bindings(comando);
    if (vinculaBusca)
        sqlite3_bind_text(comando, preparada.indiceBusca, m_busca->constData(),
                          int(m_busca->size()), SQLITE_STATIC);
    const int colunas = int(preparada.colunas.size());
    const int ocultas = preparada.ocultas;
    int rc;
    bool grandeDemais = false;
    while (!grandeDemais && (rc = sqlite3_step(comando)) == SQLITE_ROW) {
        grandeDemais = m_linhas >= limites.linhas;
        for (int c = 0; c < colunas && !grandeDemais; ++c) {
            // A text value's bytes as they are (other values as text): asking
            // for it as text would make the engine copy it once more to end
            // it with a NUL.
            const auto *texto = static_cast<const char *>(sqlite3_column_blob(comando, c));
            const auto bytes = size_t(sqlite3_column_bytes(comando, c));
            grandeDemais = bytes > limites.bytes - m_dados.size();
            if (texto && !grandeDemais)
                m_dados.append(texto, bytes);
            m_inicios.push_back(uint32_t(m_dados.size()));
        }
        for (int c = colunas; c < colunas + ocultas && !grandeDemais; ++c)
            m_chaves.push_back(sqlite3_column_int64(comando, c));
        ++m_linhas;
    }
    if (grandeDemais || rc != SQLITE_DONE) {
        const ErroBanco erro =
            grandeDemais ? ErroBanco(QStringLiteral("O resultado da consulta passa do que o "
                                                    "programa pode guardar (%1 linhas, %2 bytes): ")
                                         .arg(limites.linhas)
                                         .arg(limites.bytes) +
                                     conexao::arquivoDoBanco(m_diretorio))
                         : conexao::erro(sqlite3_db_handle(comando), rc, m_diretorio);
        sqlite3_reset(comando);
        fechar();
        throw erro;
    }
    sqlite3_reset(comando);
}

// A statement that searches indexed titles comes with hidden keys (see
// dialeto::Traducao). Ordered by title, its rows come by the title's place in
// Portuguese order and by select of the union; rows that tie there, by their
// columns as read (rows equal in every column cannot be told apart).
// Unordered, they come by select and by their tables' rows, as a pass over
// each table gives them: usually the order in which they were read.
void Consulta::ordenar(const conexao::Preparada &preparada) {
    if (preparada.ocultas == 0 || m_linhas == 0)
        return;
    const size_t k = size_t(preparada.ocultas);
    const size_t n = size_t(m_linhas);
    const int64_t *chaves = m_chaves.data();
    m_ordem.resize(n);
    if (preparada.ordenada) {
        // One key: the rows by it, then each run of equal keys by its columns.
        ordenarPorChave(chaves, m_ordem);
        const size_t colunas = preparada.colunas.size();
        const auto porColunas = [&](int a, int b) {
            for (size_t c = 0; c < colunas; ++c)
                if (const int r = valorGuardado(size_t(a), c, colunas)
                                      .compare(valorGuardado(size_t(b), c, colunas));
                    r != 0)
                    return r < 0;
            return false;
        };
        for (size_t i = 0; i < n;) {
            size_t fim = i + 1;
            while (fim < n && chaves[m_ordem[fim]] == chaves[m_ordem[i]])
                ++fim;
            if (fim - i > 1)
                std::sort(m_ordem.begin() + ptrdiff_t(i), m_ordem.begin() + ptrdiff_t(fim),
                          porColunas);
            i = fim;
        }
    } else {
        const auto antes = [&](int a, int b) {
            return std::lexicographical_compare(chaves + size_t(a) * k, chaves + size_t(a + 1) * k,
                                                chaves + size_t(b) * k, chaves + size_t(b + 1) * k);
        };
        std::iota(m_ordem.begin(), m_ordem.end(), 0);
        if (std::is_sorted(m_ordem.begin(), m_ordem.end(), antes))
            m_ordem.clear();
        else
            std::sort(m_ordem.begin(), m_ordem.end(), antes);
    }
    m_chaves.clear();
    m_chaves.shrink_to_fit();
}

void Consulta::moverPor(int n) {
    m_posicao = int(std::clamp<qint64>(qint64(m_posicao) + n, 0, m_linhas));
}

std::string_view Consulta::valorGuardado(size_t linha, size_t coluna, size_t colunas) const {
    const size_t i = linha * colunas + coluna;
    return std::string_view(m_dados).substr(m_inicios[i], m_inicios[i + 1] - m_inicios[i]);
}

std::string_view Consulta::valor(int linha, int coluna) const {
    const size_t guardada = m_ordem.empty() ? size_t(linha) : size_t(m_ordem[size_t(linha)]);
    return valorGuardado(guardada, size_t(coluna), m_colunas.size());
}

QString Consulta::campo(const QString &nome) const {
    for (size_t c = 0; c < m_colunas.size(); ++c) {
        if (m_colunas[c].compare(nome, Qt::CaseInsensitive) != 0)
            continue;
        if (fimDados())
            return QString();
        const std::string_view v = valor(m_posicao, int(c));
        return QString::fromUtf8(v.data(), qsizetype(v.size()));
    }
    throw ErroBanco(QStringLiteral("Campo não encontrado no resultado: ") + nome);
}
