// The data tool's command line, as scripts and maintainers use it.

#include "fixtures.h"
#include "processo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
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
    void argumentosForaDeUtf8_data();
    void argumentosForaDeUtf8();
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
        processo::executarSemPrivilegios({u"consultar"_s, dados, u"fncSqlGrandesGrupos"_s});
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

namespace {

// Every entry under `raiz` by its path's bytes (names in any encoding), with
// a digest of each file's content.
QMap<QByteArray, QByteArray> arvore(const QByteArray &raiz) {
    namespace fs = std::filesystem;
    QMap<QByteArray, QByteArray> entradas;
    for (const fs::directory_entry &entrada :
         fs::recursive_directory_iterator(fs::path(raiz.toStdString()))) {
        const std::string caminho = entrada.path().lexically_relative(raiz.toStdString()).native();
        QByteArray valor = "diretório";
        if (entrada.is_regular_file()) {
            std::ifstream arquivo(entrada.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(arquivo), {}};
            valor = QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())),
                                             QCryptographicHash::Sha256);
        }
        entradas.insert(QByteArray::fromStdString(caminho), valor);
    }
    return entradas;
}

// Latin-1 bytes, as names copied from old systems have them.
QByteArray latin1(const QString &texto) {
    return texto.toLatin1();
}

} // namespace

void TesteZelDados::argumentosForaDeUtf8_data() {
    QTest::addColumn<QByteArrayList>("argumentos"); // run in a directory made for the row
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("recusado");  // as the message shows it; empty when accepted
    QTest::addColumn<QStringList>("novos"); // the entries the run adds to the directory
    const QByteArray banco = QFile::encodeName(fixtures::banco(u"basica"_s));
    const QByteArray fonte = QFile::encodeName(fixtures::fonte(u"basica"_s));
    const QByteArrayList converter{"converter", banco, "--de", "ZEL2002", "--para", "ZEL94"};

    QTest::newRow("entrada") << converter + QByteArrayList{latin1(u"ocupações.csv"_s)} << 2
                             << u"ocupa\\xE7\\xF5es.csv"_s << QStringList();
    QTest::newRow("saída") << converter +
                                  QByteArrayList{"entrada.csv", "--saida", latin1(u"saída.csv"_s)}
                           << 2 << u"sa\\xEDda.csv"_s << QStringList();
    QTest::newRow("saída de codificar")
        << QByteArrayList{"codificar", banco, "entrada.csv", "--saida=" + latin1(u"títulos.csv"_s)}
        << 2 << u"--saida=t\\xEDtulos.csv"_s << QStringList();
    QTest::newRow("diretório de CSV a importar")
        << QByteArrayList{"importar", latin1(u"exportação"_s), "dados"} << 1
        << u"exporta\\xE7\\xE3o"_s << QStringList();
    QTest::newRow("diretório de dados que existe")
        << QByteArrayList{"importar", fonte, latin1(u"dados-são"_s)} << 1 << u"dados-s\\xE3o"_s
        << QStringList();
    QTest::newRow("gerar") << QByteArrayList{"gerar", latin1(u"amostra-série"_s)} << 1
                           << u"amostra-s\\xE9rie"_s << QStringList();
    QTest::newRow("texto de busca")
        << QByteArrayList{"consultar", banco, "fncSqlBuscaRapida", "--busca", latin1(u"%médico%"_s)}
        << 1 << u"%m\\xE9dico%"_s << QStringList();
    // A backslash of the name is told apart from an invalid byte; a lead byte
    // whose sequence is cut short is one invalid byte, and the text after it
    // is shown.
    QTest::newRow("barra invertida e sequência incompleta")
        << QByteArrayList{"gerar", QByteArray("c\\sv\xE2\x82-\xE2\x82\xAC")} << 1
        << u"c\\\\sv\\xE2\\x82-€"_s << QStringList();
    QTest::newRow("forma sobrelonga") << QByteArrayList{"gerar", QByteArray("csv\xC0\xAF")} << 1
                                      << u"csv\\xC0\\xAF"_s << QStringList();

    // Names in UTF-8 with accents, blanks, '#' and '%' all reach the files.
    QTest::newRow("nomes em UTF-8")
        << converter + QByteArrayList{u"ocupações válidas.csv"_s.toUtf8(), "--saida",
                                      u"saída #1 100%.csv"_s.toUtf8()}
        << 0 << QString() << QStringList{u"saída #1 100%.csv"_s};
    QTest::newRow("importar em UTF-8") << QByteArrayList{"importar", fonte, u"dados-são"_s.toUtf8()}
                                       << 0 << QString() << QStringList{u"dados-são"_s};
    QTest::newRow("gerar em UTF-8") << QByteArrayList{"gerar", u"amostra série #2"_s.toUtf8()} << 0
                                    << QString() << QStringList{u"amostra série #2"_s};
}

