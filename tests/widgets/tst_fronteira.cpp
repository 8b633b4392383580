// The error boundary's last resort: the application object reports an error
// that leaves a handler Qt called through the event loop, and the loop goes
// on. And the busy cursor of a scope, which an error's unwinding ends too.

#include "cursor.h"
#include "erro.h"
#include "fronteira.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TesteFronteira : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cliqueSemConectar();
    void chamadaNaFila();
    void cursorOcupadoDoEscopo();

private:
    QStringList m_erros;
    fronteira::Relator m_anterior;
};

void TesteFronteira::init() {
    m_erros.clear();
    m_anterior = fronteira::definirRelator([this](const QString &texto) { m_erros << texto; });
}

void TesteFronteira::cleanup() {
    fronteira::definirRelator(m_anterior);
    cursor::normal();
}

// A button whose slot was connected without `conectar`: the click's error is
// reported, the busy cursor goes, and the next click still runs the slot.
void TesteFronteira::cliqueSemConectar() {
    QPushButton botao(u"Procurar"_s);
    int cliques = 0;
    QObject::connect(&botao, &QPushButton::clicked, [&cliques] {
        ++cliques;
        cursor::definir(Qt::WaitCursor);
        throw ErroBanco(u"no such table: TFamilia"_s);
    });
    botao.show();
    QTest::mouseClick(&botao, Qt::LeftButton);
    QCOMPARE(m_erros, QStringList{u"no such table: TFamilia"_s});
    QVERIFY(!cursor::ocupado());
    QTest::mouseClick(&botao, Qt::LeftButton);
    QCOMPARE(cliques, 2);
    QCOMPARE(m_erros.size(), 2);
}

// A queued call that fails does not stop the event loop: the call queued
// after it runs.
void TesteFronteira::chamadaNaFila() {
    bool seguinte = false;
    QTimer::singleShot(0, this, [] { throw Erro(u"Can't locate file: /x/inicial.htm"_s); });
    QTimer::singleShot(0, this, [&seguinte] { seguinte = true; });
    QTRY_VERIFY(seguinte);
    QCOMPARE(m_erros, QStringList{u"Can't locate file: /x/inicial.htm"_s});
}

// A fill inside a fill leaves the outer one busy; the end of the outer one,
// or an error leaving it, gives back what was set before (the drag's cursor,
// or none).
void TesteFronteira::cursorOcupadoDoEscopo() {
    const auto forma = [] {
        return cursor::ocupado() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
    };
    {
        const cursor::Ocupado externo;
        {
            const cursor::Ocupado interno;
            QCOMPARE(forma(), Qt::WaitCursor);
        }
        QCOMPARE(forma(), Qt::WaitCursor);
    }
    QVERIFY(!cursor::ocupado());

    cursor::definir(Qt::SizeAllCursor);
    try {
        const cursor::Ocupado ocupado;
        throw ErroBanco(u"disk I/O error"_s);
    } catch (const Erro &) {
    }
    QCOMPARE(forma(), Qt::SizeAllCursor);

    cursor::Ocupado ocupado;
    ocupado.terminar();
    QCOMPARE(forma(), Qt::SizeAllCursor);
    cursor::normal();
}

int main(int argc, char **argv) {
    fronteira::Aplicacao app(argc, argv);
    TesteFronteira teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_fronteira.moc"
