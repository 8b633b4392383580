#include "arquivos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace arquivos {
namespace {

QString motivo(int numero) {
    switch (numero) {
    case ENOENT:
        return u"não foi encontrado"_s;
    case EACCES:
    case EPERM:
        return u"sem permissão"_s;
    case ENOSPC:
    case EDQUOT:
        return u"disco cheio"_s;
    case EFBIG:
        return u"arquivo maior que o limite permitido"_s;
    case EROFS:
        return u"sistema de arquivos só de leitura"_s;
    case ENOTDIR:
        return u"uma parte do caminho não é um diretório"_s;
    case EISDIR:
        return u"é um diretório"_s;
    default:
        return QString::fromLocal8Bit(std::strerror(numero));
    }
}

QByteArray nativo(const QString &caminho) {
    return QFile::encodeName(caminho);
}

std::filesystem::path caminhoFs(const QString &caminho) {
    return std::filesystem::path(nativo(caminho).toStdString());
}

// The temporary file that a signal handler removes. Plain memory and a flag:
// all that a handler may touch.
char caminhoASinal[PATH_MAX];
volatile sig_atomic_t temporarioAtivo = 0;
constexpr std::array sinais = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};
std::array<struct sigaction, sinais.size()> anteriores{};
std::array<bool, sinais.size()> instalados{};

// Removes the temporary file, then lets the signal do what it did before
// (end the process, as a rule).
void aoReceberSinal(int sinal) {
    const int salvo = errno;
    if (temporarioAtivo)
        ::unlink(caminhoASinal);
    for (size_t i = 0; i < sinais.size(); ++i)
        if (sinais[i] == sinal)
            ::sigaction(sinal, &anteriores[i], nullptr);
    ::raise(sinal);
    errno = salvo;
}

void instalarTratadores() {
    struct sigaction acao {};
    acao.sa_handler = aoReceberSinal;
    sigemptyset(&acao.sa_mask);
    for (size_t i = 0; i < sinais.size(); ++i) {
        ::sigaction(sinais[i], nullptr, &anteriores[i]);
        // A signal the process was started to ignore stays ignored (a job
        // started in the background ignores SIGINT).
        instalados[i] = anteriores[i].sa_handler != SIG_IGN;
        if (instalados[i])
            ::sigaction(sinais[i], &acao, nullptr);
    }
}

void restaurarTratadores() {
    for (size_t i = 0; i < sinais.size(); ++i)
        if (instalados[i])
            ::sigaction(sinais[i], &anteriores[i], nullptr);
    instalados.fill(false);
}

// Blocks the signals above while a region runs, so that the handler never
// sees the temporary file's name half-set.
class SinaisBloqueados {
public:
    SinaisBloqueados() {
        sigset_t conjunto;
        sigemptyset(&conjunto);
        for (const int sinal : sinais)
            sigaddset(&conjunto, sinal);
        ::sigprocmask(SIG_BLOCK, &conjunto, &m_anterior);
    }
    ~SinaisBloqueados() { ::sigprocmask(SIG_SETMASK, &m_anterior, nullptr); }
    SinaisBloqueados(const SinaisBloqueados &) = delete;
    SinaisBloqueados &operator=(const SinaisBloqueados &) = delete;

private:
    sigset_t m_anterior;
};

bool sincronizar(int descritor, const QString &nome, QString *erro) {
    if (::fsync(descritor) == 0)
        return true;
    *erro = falha(nome, errno);
    return false;
}

} // namespace

QString falha(const QString &caminho, int numero) {
    return caminho + u": "_s + motivo(numero);
}

std::optional<QStringList> listar(const QString &diretorio, QString *erro) {
    std::error_code codigo;
    std::filesystem::directory_iterator entradas(caminhoFs(diretorio), codigo);
    QStringList nomes;
    for (; !codigo && entradas != std::filesystem::directory_iterator(); entradas.increment(codigo))
        if (!entradas->is_directory(codigo))
            nomes << QFile::decodeName(QByteArray::fromStdString(entradas->path().filename()));
    if (codigo) {
        *erro = falha(diretorio, codigo.value());
        return std::nullopt;
    }
    return nomes;
}

std::optional<QByteArray> ler(const QString &caminho, QString *erro) {
    const int descritor = ::open(nativo(caminho).constData(), O_RDONLY | O_CLOEXEC);
    if (descritor < 0) {
        *erro = falha(caminho, errno);
        return std::nullopt;
    }
    QByteArray dados;
    struct stat info {};
    if (::fstat(descritor, &info) == 0 && S_ISREG(info.st_mode))
        dados.reserve(qsizetype(info.st_size));
    char bloco[1 << 16];
    for (;;) {
        const ssize_t lidos = ::read(descritor, bloco, sizeof bloco);
        if (lidos == 0)
            break;
        if (lidos < 0) {
            if (errno == EINTR)
                continue;
            *erro = falha(caminho, errno);
            ::close(descritor);
            return std::nullopt;
        }
        dados.append(bloco, lidos);
    }
    ::close(descritor);
    return dados;
}