// Qt would read an argument that is not valid UTF-8 as another name (U+FFFD
// for its bytes): an input not found, an output or a database written beside
// the named one. It is refused with the argument shown, before anything is
// read or written.
void TesteZelDados::argumentosForaDeUtf8() {
    QFETCH(QByteArrayList, argumentos);
    QFETCH(int, status);
    QFETCH(QString, recusado);
    QFETCH(QStringList, novos);
    namespace fs = std::filesystem;
    QTemporaryDir raiz;
    const fs::path dir(QFile::encodeName(raiz.path()).toStdString());
    // QTemporaryDir cannot reach the Latin-1 names either.
    const auto limpar = qScopeGuard([&dir] {
        std::error_code erro;
        fs::remove_all(dir, erro);
    });
    const auto escrever = [](const fs::path &caminho) {
        std::ofstream(caminho, std::ios::binary) << "codigo\n0111\n";
    };
    escrever(dir / "entrada.csv");
    escrever(dir / latin1(u"ocupações.csv"_s).toStdString());
    escrever(dir / u"ocupações válidas.csv"_s.toStdString());
    // A directory of CSV files and a data directory with its database, both
    // under Latin-1 names.
    const fs::path exportacao = dir / latin1(u"exportação"_s).toStdString();
    fs::copy(QFile::encodeName(fixtures::fonte(u"basica"_s)).toStdString(), exportacao);
    const fs::path dados = dir / latin1(u"dados-são"_s).toStdString();
    fs::create_directory(dados);
    fs::copy_file(QFile::encodeName(fixtures::banco(u"basica"_s)).toStdString() + "/zel2002.db",
                  dados / "zel2002.db");
    const QByteArray caminho = QFile::encodeName(raiz.path());
    const QMap<QByteArray, QByteArray> antes = arvore(caminho);

    const Saida resultado = processo::executarBytes(argumentos, raiz.path());
    QCOMPARE(resultado.status, status);
    if (!recusado.isEmpty()) {
        QCOMPARE(resultado.saida, QString());
        QCOMPARE(resultado.erros,
                 u"zel-dados: o argumento \""_s + recusado +
                     u"\" não é UTF-8 válido (os bytes inválidos aparecem como \\xHH)\n"_s
                     u"Nada foi feito: zel-dados só abre e cria arquivos e diretórios com nomes "_s
                     u"em UTF-8;\nrenomeie o arquivo ou diretório (por exemplo: convmv -f latin1 "_s
                     u"-t utf8 --notest NOME)\ne dê em UTF-8 os textos das opções, como o de "_s
                     u"--busca.\n"_s);
    }
    QMap<QByteArray, QByteArray> depois = arvore(caminho);
    for (const QString &novo : novos) {
        const QByteArray nome = novo.toUtf8();
        QVERIFY2(depois.contains(nome), nome.constData());
        depois.removeIf([&nome](const auto &entrada) {
            return entrada.key() == nome || entrada.key().startsWith(nome + '/');
        });
    }
    QCOMPARE(depois, antes);
}

QTEST_GUILESS_MAIN(TesteZelDados)
#include "tst_zel_dados.moc"
