#include "importador.h"

#include "conexao.h"
#include "csv.h"
#include "esquema.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

struct Falha {
    QString texto;
};

[[noreturn]] void falhar(const QString &arquivo, int linha, const QString &coluna,
                         const QString &motivo) {
    QString texto = arquivo;
    if (linha > 0)
        texto += u", linha "_s + QString::number(linha);
    if (!coluna.isEmpty())
        texto += u", coluna "_s + coluna;
    throw Falha{texto + u": "_s + motivo};
}

class Banco {
public:
    explicit Banco(const QString &arquivo) {
        if (sqlite3_open_v2(QFile::encodeName(arquivo).constData(), &m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            throw Falha{arquivo + u": "_s + mensagem()};
        executar(u"PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN"_s);
    }
    ~Banco() { sqlite3_close(m_db); }
    Banco(const Banco &) = delete;
    Banco &operator=(const Banco &) = delete;

    void executar(const QString &sql) {
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw Falha{mensagem()};
    }
    sqlite3_stmt *preparar(const QString &sql) {
        sqlite3_stmt *comando = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &comando, nullptr) != SQLITE_OK)
            throw Falha{mensagem()};
        return comando;
    }
    QString mensagem() const { return QString::fromUtf8(sqlite3_errmsg(m_db)); }

private:
    sqlite3 *m_db = nullptr;
};

QString arquivoDaTabela(const QDir &diretorio, const QString &tabela) {
    const QString procurado = tabela + u".csv"_s;
    for (const QString &nome : diretorio.entryList(QDir::Files))
        if (nome.compare(procurado, Qt::CaseInsensitive) == 0)
            return diretorio.filePath(nome);
    return {};
}

