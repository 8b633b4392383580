#include "importador.h"

#include "arquivos.h"
#include "codigos.h"
#include "conexao.h"
#include "csv.h"
#include "esquema.h"
#include "indice.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <cerrno>
#include <limits>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace importador {
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

// The new database, written to `arquivo`; failures of the engine are told by
// the name of the database it will become.
class Banco {
public:
    Banco(const QString &arquivo, QString destino) : m_destino(std::move(destino)) {
        const int rc = sqlite3_open_v2(QFile::encodeName(arquivo).constData(), &m_db,
                                       SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK)
            falharMotor(rc);
        executar(u"PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN"_s);
    }
    ~Banco() { sqlite3_close(m_db); }
    Banco(const Banco &) = delete;
    Banco &operator=(const Banco &) = delete;

    // The title index, once the tables are loaded and checked.
    void indexarTitulos() {
        if (const int rc = indice::construir(m_db); rc != SQLITE_OK)
            falharMotor(rc);
    }
    void executar(const QString &sql) {
        const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            falharMotor(rc);
    }
    sqlite3_stmt *preparar(const QString &sql) {
        sqlite3_stmt *comando = nullptr;
        const int rc = sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &comando, nullptr);
        if (rc != SQLITE_OK)
            falharMotor(rc);
        return comando;
    }
    // A failure of the engine while writing: what the system answered
    // (disk full, ...) when it was the system, the engine's words otherwise.
    [[noreturn]] void falharMotor(int rc) const {
        const int sistema = numeroDoSistema(rc);
        const QString motivo = sistema != 0 ? arquivos::falha(m_destino, sistema)
                                            : m_destino + u": "_s +
                                                  (m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                                                        : QString::fromUtf8(sqlite3_errstr(rc)));
        throw Falha{motivo +
                    u" (o banco novo não pôde ser gravado; o anterior ficou como estava)"_s};
    }

private:
    // The errno of the failure `rc`, 0 when it was not the system's. The
    // engine keeps that of a failed write with the file; a full disk it
    // reports as SQLITE_FULL alone.
    int numeroDoSistema(int rc) const {
        if (!m_db)
            return 0;
        int numero = sqlite3_system_errno(m_db);
        if (numero == 0)
            sqlite3_file_control(m_db, "main", SQLITE_FCNTL_LAST_ERRNO, &numero);
        if (numero == 0 && (rc & 0xFF) == SQLITE_FULL)
            numero = ENOSPC;
        return numero;
    }

    sqlite3 *m_db = nullptr;
    QString m_destino;
};

class Comando {
public:
    Comando(Banco &banco, const QString &sql) : m_comando(banco.preparar(sql)) {}
    ~Comando() { sqlite3_finalize(m_comando); }
    Comando(const Comando &) = delete;
    Comando &operator=(const Comando &) = delete;
    operator sqlite3_stmt *() const { return m_comando; }

private:
    sqlite3_stmt *m_comando;
};

// A table as read from its file: the file's path and the line of each row,
// in the order of the rows (rowid - 1).
struct TabelaLida {
    QString arquivo;
    std::vector<int> linhas;
};

