#pragma once

// The data tool run as its own process, as scripts and maintainers run it.

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
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

// Starts the tool (or the copy of it at `programa`) with the signals it
// handles as an interactive shell leaves them.
inline void iniciar(QProcess &processo, const QStringList &argumentos, Preparo preparo = {},
                    const QString &programa = QStringLiteral(ZEL_DADOS)) {
    processo.setChildProcessModifier([preparo] {
        for (const int sinal : {SIGINT, SIGTERM, SIGHUP, SIGXFSZ})
            ::signal(sinal, SIG_DFL);
        if (preparo)
            preparo();
    });
    processo.start(programa, argumentos);
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

// The tool run by a user without privileges, for whom the directories of a
// test, made inaccessible, are closed as they are to any other user. Run as
// root, the child takes the identity of user and group 65534; that user may
// not reach the build directory either (a checkout in root's home, which is
// closed to others), so it runs a copy of the tool from a directory open to
// everyone.
inline Saida executarSemPrivilegios(const QStringList &argumentos) {
    if (::geteuid() != 0)
        return executar(argumentos);
    QTemporaryDir copia;
    const QString programa = copia.path() + QStringLiteral("/zel-dados");
    const auto aberto =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    if (!QFile::copy(QStringLiteral(ZEL_DADOS), programa) ||
        !QFile::setPermissions(copia.path(), aberto) || !QFile::setPermissions(programa, aberto))
        return {};
    QProcess processo;
    iniciar(
        processo, argumentos,
        [] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(127);
        },
        programa);
    return terminar(processo);
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
