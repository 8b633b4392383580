// The progress bar of the commands that work on whole files, on a clock of
// the test's own.

#include "progresso.h"

#include <QTest>

using namespace std::chrono_literals;
using Instante = std::chrono::steady_clock::time_point;

class TesteProgresso : public QObject {
    Q_OBJECT
private slots:
    void barra_data();
    void barra();
};

Q_DECLARE_METATYPE(std::chrono::milliseconds)

void TesteProgresso::barra_data() {
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QList<std::chrono::milliseconds>>("momentos"); // of each update
    QTest::addColumn<QByteArrayList>("escrito");
    const QByteArray metade = "\r[###############---------------]  50%  ";
    QTest::newRow("menos de um segundo: nada")
        << true << qint64(1000) << QList<std::chrono::milliseconds>{10ms, 500ms, 999ms}
        << QByteArrayList{};
    QTest::newRow("depois de um segundo, e apagada no fim")
        << true << qint64(1000) << QList<std::chrono::milliseconds>{500ms, 1000ms}
        << QByteArrayList{metade + "2 linhas", "\r\x1b[K"};
    QTest::newRow("no máximo dez vezes por segundo")
        << true << qint64(1000) << QList<std::chrono::milliseconds>{1000ms, 1050ms, 1099ms, 1100ms}
        << QByteArrayList{metade + "1 linhas", metade + "4 linhas", "\r\x1b[K"};
    QTest::newRow("sem tamanho conhecido, só as linhas")
        << true << qint64(0) << QList<std::chrono::milliseconds>{1500ms}
        << QByteArrayList{"\r1 linhas", "\r\x1b[K"};
    QTest::newRow("fora de um terminal: nada")
        << false << qint64(1000) << QList<std::chrono::milliseconds>{1500ms, 3000ms}
        << QByteArrayList{};
}

void TesteProgresso::barra() {
    QFETCH(bool, terminal);
    QFETCH(qint64, total);
    QFETCH(QList<std::chrono::milliseconds>, momentos);
    QFETCH(QByteArrayList, escrito);
    const Instante inicio{};
    Instante agora = inicio;
    QByteArrayList escritos;
    BarraProgresso barra(
        terminal, total, [&](const QByteArray &texto) { escritos << texto; },
        [&] { return agora; });
    for (qsizetype i = 0; i < momentos.size(); ++i) {
        agora = inicio + momentos[i];
        barra.atualizar(total / 2, i + 1);
    }
    barra.terminar();
    QCOMPARE(escritos, escrito);
}

QTEST_GUILESS_MAIN(TesteProgresso)
#include "tst_progresso.moc"
