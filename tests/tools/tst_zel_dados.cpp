// The data tool's command line, as scripts and maintainers use it.

#include "fixtures.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TesteZelDados : public QObject {
    Q_OBJECT
private slots:
    void comandos_data();
    void comandos();
    void importarEConsultar();
};

namespace {

struct Saida {
    int status;
    QString saida;
    QString erros;
};

Saida executar(const QStringList &argumentos) {
    QProcess processo;
    processo.start(QStringLiteral(ZEL_DADOS), argumentos);
    processo.waitForFinished(60000);
    return {processo.exitCode(), QString::fromUtf8(processo.readAllStandardOutput()),
            QString::fromUtf8(processo.readAllStandardError())};
}

} // namespace

void TesteZelDados::comandos_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("saida");
    QTest::addColumn<QString>("erros");
    const QString banco = fixtures::banco(u"basica"_s);

    QTest::newRow("com busca")
        << QStringList{u"consultar"_s, banco, u"fncSqlBuscaCodigoFamilia"_s, u"--busca"_s,
                       u"2112"_s}
        << 0
        << u"titulo\tcodigo\ttipo\nCIRURGIÕES-DENTISTAS\t2112   \tF\nCirurgião-dentista clínico geral\t2112-01\tO\n"_s
        << QString();
    QTest::newRow("com argumentos")
        << QStringList{u"consultar"_s, banco, u"fncSqlSinonimos"_s, u"0111"_s, u"1"_s} << 0
        << u"sinonimo\tcod_sin\nLente catedrático\t1\nDoutor titular\t2\n"_s << QString();
    QTest::newRow("flags")
        << QStringList{u"consultar"_s, banco,         u"fncSqlBuscaTitulo"_s,
                       u"0"_s,         u"0"_s,        u"0"_s,
                       u"0"_s,         u"1"_s,        u"0"_s,
                       u"--busca"_s,   u"%química%"_s}
        << 0 << u"titulo\tcodigo\ttipo\nCurso técnico em química.\t3211\tFormação \n"_s
        << QString();
    QTest::newRow("construtor desconhecido")
        << QStringList{u"consultar"_s, banco, u"fncSqlNada"_s} << 1 << QString()
        << u"construtor desconhecido: fncSqlNada\n"_s;
    QTest::newRow("argumentos a menos")
        << QStringList{u"consultar"_s, banco, u"fncSqlConversao"_s, u"ZEL94"_s} << 1 << QString()
        << u"fncSqlConversao recebe 3 argumento(s), foram dados 1\n"_s;
    QTest::newRow("erro do motor")
        << QStringList{u"consultar"_s, u"/nao/existe"_s, u"fncSqlGrandesGrupos"_s} << 1 << QString()
        << u"O diretório de dados não foi encontrado: /nao/existe\n"_s;
    QTest::newRow("sem comando") << QStringList{} << 1 << QString() << QString();
}

void TesteZelDados::comandos() {
    QFETCH(QStringList, argumentos);
    QFETCH(int, status);
    QFETCH(QString, saida);
    QFETCH(QString, erros);
    const Saida resultado = executar(argumentos);
    QCOMPARE(resultado.status, status);
    QCOMPARE(resultado.saida, saida);
    if (!erros.isEmpty())
        QCOMPARE(resultado.erros, erros);
}

void TesteZelDados::importarEConsultar() {
    QTemporaryDir dados;
    const Saida importacao = executar({u"importar"_s, fixtures::fonte(u"basica"_s), dados.path()});
    QCOMPARE(importacao.status, 0);
    const Saida consulta = executar({u"consultar"_s, dados.path(), u"fncSqlGrandesGrupos"_s});
    QCOMPARE(consulta.status, 0);
    QCOMPARE(consulta.saida.count(u'\n'), 5);
    const Saida falha = executar({u"importar"_s, u"/nao/existe"_s, dados.path()});
    QCOMPARE(falha.status, 1);
    QCOMPARE(falha.erros, u"/nao/existe: diretório não encontrado\n"_s);
}

QTEST_GUILESS_MAIN(TesteZelDados)
#include "tst_zel_dados.moc"