bool soDigitos(const QString &texto) {
    return !texto.isEmpty() &&
           std::all_of(texto.begin(), texto.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// What is wrong with a code for the screens' code boxes (its characters and
// its width), with %1 for the code; empty when nothing is.
QString problemaDoCodigo(const esquema::Coluna &coluna, const QString &valor) {
    using esquema::Caracteres;
    const QString digitos = u"o código \"%1\" deve ter só algarismos de 0 a 9"_s;
    const QString larguraConversao = u"o código \"%1\" deve ter de 4 a 6 caracteres"_s;
    if (coluna.largura > 0 && valor.size() != coluna.largura)
        return u"o código \"%1\" deve ter "_s + QString::number(coluna.largura) +
               u" caractere(s)"_s;
    switch (coluna.caracteres) {
    case Caracteres::Livres:
        return {};
    case Caracteres::Digitos:
        return soDigitos(valor) ? QString() : digitos;
    case Caracteres::DigitosConversao:
        if (valor.size() < 4 || valor.size() > 6)
            return larguraConversao;
        return soDigitos(valor) ? QString() : digitos;
    case Caracteres::Conversao:
        switch (codigos::verificarCodigoConversao(valor)) {
        case codigos::Falha::Tamanho:
            return larguraConversao;
        case codigos::Falha::Caractere:
            return u"o código \"%1\" deve ter só algarismos de 0 a 9 ou X"_s;
        default:
            return {};
        }
    }
    return {};
}

void conferirValor(const esquema::Coluna &coluna, const QString &valor, const QString &arquivo,
                   int linha) {
    if (coluna.codigo && valor.isEmpty())
        falhar(arquivo, linha, coluna.nome, u"código vazio"_s);
    if (const QString problema = problemaDoCodigo(coluna, valor); !problema.isEmpty())
        falhar(arquivo, linha, coluna.nome, problema.arg(valor));
    if (!coluna.inteiro)
        return;
    if (!soDigitos(valor))
        falhar(arquivo, linha, coluna.nome, u"\"%1\" não é um número inteiro"_s.arg(valor));
    bool cabe = false;
    valor.toLongLong(&cabe);
    if (!cabe)
        falhar(arquivo, linha, coluna.nome,
               u"o número \"%1\" passa do maior aceito (%2)"_s.arg(
                   valor, QString::number(std::numeric_limits<qint64>::max())));
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

QString arquivoDaTabela(const QString &diretorio, const QStringList &nomes, const QString &tabela) {
    const QString procurado = tabela + u".csv"_s;
    for (const QString &nome : nomes)
        if (nome.compare(procurado, Qt::CaseInsensitive) == 0)
            return diretorio + u'/' + nome;
    return {};
}

// Reads the CSV error of `leitor` as a refusal: the column is named by the
// header when there is one.
[[noreturn]] void falharCsv(const LeitorCsv &leitor, const QString &arquivo,
                            const QStringList &cabecalho) {
    const int campo = leitor.campoErro();
    const QString coluna =
        campo < cabecalho.size() ? cabecalho[campo].trimmed() : QString::number(campo + 1);
    falhar(arquivo, leitor.linhaErro(), coluna,
           leitor.erro() + u" (deslocamento "_s + QString::number(leitor.byteErro()) +
               u" do arquivo)"_s);
}

// The unique keys of a table, each a list of column positions in the schema.
std::vector<std::vector<qsizetype>> chavesUnicas(const esquema::Tabela &tabela) {
    QList<QStringList> conjuntos;
    if (!tabela.chaves.isEmpty())
        conjuntos << tabela.chaves;
    for (const QString &unica : tabela.unicas)
        conjuntos << unica.split(u',');
    std::vector<std::vector<qsizetype>> chaves;
    for (const QStringList &conjunto : conjuntos) {
        std::vector<qsizetype> posicoes;
        for (const QString &nome : conjunto)
            for (size_t c = 0; c < tabela.colunas.size(); ++c)
                if (tabela.colunas[c].nome == nome)
                    posicoes.push_back(qsizetype(c));
        chaves.push_back(posicoes);
    }
    return chaves;
}

TabelaLida importarTabela(Banco &banco, const esquema::Tabela &tabela, const QString &diretorioCsv,
                          const QStringList &nomesArquivos) {
    TabelaLida lida;
    lida.arquivo = arquivoDaTabela(diretorioCsv, nomesArquivos, tabela.nome);
    const QString &arquivo = lida.arquivo;
    if (arquivo.isEmpty())
        falhar(diretorioCsv + u'/' + tabela.nome + u".csv"_s, 0, {}, u"não foi encontrado"_s);
    QString motivo;
    std::optional<QByteArray> conteudo = arquivos::ler(arquivo, &motivo);
    if (!conteudo)
        throw Falha{motivo};
    LeitorCsv leitor(std::move(*conteudo));
    const std::optional<QStringList> cabecalho = leitor.proximo();
    if (!cabecalho) {
        if (leitor.erro().isEmpty())
            falhar(arquivo, 1, {}, u"arquivo vazio"_s);
        falharCsv(leitor, arquivo, {});
    }

    // Position of each schema column in the file's header; extra columns are ignored.
    QList<qsizetype> posicoes;
    QStringList nomes;
    for (const esquema::Coluna &coluna : tabela.colunas) {
        qsizetype posicao = -1;
        for (qsizetype i = 0; i < cabecalho->size(); ++i) {
            if (cabecalho->at(i).trimmed().compare(coluna.nome, Qt::CaseInsensitive) != 0)
                continue;
            // Two columns of one name: which of them holds the data is unknown.
            if (posicao >= 0)
                falhar(
                    arquivo, 1, coluna.nome,
                    u"coluna repetida no cabeçalho (campos %1 e %2)"_s.arg(posicao + 1).arg(i + 1));
            posicao = i;
        }
        if (posicao < 0)
            falhar(arquivo, 1, coluna.nome, u"coluna ausente no cabeçalho"_s);
        posicoes << posicao;
        nomes << coluna.nome;
    }

    QStringList marcadores(nomes.size(), u"?"_s);
    Comando inserir(banco, u"INSERT INTO "_s + tabela.nome + u" ("_s + nomes.join(u", "_s) +
                               u") VALUES ("_s + marcadores.join(u", "_s) + u")"_s);

    const std::vector<std::vector<qsizetype>> chaves = chavesUnicas(tabela);
    std::vector<QHash<QString, int>> chavesVistas(chaves.size());
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
        QStringList valores;
        for (qsizetype c = 0; c < posicoes.size(); ++c) {
            const esquema::Coluna &coluna = tabela.colunas[size_t(c)];
            valores << registro->at(posicoes[c]);
            conferirValor(coluna, valores.back(), arquivo, linha);
            const QByteArray utf8 = valores.back().toUtf8();
            if (coluna.inteiro)
                sqlite3_bind_int64(inserir, int(c) + 1, valores.back().toLongLong());
            else
                sqlite3_bind_text(inserir, int(c) + 1, utf8.constData(), int(utf8.size()),
                                  SQLITE_TRANSIENT);
        }
        for (size_t k = 0; k < chaves.size(); ++k) {
            QStringList partes;
            QStringList colunas;
            for (const qsizetype c : chaves[k]) {
                partes << valores[c];
                colunas << tabela.colunas[size_t(c)].nome;
            }
            const QString texto = partes.join(u'\x1f');
            if (const auto repetida = chavesVistas[k].constFind(texto);
                repetida != chavesVistas[k].cend())
                falhar(arquivo, linha, colunas.join(u", "_s),
                       u"código repetido (já na linha %1)"_s.arg(*repetida));
            chavesVistas[k].insert(texto, linha);
        }
        if (tabela.nome == u"TGrande_Grupo"_s) {
            codigosGrandesGrupos << valores[0];
            linhasGrandesGrupos << linha;
        }
        const int rc = sqlite3_step(inserir);
        if (rc != SQLITE_DONE)
            banco.falharMotor(rc);
        sqlite3_reset(inserir);
        lida.linhas.push_back(linha);
    }
    if (!leitor.erro().isEmpty())
        falharCsv(leitor, arquivo, *cabecalho);
    if (tabela.nome == u"TGrande_Grupo"_s)
        conferirGrandesGrupos(codigosGrandesGrupos, linhasGrandesGrupos, arquivo);
    return lida;
}

// Warnings of one tolerated reference: the first rows one by one, then how
// many more.
constexpr int avisosPorReferencia = 10;

// Every reference between the tables leads to a row: a broken one is refused,
// naming the row and the missing key, unless the screens tolerate the gap.
void conferirReferencias(Banco &banco, const QHash<QString, TabelaLida> &lidas,
                         QStringList *avisos) {
    for (const esquema::Referencia &r : esquema::referencias()) {
        Comando orfaos(banco, u"SELECT rowid, "_s + r.coluna + u" FROM "_s + r.tabela +
                                  u" WHERE "_s + r.coluna + u" NOT IN (SELECT "_s +
                                  r.colunaReferida + u" FROM "_s + r.tabelaReferida +
                                  u") ORDER BY rowid"_s);
        const TabelaLida &lida = lidas[r.tabela];
        const QString referido = QFileInfo(lidas[r.tabelaReferida].arquivo).fileName();
        int encontrados = 0;
        while (sqlite3_step(orfaos) == SQLITE_ROW) {
            const int linha = lida.linhas[size_t(sqlite3_column_int64(orfaos, 0) - 1)];
            const QString valor =
                QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(orfaos, 1)));
            const QString motivo = u"o código \"%1\" não está em %2 (coluna %3)"_s.arg(
                valor, referido, r.colunaReferida);
            if (!r.lacunaTolerada)
                falhar(lida.arquivo, linha, r.coluna, motivo);
            if (++encontrados <= avisosPorReferencia && avisos)
                *avisos << u"%1, linha %2, coluna %3: %4; a linha foi importada, mas as telas "_s
                           u"não a mostram"_s.arg(lida.arquivo, QString::number(linha), r.coluna,
                                                  motivo);
        }
        if (encontrados > avisosPorReferencia && avisos)
            *avisos << u"%1: mais %2 linha(s) com a coluna %3 fora de %4"_s.arg(
                lida.arquivo, QString::number(encontrados - avisosPorReferencia), r.coluna,
                referido);
    }
}

} // namespace

