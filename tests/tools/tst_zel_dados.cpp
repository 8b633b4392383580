// The data tool's command line, as scripts and maintainers use it.

#include "fixtures.h"
#include "processo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

class TesteZelDados : public QObject {
    Q_OBJECT
private slots:
    void comandos_data();
    void comandos();
    void importarEConsultar();
    void saidaQueNaoSeGrava();
    void semPermissao_data();
    void semPermissao();
    void gerarSubstituiOsArquivosDeUmaVez();
    void gerarQueNaoCabe_data();
    void gerarQueNaoCabe();
    void gerarNaoApagaOutrosArquivos();
};

using processo::executar;
using processo::Saida;

namespace {

// Every file of `diretorio` with a digest of its content, and nothing when it
// does not exist.
QMap<QString, QByteArray> conteudo(const QString &diretorio) {
    QMap<QString, QByteArray> arquivos;
    for (const QString &nome : QDir(diretorio).entryList(QDir::Files | QDir::Hidden)) {
        QFile arquivo(diretorio + u"/"_s + nome);
        arquivo.open(QIODevice::ReadOnly);
        arquivos.insert(nome,
                        QCryptographicHash::hash(arquivo.readAll(), QCryptographicHash::Sha256));
    }
    return arquivos;
}

QStringList entradas(const QString &diretorio) {
    return QDir(diretorio).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
        << u"fncSqlConversao recebe 3 argumento(s) (de, para, codigo), foram dados 1\n"_s;
    const auto consultar = [&](const QStringList &argumentos) {
        return QStringList{u"consultar"_s, banco} + argumentos;
    };
    QTest::newRow("flag 2")
        << consultar({u"fncSqlBuscaTitulo"_s, u"1"_s, u"0"_s, u"2"_s, u"0"_s, u"0"_s, u"0"_s,
                      u"--busca"_s, u"%a%"_s})
        << 1 << QString()
        << u"fncSqlBuscaTitulo: o argumento 3 (sinonimos) deve ser 0 ou 1, não \"2\"\n"_s;
    QTest::newRow("flag por extenso")
        << consultar({u"fncSqlBuscaTitulo"_s, u"sim"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s,
                      u"--busca"_s, u"%a%"_s})
        << 1 << QString()
        << u"fncSqlBuscaTitulo: o argumento 1 (familias) deve ser 0 ou 1, não \"sim\"\n"_s;
    QTest::newRow("nenhuma fonte")
        << consultar({u"fncSqlBuscaTitulo"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s,
                      u"--busca"_s, u"%a%"_s})
        << 1 << QString()
        << u"fncSqlBuscaTitulo: estes argumentos não formam comando algum (0 0 0 0 0 0)\n"_s;
    QTest::newRow("base desconhecida")
        << consultar({u"fncSqlConversao"_s, u"zel94"_s, u"ZEL2002"_s, u"00101"_s, u"--busca"_s,
                      u"00101"_s})
        << 1 << QString()
        << u"fncSqlConversao: o argumento 1 (de) deve ser ZEL2002, ZEL94 ou CIUO88, não \"zel94\"\n"_s;
    QTest::newRow("base de origem desconhecida")
        << consultar({u"fncSqlTabuaOrigem"_s, u"2111"_s, u"CBO"_s}) << 1 << QString()
        << u"fncSqlTabuaOrigem: o argumento 2 (base) deve ser ZEL2002, ZEL94 ou CIUO88, não \"CBO\"\n"_s;
    QTest::newRow("par sem conversão")
        << consultar({u"fncSqlConversao"_s, u"ZEL94"_s, u"CIUO88"_s, u"00101"_s}) << 1 << QString()
        << u"fncSqlConversao: estes argumentos não formam comando algum (ZEL94 CIUO88 00101)\n"_s;
    QTest::newRow("falta --busca")
        << consultar({u"fncSqlBuscaRapida"_s}) << 1 << QString()
        << u"fncSqlBuscaRapida: este comando tem o parâmetro busca; falta --busca TEXTO\n"_s;
    QTest::newRow("--busca sem parâmetro")
        << consultar({u"fncSqlGrandesGrupos"_s, u"--busca"_s, u"x"_s}) << 1 << QString()
        << u"fncSqlGrandesGrupos: este comando não tem o parâmetro busca; retire --busca\n"_s;
    QTest::newRow("--busca numa conversão de ocupação")
        << consultar({u"fncSqlConversao"_s, u"ZEL2002"_s, u"ZEL94"_s, u"211101"_s, u"--busca"_s,
                      u"2111"_s})
        << 1 << QString()
        << u"fncSqlConversao: este comando não tem o parâmetro busca; retire --busca\n"_s;
    QTest::newRow("conversão de ocupação sem --busca")
        << consultar({u"fncSqlConversao"_s, u"ZEL2002"_s, u"ZEL94"_s, u"211101"_s}) << 0
        << u"codigo\tnome\n20101\tMédico de clínica geral\n20190\tOutros médicos\n"_s << QString();
    QTest::newRow("--busca duas vezes")
        << consultar({u"fncSqlBuscaRapida"_s, u"--busca"_s, u"a"_s, u"--busca"_s, u"b"_s}) << 1
        << QString() << u"--busca foi dado mais de uma vez\n"_s;
    const QString arquivo = fixtures::fonte(u"basica"_s) + u"/TFamilia.csv"_s;
    QTest::newRow("caminho por um arquivo")
        << QStringList{u"consultar"_s, arquivo + u"/dados"_s, u"fncSqlGrandesGrupos"_s} << 1
        << QString()
        << u"O caminho do diretório de dados passa por um arquivo: "_s + arquivo + u"/dados\n"_s;
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
    QCOMPARE(falha.erros, u"/nao/existe: não foi encontrado\n"_s);
}

// A result that cannot be written (a full disk) is an error, not a success.
void TesteZelDados::saidaQueNaoSeGrava() {
    QProcess processo;
    processo.setStandardOutputFile(u"/dev/full"_s);
    processo::iniciar(processo, {u"consultar"_s, fixtures::banco(u"basica"_s),
                                 u"fncSqlBuscaRapida"_s, u"--busca"_s, u"%a%"_s});
    const Saida resultado = processo::terminar(processo);
    QCOMPARE(resultado.status, 1);
    QCOMPARE(resultado.erros, u"saída padrão: disco cheio\n"_s);
}

void TesteZelDados::semPermissao_data() {
    QTest::addColumn<bool>("fecharDiretorio"); // or else the database file
    QTest::newRow("diretório") << true;
    QTest::newRow("banco") << false;
}

// What the user may not read is told apart from what is not there.
void TesteZelDados::semPermissao() {
    QFETCH(bool, fecharDiretorio);
    QTemporaryDir raiz;
    const QString dados = raiz.path() + u"/dados"_s;
    QVERIFY(QDir().mkpath(dados));
    QVERIFY(QFile::copy(fixtures::banco(u"basica"_s) + u"/zel2002.db"_s, dados + u"/zel2002.db"_s));
    const auto todos =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(raiz.path(), todos));
    QVERIFY(QFile::setPermissions(fecharDiretorio ? dados : dados + u"/zel2002.db"_s, {}));
    const Saida resultado =
        executar({u"consultar"_s, dados, u"fncSqlGrandesGrupos"_s}, processo::semPrivilegios);
    QFile::setPermissions(dados, todos);
    QCOMPARE(resultado.status, 1);
    QCOMPARE(resultado.erros,
             fecharDiretorio
                 ? u"Sem permissão para abrir o diretório de dados: "_s + dados + u"\n"_s
                 : u"Sem permissão para ler o banco de dados: "_s + dados +
                       u"/zel2002.db\n(unable to open database file)\n"_s);
}