bool criarDiretorio(const QString &diretorio, QString *erro) {
    std::error_code codigo;
    std::filesystem::create_directories(caminhoFs(diretorio), codigo);
    if (codigo) {
        *erro = falha(diretorio, codigo.value());
        return false;
    }
    return true;
}

bool gravar(const QString &caminho, const QByteArray &dados, const QString &nome, QString *erro) {
    const int descritor =
        ::open(nativo(caminho).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descritor < 0) {
        *erro = falha(nome, errno);
        return false;
    }
    const char *resto = dados.constData();
    qsizetype falta = dados.size();
    while (falta > 0) {
        const ssize_t escritos = ::write(descritor, resto, size_t(falta));
        if (escritos < 0 && errno == EINTR)
            continue;
        if (escritos < 0) {
            *erro = falha(nome, errno);
            ::close(descritor);
            return false;
        }
        resto += escritos;
        falta -= escritos;
    }
    const bool sincronizado = sincronizar(descritor, nome, erro);
    ::close(descritor);
    return sincronizado;
}

EscritaEmBlocos::EscritaEmBlocos(int descritor, QString nome)
    : m_descritor(descritor), m_nome(std::move(nome)) {}

void EscritaEmBlocos::gravarBloco() {
    const char *dados = m_bloco.constData();
    qsizetype resto = m_bloco.size();
    while (resto > 0 && m_erro == 0) {
        const ssize_t escritos = ::write(m_descritor, dados, size_t(resto));
        if (escritos >= 0) {
            dados += escritos;
            resto -= escritos;
        } else if (errno != EINTR) {
            m_erro = errno;
        }
    }
    m_bloco.clear();
}

QString EscritaEmBlocos::terminar() {
    gravarBloco();
    return m_erro == 0 ? QString() : falha(m_nome, m_erro);
}

TravaDiretorio::~TravaDiretorio() {
    if (m_descritor >= 0)
        ::close(m_descritor);
}

TravaDiretorio::Resultado TravaDiretorio::travar(const QString &diretorio, QString *erro) {
    m_descritor = ::open(nativo(diretorio).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_descritor < 0) {
        *erro = falha(diretorio, errno);
        return Resultado::Falhou;
    }
    if (::flock(m_descritor, LOCK_EX | LOCK_NB) == 0)
        return Resultado::Travado;
    const int numero = errno;
    ::close(m_descritor);
    m_descritor = -1;
    *erro = falha(diretorio, numero);
    return numero == EWOULDBLOCK ? Resultado::Ocupado : Resultado::Falhou;
}

ArquivoNovo::ArquivoNovo(QString destino) : m_destino(std::move(destino)) {}

ArquivoNovo::~ArquivoNovo() {
    remover();
}

bool ArquivoNovo::criar(QString *erro) {
    Q_ASSERT(!temporarioAtivo);
    SinaisBloqueados bloqueio;
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const QString caminho =
            m_destino + QLatin1String(sufixoTemporario) + u'-' +
            QString::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, u'0');
        const QByteArray bytes = nativo(caminho);
        if (size_t(bytes.size()) >= sizeof caminhoASinal) {
            *erro = falha(caminho, ENAMETOOLONG);
            return false;
        }
        std::memcpy(caminhoASinal, bytes.constData(), size_t(bytes.size()) + 1);
        m_descritor = ::open(caminhoASinal, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC,
                             S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
        if (m_descritor >= 0) {
            m_caminho = caminho;
            temporarioAtivo = 1;
            instalarTratadores();
            return true;
        }
        if (errno != EEXIST) {
            *erro = falha(QFileInfo(m_destino).path(), errno);
            return false;
        }
    }
    *erro = falha(m_destino + QLatin1String(sufixoTemporario), EEXIST);
    return false;
}

bool ArquivoNovo::instalar(int diretorio, QString *erro) {
    if (!sincronizar(m_descritor, m_destino, erro) || !sincronizar(diretorio, m_destino, erro))
        return false;
    {
        SinaisBloqueados bloqueio;
        if (::rename(caminhoASinal, nativo(m_destino).constData()) != 0) {
            *erro = falha(m_destino, errno);
            return false;
        }
        temporarioAtivo = 0;
        m_caminho.clear();
    }
    ::close(m_descritor);
    m_descritor = -1;
    restaurarTratadores();
    if (::fsync(diretorio) != 0) {
        *erro = m_destino +
                u": o arquivo novo foi instalado, mas o diretório não pôde ser "_s
                u"gravado no disco ("_s +
                motivo(errno) + u")"_s;
        return false;
    }
    return true;
}

