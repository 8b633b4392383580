// `zel-dados converter`: a column of codes of a CSV converted between the
// bases, as scripts run it.

#include "fixtures.h"
#include "processo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using processo::Saida;

class TesteConverter : public QObject {
    Q_OBJECT
private slots:
    void converter_data();
    void converter();
    void resumo();
    void respostasEsquecidas();
    void linhaDeComandoErrada_data();
    void linhaDeComandoErrada();
    void linhaMalformadaNaoDeixaSaida_data();
    void linhaMalformadaNaoDeixaSaida();
    void saidaSubstituidaPorInteiro();
    void saidaQueNaoSeGrava();
    void ajuda_data();
    void ajuda();
};

namespace {

QStringList argumentos(const QString &de, const QString &para, const QStringList &outros = {}) {
    return QStringList{
               u"converter"_s, fixtures::banco(u"basica"_s), u"--de"_s, de, u"--para"_s, para} +
           outros;
}

QByteArray ler(const QString &caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

void gravar(const QString &caminho, const QByteArray &conteudo) {
    QFile arquivo(caminho);
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    QCOMPARE(arquivo.write(conteudo), conteudo.size());
}

} // namespace

void TesteConverter::converter_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QByteArray>("entrada");
    QTest::addColumn<QByteArray>("saida");