// A new generation takes the place of the old one whole, and nothing is left
// beside it.
void TesteZelDados::gerarSubstituiOsArquivosDeUmaVez() {
    QTemporaryDir raiz;
    const QString csv = raiz.path() + u"/csv"_s;
    QCOMPARE(executar({u"gerar"_s, csv}).status, 0);
    const QMap<QString, QByteArray> escala1 = conteudo(csv);
    QCOMPARE(escala1.size(), 11);
    QCOMPARE(executar({u"gerar"_s, csv, u"--escala"_s, u"2"_s}).status, 0);
    const QMap<QString, QByteArray> escala2 = conteudo(csv);
    QCOMPARE(escala2.keys(), escala1.keys());
    QVERIFY(escala2 != escala1);
    QCOMPARE(executar({u"gerar"_s, csv + u"/"_s}).status, 0);
    QCOMPARE(conteudo(csv), escala1);
    // The same escala writes the same bytes, in another process too.
    QCOMPARE(executar({u"gerar"_s, csv, u"--escala"_s, u"2"_s}).status, 0);
    QCOMPARE(conteudo(csv), escala2);
    QCOMPARE(entradas(raiz.path()), QStringList{u"csv"_s});
}

enum class Falta {
    Disco, // a disk that fills up
    Limite // a limit on the size of the files the process writes
};
Q_DECLARE_METATYPE(Falta)

