// The CSV reader read from a source in blocks, with another separator, and
// the writer that the data tool's commands share with it.

#include "csv.h"

#include <QTest>
#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// A source that gives `bytes` `bloco` bytes at a time, then fails with
// `falha` (errno) instead of ending, when it is not 0.
LeitorCsv::Fonte fonte(const QByteArray &bytes, qsizetype bloco, int falha = 0) {
    auto posicao = std::make_shared<qsizetype>(0);
    return [bytes, bloco, falha, posicao](char *destino, qsizetype maximo) -> qsizetype {
        const qsizetype n = std::min({bloco, maximo, bytes.size() - *posicao});
        if (n == 0 && falha != 0) {
            errno = falha;
            return -1;
        }
        std::memcpy(destino, bytes.constData() + *posicao, size_t(n));
        *posicao += n;
        return n;
    };
}

QList<QStringList> registros(LeitorCsv &leitor) {
    QList<QStringList> todos;
    while (const std::optional<QStringList> registro = leitor.proximo())
        todos << *registro;
    return todos;
}

} // namespace

class TesteCsv : public QObject {
    Q_OBJECT
private slots:
    void separadorDoCabecalho_data();
    void separadorDoCabecalho();
    void pontoEVirgula();
    void marcaDeOrdemEFimDeLinha_data();
    void marcaDeOrdemEFimDeLinha();
    void erroLongeDoComecoDizOByteDoTexto();
    void fonteQueFalha();
    void escritaEReleitura_data();
    void escritaEReleitura();
};

void TesteCsv::separadorDoCabecalho_data() {
    QTest::addColumn<QByteArray>("texto");
    QTest::addColumn<char>("separador");
    QTest::newRow("vírgulas") << QByteArray("codigo,nome,idade\n1;2,3\n") << ',';
    QTest::newRow("pontos e vírgulas") << QByteArray("codigo;nome;idade\n1,2;3\n") << ';';
    QTest::newRow("uma coluna") << QByteArray("codigo\n0111\n") << ',';
    QTest::newRow("entre aspas não conta") << QByteArray("\"a;b;c\",d\n1,2\n") << ',';
    QTest::newRow("vírgula entre aspas não conta") << QByteArray("\"a,b,c\";d;e\n1;2;3\n") << ';';
    QTest::newRow("quebra de linha entre aspas") << QByteArray("\"a\n,,,\";b;c\n") << ';';
    QTest::newRow("com marca de ordem") << QByteArray("\xEF\xBB\xBF"
                                                      "a;b\n")
                                        << ';';
    QTest::newRow("empate fica com a vírgula") << QByteArray("a,b;c\n") << ',';
    QTest::newRow("texto vazio") << QByteArray() << ',';
}

// The first line decides, whatever the blocks it comes in, and it is still
// read as the first record afterwards.
void TesteCsv::separadorDoCabecalho() {
    QFETCH(QByteArray, texto);
    QFETCH(char, separador);
    for (const qsizetype bloco : {qsizetype(1), qsizetype(4096)}) {
        LeitorCsv leitor(fonte(texto, bloco));
        QCOMPARE(leitor.separadorDoCabecalho(), separador);
        LeitorCsv inteiro(texto);
        inteiro.separadorDoCabecalho();
        QCOMPARE(registros(leitor), registros(inteiro));
    }
}

void TesteCsv::pontoEVirgula() {
    LeitorCsv leitor(QByteArray("codigo;nome\n\"01;1\";\"Silva, \"\"Zé\"\"\"\n0,5;x\n"));
    leitor.definirSeparador(';');
    const QList<QStringList> esperados = {
        {"codigo", "nome"}, {"01;1", "Silva, \"Zé\""}, {"0,5", "x"}};
    QCOMPARE(registros(leitor), esperados);
    QVERIFY(leitor.erro().isEmpty());
}

