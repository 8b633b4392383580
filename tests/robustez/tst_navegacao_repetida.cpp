// Long use: thousands of steps through every screen, with every kind of
// query, page changes, double clicks and the About screen, leave memory,
// open descriptors, windows and widgets where they were after warm-up.

#include "apoio_robustez.h"
#include "fixtures.h"
#include "programa.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr int rodadasDeAquecimento = 3;
constexpr int passosMedidos = 5000;
// Room for the allocator's own bookkeeping and for the boxes' undo
// history, which grows with every character typed (Qt keeps it until the
// box is destroyed); a leak of 200 bytes a step would exceed it.
constexpr qint64 margemKb = 1024;

// AddressSanitizer keeps freed memory in quarantine on purpose: under it the
// resident size says nothing about leaks, and only the counts are compared.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool memoriaComparavel = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool memoriaComparavel = false;
#else
constexpr bool memoriaComparavel = true;
#endif
#else
constexpr bool memoriaComparavel = true;
#endif

struct Recursos {
    qint64 rssKb = 0;
    qsizetype descritores = 0;
    qsizetype janelas = 0;
    qsizetype objetos = 0;
};

qint64 rssKb() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &linha : status.readAll().split('\n'))
        if (linha.startsWith("VmRSS:"))
            return linha.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Deferred deletions and pending paints are done before measuring.
Recursos medir() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    Recursos r;
    r.rssKb = rssKb();
    r.descritores = QDir(u"/proc/self/fd"_s)
                        .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                        .size();
    const QWidgetList janelas = QApplication::topLevelWidgets();
    r.janelas = janelas.size();
    for (const QWidget *janela : janelas)
        r.objetos += 1 + janela->findChildren<QObject *>().size();
    return r;
}

QString descrever(const Recursos &r) {
    return u"RSS %1 KiB, %2 descritores, %3 janelas, %4 objetos"_s.arg(r.rssKb)
        .arg(r.descritores)
        .arg(r.janelas)
        .arg(r.objetos);
}

} // namespace

class TesteNavegacaoRepetida : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void milharesDePassosSemCrescimento();
};

void TesteNavegacaoRepetida::initTestCase() {
    robustez::iniciar(fixtures::banco(u"basica"_s));
}

void TesteNavegacaoRepetida::cleanup() {
    programa::encerrarTeste();
}

void TesteNavegacaoRepetida::milharesDePassosSemCrescimento() {
    for (int i = 0; i < rodadasDeAquecimento; ++i)
        QVERIFY(robustez::percorrer() > 0);
    const Recursos inicio = medir();
    int passos = 0;
    while (passos < passosMedidos) {
        passos += robustez::percorrer();
        QCoreApplication::processEvents();
        if (QTest::currentTestFailed())
            return;
    }
    const Recursos fim = medir();
    qInfo().noquote() << passos << u"passos; antes:"_s << descrever(inicio) << u"; depois:"_s
                      << descrever(fim);
    QCOMPARE(fim.descritores, inicio.descritores);
    QCOMPARE(fim.janelas, inicio.janelas);
    QCOMPARE(fim.objetos, inicio.objetos);
    QVERIFY2(inicio.rssKb > 0, "VmRSS ilegível");
    if (memoriaComparavel)
        QVERIFY2(fim.rssKb - inicio.rssKb <= margemKb, qPrintable(descrever(fim)));
}

QTEST_MAIN(TesteNavegacaoRepetida)
#include "tst_navegacao_repetida.moc"