void TesteZelDados::gerarQueNaoCabe_data() {
    QTest::addColumn<Falta>("falta");
    QTest::addColumn<bool>("anterior"); // a previous generation is there
    QTest::addColumn<QString>("motivo");
    QTest::newRow("disco cheio") << Falta::Disco << false << "disco cheio";
    QTest::newRow("disco cheio, com a geração anterior") << Falta::Disco << true << "disco cheio";
    QTest::newRow("limite do tamanho dos arquivos")
        << Falta::Limite << true << "arquivo maior que o limite permitido";
}

// A set that does not fit: status 1, the file named, and the previous set (or
// none) left, never a part of one.
void TesteZelDados::gerarQueNaoCabe() {
    QFETCH(Falta, falta);
    QFETCH(bool, anterior);
    QFETCH(QString, motivo);
    QTemporaryDir raiz;
    const QString disco = raiz.path() + u"/disco"_s;
    QVERIFY(QDir().mkpath(disco));
    std::optional<processo::DiscoPequeno> pequeno;
    if (falta == Falta::Disco) {
        // Room for one set of escala 1, not for one of escala 3 beside it.
        pequeno.emplace(disco, 3000);
        if (!pequeno->montado())
            QSKIP("este processo não pode montar um sistema de arquivos");
    }
    const QString csv = disco + u"/csv"_s;
    if (anterior)
        QCOMPARE(executar({u"gerar"_s, csv}).status, 0);
    const QMap<QString, QByteArray> antes = conteudo(csv);
    const Saida geracao = executar({u"gerar"_s, csv, u"--escala"_s, u"3"_s}, [falta] {
        if (falta != Falta::Limite)
            return;
        const rlimit limite{500000, 500000};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        ::signal(SIGXFSZ, SIG_IGN);
    });
    QCOMPARE(geracao.status, 1);
    QVERIFY2(geracao.erros.startsWith(csv + u"/T"_s) &&
                 geracao.erros.endsWith(u".csv: "_s + motivo + u"\n"_s),
             qPrintable(geracao.erros));
    QCOMPARE(conteudo(csv), antes);
    QCOMPARE(entradas(disco), anterior ? QStringList{u"csv"_s} : QStringList());
}

// gerar replaces a directory of tables; one that holds anything else is left
// alone.
void TesteZelDados::gerarNaoApagaOutrosArquivos() {
    QTemporaryDir raiz;
    const QString csv = raiz.path() + u"/csv"_s;
    QCOMPARE(executar({u"gerar"_s, csv}).status, 0);
    QFile outro(csv + u"/notas.txt"_s);
    QVERIFY(outro.open(QIODevice::WriteOnly));
    outro.close();
    const QMap<QString, QByteArray> antes = conteudo(csv);
    const Saida geracao = executar({u"gerar"_s, csv, u"--escala"_s, u"2"_s});
    QCOMPARE(geracao.status, 1);
    QCOMPARE(geracao.erros, csv + u": o diretório tem outros arquivos além das tabelas "_s
                                  u"(notas.txt); gerar só substitui um diretório de tabelas\n"_s);
    QCOMPARE(conteudo(csv), antes);
    QCOMPARE(entradas(raiz.path()), QStringList{u"csv"_s});
}

QTEST_GUILESS_MAIN(TesteZelDados)
#include "tst_zel_dados.moc"