void ArquivoNovo::remover() {
    if (m_descritor >= 0) {
        ::close(m_descritor);
        m_descritor = -1;
    }
    if (m_caminho.isEmpty())
        return;
    {
        SinaisBloqueados bloqueio;
        ::unlink(caminhoASinal);
        temporarioAtivo = 0;
        m_caminho.clear();
    }
    restaurarTratadores();
}

namespace {

// A name beside `destino` that no entry has: "." + its name + `marca` + a
// random part.
QString nomeAoLado(const QString &destino, const char *marca) {
    const QFileInfo info(destino);
    return info.path() + u"/."_s + info.fileName() + QLatin1String(marca) + u'-' +
           QString::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, u'0');
}

// Creates a new directory of a unique name beside `destino`.
std::optional<QString> criarAoLado(const QString &destino, const char *marca, QString *erro) {
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const QString caminho = nomeAoLado(destino, marca);
        if (::mkdir(nativo(caminho).constData(), 0777) == 0)
            return caminho;
        if (errno != EEXIST) {
            *erro = falha(QFileInfo(destino).path(), errno);
            return std::nullopt;
        }
    }
    *erro = falha(QFileInfo(destino).path(), EEXIST);
    return std::nullopt;
}

void removerArvore(const QString &caminho) {
    std::error_code codigo;
    std::filesystem::remove_all(caminhoFs(caminho), codigo);
}

bool sincronizarCaminho(const QString &caminho, const QString &nome, QString *erro) {
    const int descritor = ::open(nativo(caminho).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descritor < 0) {
        *erro = falha(nome, errno);
        return false;
    }
    const bool sincronizado = sincronizar(descritor, nome, erro);
    ::close(descritor);
    return sincronizado;
}

} // namespace

DiretorioNovo::DiretorioNovo(const QString &destino)
    : m_destino(QDir::cleanPath(QDir(destino).absolutePath())) {}

DiretorioNovo::~DiretorioNovo() {
    if (!m_caminho.isEmpty())
        removerArvore(m_caminho);
}

bool DiretorioNovo::criar(QString *erro) {
    if (!criarDiretorio(QFileInfo(m_destino).path(), erro))
        return false;
    const std::optional<QString> caminho = criarAoLado(m_destino, sufixoTemporario, erro);
    if (!caminho)
        return false;
    m_caminho = *caminho;
    return true;
}

bool DiretorioNovo::instalar(QString *erro) {
    if (!sincronizarCaminho(m_caminho, m_destino, erro))
        return false;
    const QByteArray novo = nativo(m_caminho);
    const QByteArray destino = nativo(m_destino);
    // In one step: the new directory in place of a missing or empty one, or
    // exchanged with the old one, which then takes the temporary name.
    if (::rename(novo.constData(), destino.constData()) != 0) {
        if (errno != ENOTEMPTY && errno != EEXIST) {
            *erro = falha(m_destino, errno);
            return false;
        }
        if (::renameat2(AT_FDCWD, novo.constData(), AT_FDCWD, destino.constData(),
                        RENAME_EXCHANGE) == 0) {
            removerArvore(m_caminho);
        } else if (errno == EINVAL || errno == ENOSYS) {
            // A file system that cannot exchange: the old directory steps
            // aside first, and comes back if the new one cannot take its place.
            const QString antigo = nomeAoLado(m_destino, ".antigo");
            if (::rename(destino.constData(), nativo(antigo).constData()) != 0) {
                *erro = falha(m_destino, errno);
                return false;
            }
            if (::rename(novo.constData(), destino.constData()) != 0) {
                *erro = falha(m_destino, errno);
                ::rename(nativo(antigo).constData(), destino.constData());
                return false;
            }
            removerArvore(antigo);
        } else {
            *erro = falha(m_destino, errno);
            return false;
        }
    }
    m_caminho.clear();
    return sincronizarCaminho(QFileInfo(m_destino).path(), m_destino, erro);
}

void removerRestos(const QString &diretorio, const QString &prefixo) {
    QString erro;
    const std::optional<QStringList> nomes = listar(diretorio, &erro);
    if (!nomes)
        return;
    for (const QString &nome : *nomes)
        if (nome.startsWith(prefixo))
            ::unlink(nativo(diretorio + u'/' + nome).constData());
}

} // namespace arquivos
