// `zel-dados codificar`: a column of job titles written freely, coded as
// scripts run it (the CSV handling is the converter's, tested there).

#include "csv.h"
#include "fixtures.h"
#include "processo.h"

#include <QTest>

using namespace Qt::StringLiterals;
using processo::Saida;

class TesteCodificar : public QObject {
    Q_OBJECT
private slots:
    void colunas();
    void candidatos_data();
    void candidatos();
    void linhaDeComandoErrada_data();
    void linhaDeComandoErrada();
};

namespace {

QStringList argumentos(const QStringList &outros = {}) {
    return QStringList{u"codificar"_s, fixtures::banco(u"basica"_s)} + outros;
}

QList<QStringList> linhas(const QString &saida, char separador = ',') {
    LeitorCsv leitor(saida.toUtf8());
    leitor.definirSeparador(separador);
    QList<QStringList> todas;
    while (const std::optional<QStringList> linha = leitor.proximo())
        todas << *linha;
    return todas;
}

} // namespace

// The columns added, filled for an exact match of a synonym, for an altered
// title, and left empty (but the candidates) when nothing is found.
void TesteCodificar::colunas() {
    const Saida resultado = processo::executarComEntrada(
        argumentos({u"--coluna"_s, u"resposta"_s}),
        "id;resposta\n1;PEDIATRA\n2;medicas pediatras\n3;astronauta\n4;\n");
    QCOMPARE(resultado.status, 0);
    const QList<QStringList> l = linhas(resultado.saida, ';');
    QCOMPARE(l.size(), 5);
    QCOMPARE(l[0], QStringList({"id", "resposta", "codigo", "titulo", "familia", "titulo_familia",
                                "forma", "pontuacao", "candidatos", "situacao"}));
    QCOMPARE(l[1], QStringList({"1", "PEDIATRA", "211103", "Médico pediatra", "2111", "Médicos",
                                "sinônimo", "1.00", "211103 (1.00)", "exato"}));
    QCOMPARE(l[2].mid(0, 7), QStringList({"2", "medicas pediatras", "211103", "Médico pediatra",
                                          "2111", "Médicos", "título"}));
    QCOMPARE(l[2][9], u"aproximado"_s);
    QVERIFY2(l[2][7] > u"0.55"_s && l[2][7] < u"1"_s, qPrintable(l[2][7]));
    QVERIFY(l[2][8].startsWith(u"211103 ("_s + l[2][7] + u")"_s));
    for (const int i : {3, 4}) {
        QCOMPARE(l[i].mid(2, 6), QStringList(6));
        QCOMPARE(l[i][9], u"não encontrado"_s);
    }
    QCOMPARE(resultado.erros, u"linhas lidas: 4\n"
                              "  exato: 1\n"
                              "  aproximado: 1\n"
                              "  ambíguo: 0\n"
                              "  não encontrado: 2\n"_s);
}

void TesteCodificar::candidatos_data() {
    QTest::addColumn<QStringList>("opcoes");
    QTest::addColumn<int>("quantos");
    QTest::newRow("três, sem dizer") << QStringList{} << 3;
    QTest::newRow("um") << QStringList{u"--candidatos"_s, u"1"_s} << 1;
    QTest::newRow("cinco, mas só três têm a palavra") << QStringList{u"--candidatos=5"_s} << 3;
}

// A text that several titles share a word with lists as many candidates as
// asked, best first.
void TesteCodificar::candidatos() {
    QFETCH(QStringList, opcoes);
    QFETCH(int, quantos);
    const Saida resultado = processo::executarComEntrada(argumentos(opcoes), "texto\nmédico\n");
    QCOMPARE(resultado.status, 0);
    const QStringList candidatos = linhas(resultado.saida)[1][7].split(u" | "_s);
    QCOMPARE(candidatos.size(), quantos);
    QVERIFY(std::is_sorted(candidatos.begin(), candidatos.end(),
                           [](const QString &a, const QString &b) {
                               return a.section(u'(', 1) > b.section(u'(', 1);
                           }));
}

void TesteCodificar::linhaDeComandoErrada_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("erro"); // the first line of standard error
    QTest::newRow("zero candidatos") << argumentos({u"--candidatos"_s, u"0"_s})
                                     << u"zel-dados codificar: --candidatos deve ser um número de "
                                        "1 a 100, não \"0\""_s;
    QTest::newRow("candidatos por extenso")
        << argumentos({u"--candidatos"_s, u"três"_s})
        << u"zel-dados codificar: --candidatos deve ser um número de 1 a 100, não \"três\""_s;
    QTest::newRow("opção do converter") << argumentos({u"--expandir"_s})
                                        << u"zel-dados codificar: opção desconhecida: --expandir"_s;
    QTest::newRow("banco que não há") << QStringList{u"codificar"_s, u"/nao/existe"_s}
                                      << u"O diretório de dados não foi encontrado: /nao/existe"_s;
}

void TesteCodificar::linhaDeComandoErrada() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, erro);
    const Saida resultado = processo::executarComEntrada(argumentos, "texto\nmédico\n");
    QCOMPARE(resultado.status, 2);
    QCOMPARE(resultado.erros.section(u'\n', 0, 0), erro);
    QCOMPARE(resultado.saida, QString());
}

QTEST_GUILESS_MAIN(TesteCodificar)
#include "tst_codificar.moc"