    QTest::newRow("ZEL2002 para ZEL94: família, ocupação e códigos sem conversão")
        << argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"--coluna"_s, u"codigo"_s})
        << QByteArray("id,codigo\n1,2111\n2,211102\n3,21110\n4,\n5,12a4\n6,3211\n")
        << QByteArray("id,codigo,codigo_destino,titulo_destino,correspondencias,situacao\n"
                      "1,2111,20101 | 20102 | 20190,Médico de clínica geral | Médico cirurgião | "
                      "Outros médicos,3,várias\n"
                      "2,211102,20101 | 20102,Médico de clínica geral | Médico cirurgião,2,várias\n"
                      "3,21110,,,0,sem correspondência\n"
                      "4,,,,0,código inválido\n"
                      "5,12a4,,,0,código inválido\n"
                      "6,3211,,,0,sem correspondência\n");
    QTest::newRow("ZEL94 para ZEL2002 expandida; a excluída lista sua família uma vez")
        << argumentos(u"ZEL94"_s, u"ZEL2002"_s, {u"--expandir"_s})
        << QByteArray("codigo\n30201\n20101\n 10101 \n")
        << QByteArray("codigo,codigo_destino,titulo_destino,correspondencias,situacao\n"
                      "30201,3211,Técnicos químicos,1,excluída\n"
                      "20101,211101,Médico clínico,3,várias\n"
                      "20101,211102,Médico cirurgião,3,várias\n"
                      "20101,211201,Cirurgião-dentista clínico geral,3,várias\n"
                      " 10101 ,111101,Diretor geral de empresa,1,convertido\n");
    QTest::newRow("ponto e vírgula, marca de ordem e CRLF ficam")
        << argumentos(u"CIUO88"_s, u"ZEL2002"_s, {u"--coluna"_s, u"GRUPO"_s})
        << QByteArray("\xEF\xBB\xBFnome;grupo\r\n\"Silva; Ana\";2101\r\n")
        << QByteArray("\xEF\xBB\xBFnome;grupo;codigo_destino;titulo_destino;correspondencias;"
                      "situacao\r\n\"Silva; Ana\";2101;211101 | 211102 | 211103;Médico clínico | "
                      "Médico cirurgião | Médico pediatra;3;várias\r\n");
    QTest::newRow("ocupação para CIUO88 pela família, coluna pelo número")
        << argumentos(u"ZEL2002"_s, u"CIUO88"_s, {u"--coluna"_s, u"2"_s})
        << QByteArray("obs,cod\n\"a, \"\"b\"\"\nc\",211199\ny,0111\n")
        << QByteArray("obs,cod,codigo_destino,titulo_destino,correspondencias,situacao\n"
                      "\"a, \"\"b\"\"\nc\",211199,2101,MÉDICOS,1,convertido\n"
                      "y,0111,0101,PROFESSORES DO ENSINO SUPERIOR,1,convertido\n");
    QTest::newRow("zeros completados até a largura da base")
        << argumentos(u"ZEL94"_s, u"ZEL2002"_s, {u"--completar-zeros"_s})
        << QByteArray("codigo\n101\n10101\n1x1\n")
        << QByteArray("codigo,codigo_destino,titulo_destino,correspondencias,situacao\n"
                      "101,011101,Docente catedrático,1,convertido\n"
                      "10101,111101,Diretor geral de empresa,1,convertido\n"
                      "1x1,,,0,código inválido\n");
    QTest::newRow("zeros de família e de ocupação da ZEL2002")
        << argumentos(u"ZEL2002"_s, u"CIUO88"_s, {u"--completar-zeros"_s})
        << QByteArray("codigo\n111\n11101\n")
        << QByteArray("codigo,codigo_destino,titulo_destino,correspondencias,situacao\n"
                      "111,0101,PROFESSORES DO ENSINO SUPERIOR,1,convertido\n"
                      "11101,0101,PROFESSORES DO ENSINO SUPERIOR,1,convertido\n");
    QTest::newRow("sem zeros, um código curto não converte")
        << argumentos(u"ZEL94"_s, u"ZEL2002"_s) << QByteArray("codigo\n101\n")
        << QByteArray("codigo,codigo_destino,titulo_destino,correspondencias,situacao\n"
                      "101,,,0,código inválido\n");
    QTest::newRow("linha em branco numa coluna só é um código vazio")
        << argumentos(u"CIUO88"_s, u"ZEL2002"_s) << QByteArray("codigo\n3211\n\n3101")
        << QByteArray("codigo,codigo_destino,titulo_destino,correspondencias,situacao\n"
                      "3211,321101 | 321102,Técnico químico | Técnico em análises químicas,2,"
                      "várias\n"
                      ",,,0,código inválido\n"
                      "3101,311101,Árbitro de futebol,1,convertido\n");
    QTest::newRow("linha em branco entre linhas de várias colunas")
        << argumentos(u"CIUO88"_s, u"ZEL2002"_s, {u"--coluna"_s, u"c"_s})
        << QByteArray("id,c\n1,3101\n\n2,3101\n")
        << QByteArray("id,c,codigo_destino,titulo_destino,correspondencias,situacao\n"
                      "1,3101,311101,Árbitro de futebol,1,convertido\n"
                      "2,3101,311101,Árbitro de futebol,1,convertido\n");
    QTest::newRow("separador dado")
        << argumentos(u"CIUO88"_s, u"ZEL2002"_s, {u"--separador"_s, u"|"_s, u"-"_s})
        << QByteArray("c|d\n3101|x,y\n")
        << QByteArray("c|d|codigo_destino|titulo_destino|correspondencias|situacao\n"
                      "3101|x,y|311101|Árbitro de futebol|1|convertido\n");
}

// The same rows in the same order, every column as it was, and what each
// code converts to, on standard output and in SAIDA alike.
void TesteConverter::converter() {
    QFETCH(QStringList, argumentos);
    QFETCH(QByteArray, entrada);
    QFETCH(QByteArray, saida);
    const Saida resultado = processo::executarComEntrada(argumentos, entrada);
    QVERIFY2(resultado.status == 0, qPrintable(resultado.erros));
    // (Decoding standard output drops a byte order mark.)
    QCOMPARE(resultado.saida.toUtf8(), saida.startsWith("\xEF\xBB\xBF") ? saida.mid(3) : saida);
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(u"saida.csv"_s);
    QCOMPARE(processo::executarComEntrada(argumentos + QStringList{u"--saida"_s, arquivo}, entrada)
                 .status,
             0);
    QCOMPARE(ler(arquivo), saida);
}

