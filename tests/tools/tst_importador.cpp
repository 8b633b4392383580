// The CSV importer: what it accepts, and that a refused import names file,
// line and column and leaves the previous database as it was.

#include "consulta.h"
#include "fixtures.h"
#include "importador.h"
#include "unit_global.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TesteImportador : public QObject {
    Q_OBJECT
private slots:
    void recusas_data();
    void recusas();
    void formatosAceitos();
    void diretorioInexistente();

private:
    // A copy of the basic fixture's CSV files where `arquivo` has `conteudo`.
    static QString csvCom(const QString &arquivo, const QByteArray &conteudo);
};

QString TesteImportador::csvCom(const QString &arquivo, const QByteArray &conteudo) {
    static std::vector<std::unique_ptr<QTemporaryDir>> diretorios;
    diretorios.push_back(std::make_unique<QTemporaryDir>());
    const QString destino = diretorios.back()->path();
    const QDir origem(fixtures::fonte(u"basica"_s));
    for (const QString &nome : origem.entryList(QDir::Files))
        QFile::copy(origem.filePath(nome), destino + u"/"_s + nome);
    QFile::remove(destino + u"/"_s + arquivo);
    if (!conteudo.isNull()) {
        QFile saida(destino + u"/"_s + arquivo);
        saida.open(QIODevice::WriteOnly);
        saida.write(conteudo);
    }
    return destino;
}

void TesteImportador::recusas_data() {
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<QString>("mensagem"); // after the directory of the CSV files

    QTest::newRow("arquivo ausente")
        << "TSinonimo.csv" << QByteArray() << "/TSinonimo.csv: arquivo não encontrado";
    QTest::newRow("arquivo vazio")
        << "TSinonimo.csv" << QByteArray("") << "/TSinonimo.csv, linha 1: arquivo vazio";
    QTest::newRow("coluna ausente")
        << "TFamilia.csv" << QByteArray("cod_familia,tit_familia,Cod_Sgp\n2111,Médicos,211\n")
        << "/TFamilia.csv, linha 1, coluna descr_familia: coluna ausente no cabeçalho";
    QTest::newRow("registro com campos a menos")
        << "TAfinidade.csv" << QByteArray("cod_familia,cod_familia_afim\n2111,2112\n2111\n")
        << "/TAfinidade.csv, linha 3: o registro tem 1 campo(s), o cabeçalho tem 2";
    QTest::newRow("código vazio") << "TAfinidade.csv"
                                  << QByteArray("cod_familia,cod_familia_afim\n2111,2112\n,2112\n")
                                  << "/TAfinidade.csv, linha 3, coluna cod_familia: código vazio";
    QTest::newRow("largura errada")
        << "TSubgrupo.csv" << QByteArray("Cod_Sgp,Tit_Sgp,Cod_Sgp_Pcp\n2111,Médicos,21\n")
        << "/TSubgrupo.csv, linha 2, coluna Cod_Sgp: o código \"2111\" deve ter 3 caractere(s)";
    QTest::newRow("código repetido") << "TGrupo_Base_CIUO88.csv"
                                     << QByteArray("Cod_Gp_Base_CIUO88,Tit_Grp_Base_CIUO88\n2101,"
                                                   "Médicos\n2102,Dentistas\n2101,Outros\n")
                                     << "/TGrupo_Base_CIUO88.csv, linha 4, coluna "
                                        "Cod_Gp_Base_CIUO88: código repetido (já na linha 2)";
    QTest::newRow("sequência não numérica")
        << "TSinonimo.csv" << QByteArray("cod_int_ocup,nom_sin,cod_sin\n1,Lente,um\n")
        << "/TSinonimo.csv, linha 2, coluna cod_sin: \"um\" não é um número inteiro";
    QTest::newRow("grandes grupos com lacuna")
        << "TGrande_Grupo.csv" << QByteArray("Cod_Gde_Gp,Tit_Gde_Gp\n0,A\n1,B\n3,D\n")
        << "/TGrande_Grupo.csv, linha 4, coluna Cod_Gde_Gp: os grandes grupos devem ter os códigos "
           "0, 1, 2 ... sem lacunas; esperado \"2\"";
    QTest::newRow("aspas abertas")
        << "TFamilia.csv"
        << QByteArray("cod_familia,tit_familia,descr_familia,Cod_Sgp\n2111,\"Médicos,x,211\n")
        << "/TFamilia.csv, linha 2: aspas abertas até o fim do arquivo";
    QTest::newRow("aspas no meio do campo")
        << "TFamilia.csv"
        << QByteArray("cod_familia,tit_familia,descr_familia,Cod_Sgp\n2111,Mé\"dicos,x,211\n")
        << "/TFamilia.csv, linha 2: aspas fora do lugar";
}

void TesteImportador::recusas() {
    QFETCH(QString, arquivo);
    QFETCH(QByteArray, conteudo);
    QFETCH(QString, mensagem);
    QTemporaryDir dados;
    QString erro;
    QVERIFY(importar(fixtures::fonte(u"basica"_s), dados.path(), &erro));
    QFile banco(dados.path() + u"/zel2002.db"_s);
    QVERIFY(banco.open(QIODevice::ReadOnly));
    const QByteArray antes = QCryptographicHash::hash(banco.readAll(), QCryptographicHash::Sha256);
    banco.close();

    const QString csv = csvCom(arquivo, conteudo);
    QVERIFY(!importar(csv, dados.path(), &erro));
    QCOMPARE(erro, csv + mensagem);

    QVERIFY(banco.open(QIODevice::ReadOnly));
    QCOMPARE(QCryptographicHash::hash(banco.readAll(), QCryptographicHash::Sha256), antes);
    QCOMPARE(QDir(dados.path()).entryList(QDir::Files), QStringList{u"zel2002.db"_s});
}

// BOM, CRLF, header names in another case and order, extra columns, quoted
// fields with commas, quotes and line breaks, blank lines.
void TesteImportador::formatosAceitos() {
    const QString csv =
        csvCom(u"TFamilia.csv"_s,
               "\xEF\xBB\xBF"
               "COD_SGP,Tit_Familia,extra,Cod_Familia,Descr_Familia\r\n"
               "211,Médicos,x,2111,\"Atendem pacientes, \"\"sempre\"\";\r\ne operam.\"\r\n"
               "\r\n"
               "211,Cirurgiões-dentistas,y,2112,Tratam dentes.\r\n");
    QTemporaryDir dados;
    QString erro;
    QVERIFY2(importar(csv, dados.path(), &erro), qPrintable(erro));
    Consulta consulta;
    consulta.definirSql(fncSqlDescricaoSumaria(u"2111"_s));
    consulta.definirBanco(dados.path());
    consulta.abrir();
    QCOMPARE(consulta.campo(u"descricao"_s), u"Atendem pacientes, \"sempre\";\r\ne operam."_s);
    consulta.definirSql(fncSqlFamiliasDoSubgrupo(u"211"_s));
    consulta.abrir();
    QCOMPARE(consulta.totalLinhas(), 2);
}

void TesteImportador::diretorioInexistente() {
    QTemporaryDir dados;
    QString erro;
    QVERIFY(!importar(u"/nao/existe"_s, dados.path(), &erro));
    QCOMPARE(erro, u"/nao/existe: diretório não encontrado"_s);
}

QTEST_GUILESS_MAIN(TesteImportador)
#include "tst_importador.moc"
