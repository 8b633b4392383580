#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// What the data tool does with files and directories, with errors that name
// the file and say what the system answered in words a user tells apart
// ("não foi encontrado", "sem permissão", "disco cheio" ...).
namespace arquivos {

// "caminho: motivo" for the failure `numero` (an errno value).
QString falha(const QString &caminho, int numero);

// The names of the entries of `diretorio`.
std::optional<QStringList> listar(const QString &diretorio, QString *erro);

// The whole content of a file, or of a pipe until its writer closes it.
std::optional<QByteArray> ler(const QString &caminho, QString *erro);

// Creates `diretorio` and its missing parents; an existing one is fine.
bool criarDiretorio(const QString &diretorio, QString *erro);

// Writes `dados` to a new file `caminho` and to disk; a failure is told by
// the name `nome`.
bool gravar(const QString &caminho, const QByteArray &dados, const QString &nome, QString *erro);

// Writes to the descriptor `descritor` in blocks: what is appended to
// `bloco()` is written once a block is full and at `terminar()`. The first
// failure ends the writing and is kept, so that a full disk or a closed file
// is an error, not a success.
class EscritaEmBlocos {
public:
    EscritaEmBlocos(int descritor, QString nome);
    QByteArray &bloco() { return m_bloco; }
    // Writes the block when it is full.
    void seCheio() {
        if (m_bloco.size() >= tamanhoBloco)
            gravarBloco();
    }
    // Empty when everything was written; otherwise what went wrong.
    QString terminar();

private:
    static constexpr qsizetype tamanhoBloco = 1 << 16;
    void gravarBloco();

    int m_descritor;
    QString m_nome;
    QByteArray m_bloco;
    int m_erro = 0;
};

// An exclusive lock on a directory, held until the object goes away. It is
// taken on the directory itself, so that nothing is left behind, and without
// waiting: a second holder is refused at once. Readers never take it.
class TravaDiretorio {
public:
    TravaDiretorio() = default;
    ~TravaDiretorio();
    TravaDiretorio(const TravaDiretorio &) = delete;
    TravaDiretorio &operator=(const TravaDiretorio &) = delete;

    enum class Resultado { Travado, Ocupado, Falhou };
    Resultado travar(const QString &diretorio, QString *erro);
    int descritor() const { return m_descritor; }

private:
    int m_descritor = -1;
};

// A file written under a unique temporary name beside the file it will
// replace. It is removed when the object goes away without having been
// installed, and also when the process is ended meanwhile by SIGINT, SIGTERM,
// SIGHUP or SIGXFSZ (the file grew past the process's limit). One at a time
// per process.
class ArquivoNovo {
public:
    explicit ArquivoNovo(QString destino);
    ~ArquivoNovo();
    ArquivoNovo(const ArquivoNovo &) = delete;
    ArquivoNovo &operator=(const ArquivoNovo &) = delete;

    // Creates the empty file, readable as a newly created file is (the
    // umask decides), named after the destination + `sufixoTemporario` + a
    // random part.
    bool criar(QString *erro);
    const QString &caminho() const { return m_caminho; }
    int descritor() const { return m_descritor; }

    // Writes the file and the directory `diretorio` (a descriptor of the
    // destination's directory) to disk, renames the file over the
    // destination and writes the directory to disk again, so that after a
    // power cut the destination is either the old file or the whole new one.
    bool instalar(int diretorio, QString *erro);

private:
    void remover();

    QString m_destino;
    QString m_caminho;
    int m_descritor = -1;
};

// A directory written under a temporary name beside the one it will replace
// and put in its place in one step at the end. It is removed, with what it
// holds, when the object goes away without having been installed.
class DiretorioNovo {
public:
    explicit DiretorioNovo(const QString &destino);
    ~DiretorioNovo();
    DiretorioNovo(const DiretorioNovo &) = delete;
    DiretorioNovo &operator=(const DiretorioNovo &) = delete;

    // Creates the empty directory (and the destination's missing parents).
    bool criar(QString *erro);
    const QString &caminho() const { return m_caminho; }

    // Writes the directory to disk and puts it in place of the destination,
    // whose old content is then removed.
    bool instalar(QString *erro);

private:
    QString m_destino;
    QString m_caminho;
};

// Removes what a killed process left: the files of `diretorio` whose names
// begin with `prefixo`. Call it only while holding the directory's lock.
void removerRestos(const QString &diretorio, const QString &prefixo);

inline constexpr const char *sufixoTemporario = ".novo";

} // namespace arquivos