void TesteConverter::resumo() {
    QTemporaryDir dir;
    const QString entrada = dir.filePath(u"entrada.csv"_s);
    gravar(entrada, "codigo\n30201\n20101\n20101\n99999\nabc\n10101\n");
    const Saida resultado =
        processo::executar(argumentos(u"ZEL94"_s, u"ZEL2002"_s, {entrada, u"--expandir"_s}));
    QCOMPARE(resultado.status, 0);
    QCOMPARE(resultado.erros, u"linhas lidas: 6\n"
                              "  convertido: 1\n"
                              "  sem correspondência: 1\n"
                              "  código inválido: 1\n"
                              "  excluída: 1\n"
                              "  várias: 2\n"
                              "linhas escritas: 10\n"_s);
}

// A file of more different values than the answers kept (a column of
// identifiers) drops the answers now and then: a code seen before the drop
// gets its own rows again after it, not another's.
void TesteConverter::respostasEsquecidas() {
    QByteArray entrada = "codigo\n3101\n";
    for (int i = 0; i < 100001; ++i)
        entrada += "id" + QByteArray::number(i) + '\n';
    entrada += "3211\n3101\n";
    const Saida resultado =
        processo::executarComEntrada(argumentos(u"CIUO88"_s, u"ZEL2002"_s), entrada);
    QCOMPARE(resultado.status, 0);
    const QStringList linhas = resultado.saida.split(u'\n');
    QCOMPARE(linhas[1], u"3101,311101,Árbitro de futebol,1,convertido"_s);
    QCOMPARE(linhas[2], u"id0,,,0,código inválido"_s);
    QCOMPARE(linhas.mid(linhas.size() - 3),
             QStringList({u"3211,321101 | 321102,Técnico químico | Técnico em análises químicas,2,"
                          "várias"_s,
                          u"3101,311101,Árbitro de futebol,1,convertido"_s, QString()}));
}

void TesteConverter::linhaDeComandoErrada_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QByteArray>("entrada");
    QTest::addColumn<QString>("erro"); // the first line of standard error
    const QString banco = fixtures::banco(u"basica"_s);
    const QByteArray codigos = "id,codigo\n1,2111\n";
    QTest::newRow("sem --de") << QStringList{u"converter"_s, banco, u"--para"_s, u"ZEL94"_s}
                              << codigos << u"zel-dados converter: falta --de BASE"_s;
    QTest::newRow("par sem conversão")
        << argumentos(u"ZEL94"_s, u"CIUO88"_s) << codigos
        << u"zel-dados converter: não há conversão de ZEL94 para CIUO88; as conversões são: "
           "ZEL2002 para ZEL94, ZEL2002 para CIUO88, ZEL94 para ZEL2002, CIUO88 para ZEL2002"_s;
    QTest::newRow("base em minúsculas")
        << argumentos(u"zel2002"_s, u"ZEL94"_s) << codigos
        << u"zel-dados converter: não há conversão de zel2002 para ZEL94; as conversões são: "
           "ZEL2002 para ZEL94, ZEL2002 para CIUO88, ZEL94 para ZEL2002, CIUO88 para ZEL2002"_s;
    QTest::newRow("opção desconhecida")
        << argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"--expandido"_s}) << codigos
        << u"zel-dados converter: opção desconhecida: --expandido"_s;
    QTest::newRow("opção repetida")
        << argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"--de=ZEL94"_s}) << codigos
        << u"zel-dados converter: --de foi dado mais de uma vez"_s;
    QTest::newRow("sem DADOS_DIR") << QStringList{u"converter"_s, u"--de"_s, u"ZEL94"_s} << codigos
                                   << u"zel-dados converter: falta DADOS_DIR"_s;
    QTest::newRow("argumentos a mais")
        << argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"a.csv"_s, u"b.csv"_s}) << codigos
        << u"zel-dados converter: argumentos a mais: b.csv"_s;
    QTest::newRow("separador de dois caracteres")
        << argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"--separador"_s, u";;"_s}) << codigos
        << u"zel-dados converter: --separador deve ser um só caractere ASCII que não seja aspas "
           "nem quebra de linha, não \";;\""_s;
    QTest::newRow("coluna que não há")
        << argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"--coluna"_s, u"profissao"_s}) << codigos
        << u"coluna \"profissao\" não encontrada em entrada padrão; as colunas são \"id\", \"codigo\""_s;
    QTest::newRow("coluna 3 de 2")
        << argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"--coluna"_s, u"3"_s}) << codigos
        << u"coluna \"3\" não encontrada em entrada padrão; as colunas são \"id\", \"codigo\""_s;
    QTest::newRow("entrada que não há")
        << argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"/nao/existe.csv"_s}) << codigos
        << u"/nao/existe.csv: não foi encontrado"_s;
    QTest::newRow("entrada que é um diretório") << argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"/tmp"_s})
                                                << codigos << u"/tmp: é um diretório"_s;
    QTest::newRow("entrada vazia") << argumentos(u"ZEL2002"_s, u"ZEL94"_s) << QByteArray()
                                   << u"entrada padrão: vazia, falta a linha de cabeçalho"_s;
    QTest::newRow("banco que não há")
        << QStringList{u"converter"_s, u"/nao/existe"_s, u"--de"_s,
                       u"ZEL94"_s,     u"--para"_s,      u"ZEL2002"_s}
        << codigos << u"O diretório de dados não foi encontrado: /nao/existe"_s;
    QTest::newRow("saída num diretório que não há")
        << argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"--saida"_s, u"/nao/existe/saida.csv"_s})
        << codigos << u"/nao/existe: não foi encontrado"_s;
}