bool importar(const QString &diretorioCsv, const QString &diretorioDados, QString *erro,
              QStringList *avisos) {
    try {
        QString motivo;
        const std::optional<QStringList> nomesArquivos = arquivos::listar(diretorioCsv, &motivo);
        if (!nomesArquivos || !arquivos::criarDiretorio(diretorioDados, &motivo))
            throw Falha{motivo};
        arquivos::TravaDiretorio trava;
        switch (trava.travar(diretorioDados, &motivo)) {
        case arquivos::TravaDiretorio::Resultado::Travado:
            break;
        case arquivos::TravaDiretorio::Resultado::Ocupado:
            throw Falha{
                diretorioDados +
                u": outra importação está em andamento neste diretório; nada foi alterado"_s};
        case arquivos::TravaDiretorio::Resultado::Falhou:
            throw Falha{motivo};
        }
        const QString nome = QLatin1String(conexao::nomeArquivo);
        arquivos::removerRestos(diretorioDados, nome + QLatin1String(arquivos::sufixoTemporario));
        const QString destino = diretorioDados + u'/' + nome;
        arquivos::ArquivoNovo novo(destino);
        if (!novo.criar(&motivo))
            throw Falha{motivo};
        {
            Banco banco(novo.caminho(), destino);
            for (const QString &comando : esquema::comandosCriacao())
                banco.executar(comando);
            QHash<QString, TabelaLida> lidas;
            for (const esquema::Tabela &tabela : esquema::tabelas())
                lidas.insert(tabela.nome,
                             importarTabela(banco, tabela, diretorioCsv, *nomesArquivos));
            conferirReferencias(banco, lidas, avisos);
            banco.indexarTitulos();
            banco.executar(u"COMMIT; ANALYZE"_s);
        }
        if (!novo.instalar(trava.descritor(), &motivo))
            throw Falha{motivo};
    } catch (const Falha &falha) {
        *erro = falha.texto;
        return false;
    }
    return true;
}

} // namespace importador