void TesteCsv::marcaDeOrdemEFimDeLinha_data() {
    QTest::addColumn<QByteArray>("texto");
    QTest::addColumn<bool>("marca");
    QTest::addColumn<bool>("crlf");
    QTest::newRow("LF") << QByteArray("a,b\n1,2\n") << false << false;
    QTest::newRow("CRLF com marca") << QByteArray("\xEF\xBB\xBF"
                                                  "a,b\r\n1,2\r\n")
                                    << true << true;
    QTest::newRow("sem fim na última linha") << QByteArray("a,b\r\n1,2") << false << true;
}

void TesteCsv::marcaDeOrdemEFimDeLinha() {
    QFETCH(QByteArray, texto);
    QFETCH(bool, marca);
    QFETCH(bool, crlf);
    LeitorCsv leitor(fonte(texto, 2));
    QCOMPARE(leitor.proximo(), QStringList({"a", "b"}));
    QCOMPARE(leitor.comMarcaDeOrdem(), marca);
    QCOMPARE(leitor.terminouComCrlf(), crlf);
    QCOMPARE(leitor.proximo(), QStringList({"1", "2"}));
    QCOMPARE(leitor.proximo(), std::nullopt);
    QCOMPARE(leitor.bytesLidos(), texto.size());
}

// Blocks are dropped once read: an error far into the text still names the
// byte of the whole text and its line.
void TesteCsv::erroLongeDoComecoDizOByteDoTexto() {
    QByteArray texto = "codigo,nome\n";
    for (int i = 0; i < 20000; ++i)
        texto += "0111,Médico\n";
    const qsizetype byte = texto.size() + 6;
    texto += "0112,M\xE9"
             "dico\n";
    LeitorCsv leitor(fonte(texto, 1 << 16));
    QCOMPARE(registros(leitor).size(), 20001);
    QCOMPARE(leitor.erro(), u"o byte 0xE9 não forma texto UTF-8 válido"_s);
    QCOMPARE(leitor.byteErro(), byte);
    QCOMPARE(leitor.linhaErro(), 20002);
    QCOMPARE(leitor.campoErro(), 1);
}

// A source that fails (a disk that cannot be read) stops the reading with an
// error, never as if the text had ended there.
void TesteCsv::fonteQueFalha() {
    LeitorCsv leitor(fonte("codigo\n0111\n01", 3, EIO));
    QCOMPARE(leitor.proximo(), QStringList{"codigo"});
    QCOMPARE(leitor.proximo(), QStringList{"0111"});
    QCOMPARE(leitor.proximo(), std::nullopt);
    QCOMPARE(leitor.erro(), u"a leitura falhou"_s);
    QCOMPARE(leitor.errnoLeitura(), EIO);
    QCOMPARE(leitor.linhaErro(), 3);
}

void TesteCsv::escritaEReleitura_data() {
    QTest::addColumn<char>("separador");
    QTest::addColumn<QStringList>("campos");
    QTest::addColumn<QByteArray>("linha");
    QTest::newRow("simples") << ',' << QStringList{"0111", "Médico", ""}
                             << QByteArray("0111,Médico,\n");
    QTest::newRow("vírgula entre aspas")
        << ',' << QStringList{"a,b", "c;d"} << QByteArray("\"a,b\",c;d\n");
    QTest::newRow("ponto e vírgula entre aspas")
        << ';' << QStringList{"a,b", "c;d"} << QByteArray("a,b;\"c;d\"\n");
    QTest::newRow("aspas dobradas")
        << ',' << QStringList{"o \"x\""} << QByteArray("\"o \"\"x\"\"\"\n");
    QTest::newRow("quebra de linha")
        << ';' << QStringList{"a\r\nb", " c "} << QByteArray("\"a\r\nb\"; c \n");
}

void TesteCsv::escritaEReleitura() {
    QFETCH(char, separador);
    QFETCH(QStringList, campos);
    QFETCH(QByteArray, linha);
    QByteArray escrito;
    csv::acrescentarLinha(escrito, campos, separador);
    QCOMPARE(escrito, linha);
    LeitorCsv leitor(escrito);
    leitor.definirSeparador(separador);
    QCOMPARE(leitor.proximo(), campos);
}

QTEST_GUILESS_MAIN(TesteCsv)
#include "tst_csv.moc"
