#pragma once

// The data tool run as its own process, as scripts and maintainers run it.

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <csignal>
#include <functional>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace processo {

struct Saida {
    int status = -1;
    bool terminou = false; // ended by itself, not by a signal
    QString saida;
    QString erros;
};

// What the child does to itself before it runs the tool (a limit, another
// user); it runs between fork and exec.
using Preparo = std::function<void()>;

// Starts the tool with the signals it handles as an interactive shell leaves
// them.
inline void iniciar(QProcess &processo, const QStringList &argumentos, Preparo preparo = {}) {
    processo.setChildProcessModifier([preparo] {
        for (const int sinal : {SIGINT, SIGTERM, SIGHUP, SIGXFSZ})
            ::signal(sinal, SIG_DFL);
        if (preparo)
            preparo();
    });
    processo.start(QStringLiteral(ZEL_DADOS), argumentos);
}

inline Saida terminar(QProcess &processo) {
    processo.waitForFinished(60000);
    return {processo.exitCode(), processo.exitStatus() == QProcess::NormalExit,
            QString::fromUtf8(processo.readAllStandardOutput()),
            QString::fromUtf8(processo.readAllStandardError())};
}

inline Saida executar(const QStringList &argumentos, Preparo preparo = {}) {
    QProcess processo;
    iniciar(processo, argumentos, std::move(preparo));
    return terminar(processo);
}

// The tool, run in `diretorio`, with arguments given as bytes, as a shell
// passes them, in any encoding: QProcess hands its arguments over as UTF-8,
// so the child starts the tool itself, with the array made before it was
// forked.
inline Saida executarBytes(const QList<QByteArray> &argumentos, const QString &diretorio) {
    const QByteArray programa = QFile::encodeName(QStringLiteral(ZEL_DADOS));
    std::vector<char *> argv{const_cast<char *>(programa.constData())};
    for (const QByteArray &argumento : argumentos)
        argv.push_back(const_cast<char *>(argumento.constData()));
    argv.push_back(nullptr);
    QProcess processo;
    processo.setWorkingDirectory(diretorio);
    iniciar(processo, {}, [&argv] {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    });
    return terminar(processo);
}

// The tool with `entrada` on its standard input.
inline Saida executarComEntrada(const QStringList &argumentos, const QByteArray &entrada) {
    QProcess processo;
    iniciar(processo, argumentos);
    processo.write(entrada);
    processo.closeWriteChannel();
    return terminar(processo);
}

// A user without privileges: run as root, the child takes the identity of
// user and group 65534, to which the directories of a test, made inaccessible,
// are closed as they are to any other user.
inline void semPrivilegios() {
    if (::geteuid() != 0)
        return;
    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
        ::_exit(127);
}

// A small file system mounted on `diretorio` for this test process and its
// children alone (in a mount namespace of its own), unmounted when the object
// goes away: a disk that fills up. Only where the process may mount (root);
// `montado()` says whether it is there.
class DiscoPequeno {
public:
    DiscoPequeno(const QString &diretorio, int kilobytes)
        : m_diretorio(QFile::encodeName(diretorio)) {
        static const bool proprio =
            ::unshare(CLONE_NEWNS) == 0 &&
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        const QByteArray tamanho = "size=" + QByteArray::number(kilobytes) + "k";
        m_montado = proprio &&
                    ::mount("tmpfs", m_diretorio.constData(), "tmpfs", 0, tamanho.constData()) == 0;
    }
    ~DiscoPequeno() {
        if (m_montado)
            ::umount2(m_diretorio.constData(), MNT_DETACH);
    }
    DiscoPequeno(const DiscoPequeno &) = delete;
    DiscoPequeno &operator=(const DiscoPequeno &) = delete;
    bool montado() const { return m_montado; }

private:
    QByteArray m_diretorio;
    bool m_montado = false;
};

} // namespace processo
