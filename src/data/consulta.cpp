#include "consulta.h"

#include "conexao.h"
#include "dialeto.h"
#include "erro.h"
#include "textos.h"

#include <algorithm>
#include <sqlite3.h>

namespace {

// A value of `busca` that the engine cannot compare as it is finds no rows,
// instead of a wrong or a failed search. The engine's LIKE reads a pattern
// up to its first NUL character, and refuses a pattern longer than its limit
// (as given or as LOWER turns it); no title, code or description of the
// classification holds a NUL or comes near that length.
bool buscaSemResultado(sqlite3 *db, const QByteArray &busca) {
    if (busca.contains('\0'))
        return true;
    const qsizetype limite = sqlite3_limit(db, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1);
    if (busca.size() > limite)
        return true;
    std::string minusculas;
    textos::minusculasSemAcento(std::string_view(busca.constData(), size_t(busca.size())),
                                minusculas);
    return qsizetype(minusculas.size()) > limite;
}

Consulta::Limites limites;

} // namespace

void Consulta::definirLimites(const Limites &novos) {
    limites = novos;
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
    m_linhas = 0;
    m_posicao = 0;
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
    sqlite3_stmt *comando = preparada.comando;
    m_inicios.push_back(0);
    const bool vinculaBusca = preparada.indiceBusca > 0 && m_busca;
    if (!vinculaBusca || !buscaSemResultado(sqlite3_db_handle(comando), *m_busca))
        ler(preparada, vinculaBusca);
    m_colunas = preparada.colunas;
    m_aberta = true;
}

void Consulta::ler(const conexao::Preparada &preparada, bool vinculaBusca) {
    sqlite3_stmt *comando = preparada.comando;
    sqlite3_reset(comando);
    sqlite3_clear_bindings(comando);
    if (vinculaBusca)
        sqlite3_bind_text(comando, preparada.indiceBusca, m_busca->constData(),
                          int(m_busca->size()), SQLITE_STATIC);
    const int colunas = int(preparada.colunas.size());
    int rc;
    bool grandeDemais = false;
    while (!grandeDemais && (rc = sqlite3_step(comando)) == SQLITE_ROW) {
        grandeDemais = m_linhas >= limites.linhas;
        for (int c = 0; c < colunas && !grandeDemais; ++c) {
            const auto *texto = reinterpret_cast<const char *>(sqlite3_column_text(comando, c));
            const auto bytes = size_t(sqlite3_column_bytes(comando, c));
            grandeDemais = bytes > limites.bytes - m_dados.size();
            if (texto && !grandeDemais)
                m_dados.append(texto, bytes);
            m_inicios.push_back(uint32_t(m_dados.size()));
        }
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

void Consulta::moverPor(int n) {
    m_posicao = int(std::clamp<qint64>(qint64(m_posicao) + n, 0, m_linhas));
}

std::string_view Consulta::valor(int linha, int coluna) const {
    const size_t i = size_t(linha) * m_colunas.size() + size_t(coluna);
    return std::string_view(m_dados).substr(m_inicios[i], m_inicios[i + 1] - m_inicios[i]);
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