// Status 2 with a message that says what is wrong, and nothing written.
void TesteConverter::linhaDeComandoErrada() {
    QFETCH(QStringList, argumentos);
    QFETCH(QByteArray, entrada);
    QFETCH(QString, erro);
    const Saida resultado = processo::executarComEntrada(argumentos, entrada);
    QCOMPARE(resultado.status, 2);
    QCOMPARE(resultado.erros.section(u'\n', 0, 0), erro);
    QCOMPARE(resultado.saida, QString());
}

void TesteConverter::linhaMalformadaNaoDeixaSaida_data() {
    QTest::addColumn<QByteArray>("entrada");
    QTest::addColumn<QString>("erro");
    QTest::newRow("aspas abertas")
        << QByteArray("id,codigo\n1,2111\n2,\"0111\n3,2111\n")
        << u"entrada.csv, linha 3: aspas abertas até o fim do arquivo (deslocamento 19 do "
           "arquivo)"_s;
    QTest::newRow("campos a menos") << QByteArray("id,codigo\n1,2111\n2\n3,0111\n")
                                    << u"entrada.csv, linha 3: o registro tem 1 campo(s), o "
                                       "cabeçalho tem 2"_s;
    QTest::newRow("texto que não é UTF-8")
        << QByteArray("id,codigo\n1,2111\n2,M\xE9"
                      "dico\n")
        << u"entrada.csv, linha 3: o byte 0xE9 não forma texto UTF-8 válido (deslocamento 20 "
           "do arquivo)"_s;
}

// A malformed line stops the run with its line number and status 1, and
// SAIDA is neither written nor left behind in part; an older SAIDA stays.
void TesteConverter::linhaMalformadaNaoDeixaSaida() {
    QFETCH(QByteArray, entrada);
    QFETCH(QString, erro);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    gravar(u"entrada.csv"_s, entrada);
    gravar(u"antiga.csv"_s, "anterior\n");
    for (const QString &saida : {u"nova.csv"_s, u"antiga.csv"_s}) {
        const Saida resultado = processo::executar(
            argumentos(u"ZEL2002"_s, u"ZEL94"_s, {u"entrada.csv"_s, u"--saida"_s, saida}));
        QCOMPARE(resultado.status, 1);
        QCOMPARE(resultado.erros, erro + u"\n"_s);
    }
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden),
             QStringList({u"antiga.csv"_s, u"entrada.csv"_s}));
    QCOMPARE(ler(u"antiga.csv"_s), QByteArray("anterior\n"));
}

