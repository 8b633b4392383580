#include "lote.h"

#include "arquivos.h"
#include "csv.h"
#include "progresso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace lote {
namespace {

QTextStream &erros() {
    static QTextStream saida(stderr);
    return saida;
}

int falhar(int status, const QString &mensagem) {
    erros() << mensagem << Qt::endl;
    return status;
}

// A descriptor closed when it goes out of scope (standard input is left open).
struct Descritor {
    int numero = -1;
    ~Descritor() {
        if (numero > STDERR_FILENO)
            ::close(numero);
    }
};

// The column named `coluna` (exactly, or else without regard to case when
// only one column answers), or numbered so from 1.
std::optional<qsizetype> acharColuna(const QStringList &cabecalho, const QString &coluna) {
    if (coluna.isEmpty())
        return 0;
    if (const qsizetype exata = cabecalho.indexOf(coluna); exata >= 0)
        return exata;
    qsizetype achada = -1;
    for (qsizetype i = 0; i < cabecalho.size(); ++i)
        if (cabecalho[i].trimmed().compare(coluna.trimmed(), Qt::CaseInsensitive) == 0) {
            if (achada >= 0)
                return std::nullopt;
            achada = i;
        }
    if (achada >= 0)
        return achada;
    bool numero = false;
    const qsizetype n = coluna.toLongLong(&numero);
    if (numero && n >= 1 && n <= cabecalho.size())
        return n - 1;
    return std::nullopt;
}

QString listaDeColunas(const QStringList &cabecalho) {
    QStringList nomes;
    for (const QString &nome : cabecalho)
        nomes << u"\""_s + nome + u"\""_s;
    return nomes.join(u", "_s);
}

// Where the rows go: a new file beside SAIDA that takes its name at the end,
// or standard output.
class Destino {
public:
    explicit Destino(const QString &saida) : m_saida(saida), m_novo(saida) {}

    // 0 when open; otherwise the exit status: SAIDA names a place that is
    // not there (a directory, a directory missing) or one where the file
    // could not be written (no permission, a read-only or full disk).
    int abrir(QString *erro) {
        if (m_saida.isEmpty())
            return 0;
        if (QFileInfo(m_saida).isDir()) {
            *erro = arquivos::falha(m_saida, EISDIR);
            return statusUso;
        }
        const QString diretorio = QFileInfo(m_saida).absolutePath();
        m_diretorio.numero =
            ::open(QFile::encodeName(diretorio).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_diretorio.numero < 0) {
            *erro = arquivos::falha(diretorio, errno);
            return statusUso;
        }
        return m_novo.criar(erro) ? 0 : statusFalha;
    }
    int descritor() const { return m_saida.isEmpty() ? STDOUT_FILENO : m_novo.descritor(); }
    QString nome() const { return m_saida.isEmpty() ? u"saída padrão"_s : m_saida; }
    bool instalar(QString *erro) {
        return m_saida.isEmpty() || m_novo.instalar(m_diretorio.numero, erro);
    }

private:
    QString m_saida;
    arquivos::ArquivoNovo m_novo;
    Descritor m_diretorio;
};

// The summary: rows read, then each status with its count.
void escreverResumo(qint64 linhas, const QStringList &situacoes,
                    const std::vector<qint64> &contagem, const QStringList &extra) {
    erros() << "linhas lidas: " << linhas << "\n";
    for (qsizetype i = 0; i < situacoes.size(); ++i)
        erros() << "  " << situacoes[i] << ": " << contagem[size_t(i)] << "\n";
    for (const QString &linha : extra)
        erros() << linha << "\n";
    erros().flush();
}

} // namespace

std::optional<char> lerSeparador(const QString &texto, QString *erro) {
    if (texto.size() == 1 && texto[0].unicode() < 0x80 && texto[0] != u'"' && texto[0] != u'\r' &&
        texto[0] != u'\n')
        return char(texto[0].unicode());
    *erro = u"--separador deve ser um só caractere ASCII que não seja aspas nem quebra de linha, "
            u"não \""_s +
            texto + u"\""_s;
    return std::nullopt;
}

