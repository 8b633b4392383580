// The program never writes its database: a walk through every screen and
// every kind of query leaves the file byte for byte as it was, creates
// nothing beside it, not even for a moment, and holds it open for reading
// only.

#include "apoio_robustez.h"
#include "fixtures.h"
#include "programa.h"
#include "unit_global.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// What must not change: the file's bytes, size and time of change, and the
// directory's entries and time of change (creating and removing a journal
// beside the file would change the latter).
struct Marca {
    QByteArray resumo;
    qint64 tamanho = 0;
    timespec arquivoMudado{};
    timespec diretorioMudado{};
    QStringList entradas;
};

timespec mudado(const QString &caminho) {
    struct stat info {};
    ::stat(QFile::encodeName(caminho).constData(), &info);
    return info.st_mtim;
}

bool operator==(const timespec &a, const timespec &b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

Marca marcar(const QString &dados) {
    QFile arquivo(dados + u"/zel2002.db"_s);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = arquivo.readAll();
    return {QCryptographicHash::hash(bytes, QCryptographicHash::Sha256), bytes.size(),
            mudado(arquivo.fileName()), mudado(dados),
            QDir(dados).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)};
}

// The access modes of this process's open descriptors of `arquivo`, read
// from /proc: O_RDONLY, O_WRONLY or O_RDWR for each.
QList<int> modosAbertos(const QString &arquivo) {
    const QString alvo = QFileInfo(arquivo).canonicalFilePath();
    QList<int> modos;
    const QDir descritores(u"/proc/self/fd"_s);
    for (const QString &fd :
         descritores.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFile::symLinkTarget(descritores.filePath(fd)) != alvo)
            continue;
        QFile info(u"/proc/self/fdinfo/"_s + fd);
        if (!info.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &linha : info.readAll().split('\n'))
            if (linha.startsWith("flags:"))
                modos << (linha.mid(6).trimmed().toInt(nullptr, 8) & O_ACCMODE);
    }
    return modos;
}

} // namespace

class TesteBancoIntocado : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void percursoNaoEscreve();
};

namespace {
QString dados;
Marca antes;
} // namespace

void TesteBancoIntocado::initTestCase() {
    dados = fixtures::Classificacao(u"basica"_s).criar();
    antes = marcar(dados);
    QVERIFY(!antes.resumo.isEmpty());
    robustez::iniciar(dados);
}

void TesteBancoIntocado::cleanup() {
    programa::encerrarTeste();
}

void TesteBancoIntocado::percursoNaoEscreve() {
    QVERIFY(robustez::percorrer() > 50);
    QVERIFY(robustez::percorrer() > 50);

    const QList<int> modos = modosAbertos(fncCaminhoDados() + u"/zel2002.db"_s);
    QVERIFY2(!modos.isEmpty(), "o banco de dados deveria estar aberto");
    QCOMPARE(modos, QList<int>(modos.size(), O_RDONLY));

    const Marca depois = marcar(dados);
    QCOMPARE(depois.entradas, QStringList{u"zel2002.db"_s});
    QCOMPARE(depois.tamanho, antes.tamanho);
    QCOMPARE(depois.resumo, antes.resumo);
    QVERIFY(depois.arquivoMudado == antes.arquivoMudado);
    QVERIFY(depois.diretorioMudado == antes.diretorioMudado);
}

QTEST_MAIN(TesteBancoIntocado)
#include "tst_banco_intocado.moc"