bool soDigitos(const QString &texto) {
    if (texto.isEmpty())
        return false;
    for (const QChar c : texto)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

void conferirValor(const esquema::Coluna &coluna, const QString &valor, const QString &arquivo,
                   int linha) {
    if (coluna.codigo && valor.isEmpty())
        falhar(arquivo, linha, coluna.nome, u"código vazio"_s);
    if (coluna.largura > 0 && valor.size() != coluna.largura)
        falhar(arquivo, linha, coluna.nome,
               u"o código \"%1\" deve ter %2 caractere(s)"_s.arg(valor).arg(coluna.largura));
    if (coluna.inteiro && !soDigitos(valor))
        falhar(arquivo, linha, coluna.nome, u"\"%1\" não é um número inteiro"_s.arg(valor));
}

// Major groups are coded 0, 1, 2 ... in order, without gaps: the structure
// browser takes an entry's position in the list as its code.
void conferirGrandesGrupos(const QStringList &codigos, const QList<int> &linhas,
                           const QString &arquivo) {
    QList<int> ordem(codigos.size());
    for (int i = 0; i < ordem.size(); ++i)
        ordem[i] = i;
    std::sort(ordem.begin(), ordem.end(), [&](int a, int b) { return codigos[a] < codigos[b]; });
    for (int posicao = 0; posicao < ordem.size(); ++posicao) {
        const QString esperado = QString::number(posicao);
        if (codigos[ordem[posicao]] != esperado)
            falhar(
                arquivo, linhas[ordem[posicao]], u"Cod_Gde_Gp"_s,
                u"os grandes grupos devem ter os códigos 0, 1, 2 ... sem lacunas; esperado \"%1\""_s
                    .arg(esperado));
    }
}

void importarTabela(Banco &banco, const esquema::Tabela &tabela, const QDir &diretorioCsv) {
    const QString arquivo = arquivoDaTabela(diretorioCsv, tabela.nome);
    if (arquivo.isEmpty())
        falhar(diretorioCsv.filePath(tabela.nome + u".csv"_s), 0, {}, u"arquivo não encontrado"_s);
    QFile entrada(arquivo);
    if (!entrada.open(QIODevice::ReadOnly))
        falhar(arquivo, 0, {}, entrada.errorString());
    LeitorCsv leitor(entrada.readAll());
    const std::optional<QStringList> cabecalho = leitor.proximo();
    if (!cabecalho)
        falhar(arquivo, 1, {}, leitor.erro().isEmpty() ? u"arquivo vazio"_s : leitor.erro());

    // Position of each schema column in the file's header; extra columns are ignored.
    QList<qsizetype> posicoes;
    QStringList nomes;
    for (const esquema::Coluna &coluna : tabela.colunas) {
        qsizetype posicao = -1;
        for (qsizetype i = 0; i < cabecalho->size(); ++i)
            if (cabecalho->at(i).trimmed().compare(coluna.nome, Qt::CaseInsensitive) == 0)
                posicao = i;
        if (posicao < 0)
            falhar(arquivo, 1, coluna.nome, u"coluna ausente no cabeçalho"_s);
        posicoes << posicao;
        nomes << coluna.nome;
    }

    QStringList marcadores(nomes.size(), u"?"_s);
    sqlite3_stmt *inserir =
        banco.preparar(u"INSERT INTO "_s + tabela.nome + u" ("_s + nomes.join(u", "_s) +
                       u") VALUES ("_s + marcadores.join(u", "_s) + u")"_s);
    struct Finalizar {
        sqlite3_stmt *c;
        ~Finalizar() { sqlite3_finalize(c); }
    } finalizar{inserir};

    QHash<QString, int> chavesVistas;
    QStringList codigosGrandesGrupos;
    QList<int> linhasGrandesGrupos;
    while (const std::optional<QStringList> registro = leitor.proximo()) {
        const int linha = leitor.linha();
        if (registro->size() == 1 && registro->first().isEmpty())
            continue; // blank line
        if (registro->size() != cabecalho->size())
            falhar(arquivo, linha, {},
                   u"o registro tem %1 campo(s), o cabeçalho tem %2"_s.arg(registro->size())
                       .arg(cabecalho->size()));
        QStringList chave;
        for (qsizetype c = 0; c < posicoes.size(); ++c) {
            const esquema::Coluna &coluna = tabela.colunas[size_t(c)];
            const QString valor = registro->at(posicoes[c]);
            conferirValor(coluna, valor, arquivo, linha);
            if (tabela.chaves.contains(coluna.nome))
                chave << valor;
            const QByteArray utf8 = valor.toUtf8();
            if (coluna.inteiro)
                sqlite3_bind_int64(inserir, int(c) + 1, valor.toLongLong());
            else
                sqlite3_bind_text(inserir, int(c) + 1, utf8.constData(), int(utf8.size()),
                                  SQLITE_TRANSIENT);
        }
        if (!chave.isEmpty()) {
            const QString texto = chave.join(u'\x1f');
            if (const auto repetida = chavesVistas.constFind(texto);
                repetida != chavesVistas.cend())
                falhar(arquivo, linha, tabela.chaves.join(u", "_s),
                       u"código repetido (já na linha %1)"_s.arg(*repetida));
            chavesVistas.insert(texto, linha);
        }
        if (tabela.nome == u"TGrande_Grupo"_s) {
            codigosGrandesGrupos << registro->at(posicoes[0]);
            linhasGrandesGrupos << linha;
        }
        if (sqlite3_step(inserir) != SQLITE_DONE)
            falhar(arquivo, linha, {}, banco.mensagem());
        sqlite3_reset(inserir);
    }
    if (!leitor.erro().isEmpty())
        falhar(arquivo, leitor.linha(), {}, leitor.erro());
    if (tabela.nome == u"TGrande_Grupo"_s)
        conferirGrandesGrupos(codigosGrandesGrupos, linhasGrandesGrupos, arquivo);
}

} // namespace

bool importar(const QString &diretorioCsv, const QString &diretorioDados, QString *erro) {
    const QDir origem(diretorioCsv);
    if (!origem.exists()) {
        *erro = diretorioCsv + u": diretório não encontrado"_s;
        return false;
    }
    if (!QDir().mkpath(diretorioDados)) {
        *erro = diretorioDados + u": não foi possível criar o diretório"_s;
        return false;
    }
    const QString destino = QDir(diretorioDados).filePath(QLatin1String(conexao::nomeArquivo));
    const QString temporario = destino + u".novo"_s;
    QFile::remove(temporario);
    try {
        {
            Banco banco(temporario);
            for (const QString &comando : esquema::comandosCriacao())
                banco.executar(comando);
            for (const esquema::Tabela &tabela : esquema::tabelas())
                importarTabela(banco, tabela, origem);
            banco.executar(u"COMMIT; ANALYZE"_s);
        }
        // rename() replaces the old file in one step: readers see the old
        // database or the new one, never none.
        if (std::rename(QFile::encodeName(temporario).constData(),
                        QFile::encodeName(destino).constData()) != 0)
            throw Falha{destino + u": não foi possível gravar o banco de dados"_s};
    } catch (const Falha &falha) {
        QFile::remove(temporario);
        *erro = falha.texto;
        return false;
    }
    return true;
}