void TesteConverter::saidaSubstituidaPorInteiro() {
    QTemporaryDir dir;
    const QString entrada = dir.filePath(u"codigos.csv"_s);
    gravar(entrada, "codigo\n3101\n");
    // The input may be the output: it is read whole before it is replaced.
    const Saida resultado =
        processo::executar(argumentos(u"CIUO88"_s, u"ZEL2002"_s, {entrada, u"--saida"_s, entrada}));
    QCOMPARE(resultado.status, 0);
    QCOMPARE(ler(entrada), QByteArray("codigo,codigo_destino,titulo_destino,correspondencias,"
                                      "situacao\n3101,311101,Árbitro de futebol,1,convertido\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"codigos.csv"_s});
}

// A disk that fills up, or a directory where no file may be created, is a
// failure of the output (status 1), not a success, and leaves nothing.
void TesteConverter::saidaQueNaoSeGrava() {
    QProcess processo;
    processo.setStandardOutputFile(u"/dev/full"_s);
    processo::iniciar(processo, argumentos(u"CIUO88"_s, u"ZEL2002"_s));
    processo.write("codigo\n3101\n");
    processo.closeWriteChannel();
    const Saida resultado = processo::terminar(processo);
    QCOMPARE(resultado.status, 1);
    QCOMPARE(resultado.erros, u"saída padrão: disco cheio\n"_s);

    // The kernel's own directory of devices takes no new file, even from root;
    // where it is not mounted (a bare chroot), /sys is an ordinary directory.
    if (QFileInfo(u"/sys/kernel"_s).isDir()) {
        const Saida semPermissao = processo::executarComEntrada(
            argumentos(u"CIUO88"_s, u"ZEL2002"_s, {u"--saida"_s, u"/sys/saida.csv"_s}),
            "codigo\n3101\n");
        QCOMPARE(semPermissao.status, 1);
        QCOMPARE(semPermissao.erros, u"/sys: sem permissão\n"_s);
    }

    QTemporaryDir raiz;
    const QString disco = raiz.filePath(u"disco"_s);
    QVERIFY(QDir().mkpath(disco));
    processo::DiscoPequeno pequeno(disco, 64);
    if (!pequeno.montado())
        QSKIP("este processo não pode montar um sistema de arquivos");
    QByteArray muitas = "codigo\n";
    for (int i = 0; i < 20000; ++i)
        muitas += "3101\n";
    const QString saida = disco + u"/saida.csv"_s;
    const Saida cheio = processo::executarComEntrada(
        argumentos(u"CIUO88"_s, u"ZEL2002"_s, {u"--saida"_s, saida}), muitas);
    QCOMPARE(cheio.status, 1);
    QCOMPARE(cheio.erros, saida + u": disco cheio\n"_s);
    QCOMPARE(QDir(disco).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TesteConverter::ajuda_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("trecho");
    QTest::newRow("geral") << QStringList{u"--help"_s} << u"  zel-dados codificar DADOS_DIR"_s;
    QTest::newRow("converter") << QStringList{u"converter"_s, u"--help"_s} << u"codigo_destino"_s;
    QTest::newRow("com outros argumentos")
        << QStringList{u"converter"_s, u"/nao/existe"_s, u"-h"_s} << u"--completar-zeros"_s;
    QTest::newRow("codificar") << QStringList{u"codificar"_s, u"--help"_s} << u"ambíguo"_s;
    QTest::newRow("importar") << QStringList{u"importar"_s, u"--help"_s} << u"CSV_DIR"_s;
    QTest::newRow("consultar") << QStringList{u"consultar"_s, u"--help"_s} << u"--busca"_s;
    QTest::newRow("gerar") << QStringList{u"gerar"_s, u"--help"_s} << u"--escala"_s;
}

void TesteConverter::ajuda() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, trecho);
    const Saida resultado = processo::executar(argumentos);
    QCOMPARE(resultado.status, 0);
    QVERIFY2(resultado.saida.contains(trecho), qPrintable(resultado.saida));
    QCOMPARE(resultado.erros, QString());
}

QTEST_GUILESS_MAIN(TesteConverter)
#include "tst_converter.moc"