int executar(const Opcoes &opcoes, Processador &processador) {
    const bool daEntradaPadrao = opcoes.entrada.isEmpty() || opcoes.entrada == u"-"_s;
    const QString nomeEntrada = daEntradaPadrao ? u"entrada padrão"_s : opcoes.entrada;
    Descritor entrada;
    entrada.numero = daEntradaPadrao ? STDIN_FILENO
                                     : ::open(QFile::encodeName(opcoes.entrada).constData(),
                                              O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (entrada.numero < 0 || ::fstat(entrada.numero, &info) != 0)
        return falhar(statusUso, arquivos::falha(nomeEntrada, errno));
    if (S_ISDIR(info.st_mode))
        return falhar(statusUso, arquivos::falha(nomeEntrada, EISDIR));

    LeitorCsv leitor([fd = entrada.numero](char *destino, qsizetype maximo) -> qsizetype {
        for (;;) {
            const ssize_t lidos = ::read(fd, destino, size_t(maximo));
            if (lidos >= 0 || errno != EINTR)
                return lidos;
        }
    });
    const auto linhaMalformada = [&] {
        const QString motivo = leitor.errnoLeitura() != 0
                                   ? arquivos::falha(nomeEntrada, leitor.errnoLeitura())
                                   : nomeEntrada + u", linha "_s +
                                         QString::number(leitor.linhaErro()) + u": "_s +
                                         leitor.erro() + u" (deslocamento "_s +
                                         QString::number(leitor.byteErro()) + u" do arquivo)"_s;
        return falhar(statusFalha, motivo);
    };
    const char separador = opcoes.separador.value_or(leitor.separadorDoCabecalho());
    leitor.definirSeparador(separador);
    const std::optional<QStringList> cabecalho = leitor.proximo();
    if (!cabecalho) {
        if (!leitor.erro().isEmpty())
            return linhaMalformada();
        return falhar(statusUso, nomeEntrada + u": vazia, falta a linha de cabeçalho"_s);
    }
    const std::optional<qsizetype> coluna = acharColuna(*cabecalho, opcoes.coluna);
    if (!coluna)
        return falhar(statusUso, u"coluna \""_s + opcoes.coluna + u"\" não encontrada em "_s +
                                     nomeEntrada + u"; as colunas são "_s +
                                     listaDeColunas(*cabecalho));

    Destino destino(opcoes.saida);
    QString erro;
    if (const int status = destino.abrir(&erro); status != 0)
        return falhar(status, erro);
    arquivos::EscritaEmBlocos escrita(destino.descritor(), destino.nome());
    const std::string_view fimDeLinha = leitor.terminouComCrlf() ? "\r\n" : "\n";
    if (leitor.comMarcaDeOrdem())
        escrita.bloco() += "\xEF\xBB\xBF";
    csv::acrescentarLinha(escrita.bloco(), *cabecalho + processador.colunas(), separador,
                          fimDeLinha);

    BarraProgresso barra(::isatty(STDERR_FILENO) == 1, S_ISREG(info.st_mode) ? info.st_size : 0);
    const QStringList situacoes = processador.situacoes();
    std::vector<qint64> contagem(size_t(situacoes.size()), 0);
    qint64 linhas = 0;
    std::vector<QStringList> acrescimos;
    while (std::optional<QStringList> registro = leitor.proximo()) {
        const bool emBranco = registro->size() == 1 && registro->first().isEmpty();
        if (emBranco && cabecalho->size() > 1)
            continue; // a blank line between rows, as the importer reads it
        if (registro->size() != cabecalho->size()) {
            barra.terminar();
            return falhar(statusFalha, nomeEntrada + u", linha "_s +
                                           QString::number(leitor.linha()) +
                                           u": o registro tem %1 campo(s), o cabeçalho tem %2"_s
                                               .arg(registro->size())
                                               .arg(cabecalho->size()));
        }
        acrescimos.clear();
        ++contagem[size_t(processador.processar(registro->at(*coluna), acrescimos))];
        for (const QStringList &acrescimo : acrescimos) {
            csv::acrescentarCampos(escrita.bloco(), *registro, separador);
            escrita.bloco() += separador;
            csv::acrescentarLinha(escrita.bloco(), acrescimo, separador, fimDeLinha);
        }
        escrita.seCheio();
        if (++linhas % 256 == 0)
            barra.atualizar(leitor.bytesLidos(), linhas);
    }
    barra.terminar();
    if (!leitor.erro().isEmpty())
        return linhaMalformada();
    if (erro = escrita.terminar(); !erro.isEmpty() || !destino.instalar(&erro))
        return falhar(statusFalha, erro);
    escreverResumo(linhas, situacoes, contagem, processador.resumo());
    return 0;
}

} // namespace lote
