// The family description screen: occupations with their synonyms, summary,
// exceptions and related families, read again at every activation.

#include "cenario.h"
#include "fixtures.h"
#include "programa.h"
#include "unit_FormDescricao.h"
#include "unit_FormInicial.h"

#include "memo.h"
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Tobj_Form_FormDescricao *descricao() {
    return obj_Form_FormDescricao;
}

// Opens the family as a double click on a result row does.
void abrir(const QString &codigo) {
    cenario::irPara(obj_Form_FormInicial);
    descricao()->strCodigoFamilia = codigo;
    cenario::irPara(descricao());
}

QString b(const QString &texto) {
    return u"<b>"_s + texto + u"</b>"_s;
}

} // namespace

class TesteDescricao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void familia_data();
    void familia();
    void primeiraOcupacaoSemSinonimoAposOutraComSinonimo();
    void reativacaoEReaberturaMostramOMesmo();
    void largurasDasColunas();
};

void TesteDescricao::initTestCase() {
    programa::instalar(fixtures::banco(u"basica"_s));
    programa::iniciar();
}

void TesteDescricao::cleanup() {
    programa::encerrarTeste();
}

void TesteDescricao::familia_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QList<QStringList>>("titulos");
    QTest::addColumn<QString>("sumaria");
    QTest::addColumn<QString>("excecoes");
    QTest::addColumn<QStringList>("afins"); // the empty row at the end included

    QTest::newRow("ocupações com 0, 2 e 1 sinônimos; sinônimos em ordem alfabética")
        << u"2111"_s
        << QList<QStringList>{{b(u"2111-01  Médico clínico"_s), QString()},
                              {b(u"2111-02  Médico cirurgião"_s), u"Cirurgião geral"_s},
                              {QString(), u"Médico operador"_s},
                              {b(u"2111-03  Médico pediatra"_s), u"Pediatra"_s}}
        << u"Atendem pacientes em consultas e plantões; diagnosticam doenças e prescrevem "
           u"tratamentos."_s
        << u"Não compreende os cirurgiões-dentistas."_s
        << QStringList{u"2112 - Cirurgiões-dentistas"_s, u"3211 - Técnicos químicos"_s, QString()};
    QTest::newRow("código iniciado por 0: sinônimos na ordem guardada")
        << u"0111"_s
        << QList<QStringList>{{b(u"0111-01  Docente catedrático"_s), u"Lente catedrático"_s},
                              {QString(), u"Doutor titular"_s},
                              {b(u"0111-02  Docente adjunto"_s), QString()}}
        << u"Ministram aulas de graduação e orientam pesquisas acadêmicas."_s
        << u"Não compreende professores da educação básica.\nNão compreende professores substitutos."_s
        << QStringList{QString()};
    QTest::newRow("par afim guardado nos dois sentidos")
        << u"2211"_s
        << QList<QStringList>{{b(u"2211-01  Professor de educação infantil"_s), QString()}}
        << u"Educam crianças de zero a cinco anos em creches e pré-escolas."_s << QString()
        << QStringList{u"1111 - Diretores gerais de empresas"_s,
                       u"1111 - Diretores gerais de empresas"_s, QString()};
    QTest::newRow("última ocupação com dois sinônimos")
        << u"3111"_s
        << QList<QStringList>{{b(u"3111-01  Árbitro de futebol"_s), u"Árbitro esportivo"_s},
                              {QString(), u"Juiz de futebol"_s}}
        << u"Dirigem partidas e competições, aplicando as regras do esporte."_s << QString()
        << QStringList{QString()};
    QTest::newRow("família inexistente") << u"9999"_s << QList<QStringList>{{QString(), QString()}}
                                         << QString() << QString() << QStringList{QString()};
}

void TesteDescricao::familia() {
    QFETCH(QString, codigo);
    QFETCH(QList<QStringList>, titulos);
    QFETCH(QString, sumaria);
    QFETCH(QString, excecoes);
    QFETCH(QStringList, afins);
    abrir(codigo);
    QVERIFY(programa::erros().isEmpty());
    QCOMPARE(cenario::linhas(*descricao()->obj_SortGrid_Tabua_Codigo, 0), titulos);
    QCOMPARE(descricao()->obj_Memo_Descricao->toPlainText(), sumaria);
    QCOMPARE(descricao()->obj_MemoExcecao->toPlainText(), excecoes);
    QCOMPARE(cenario::coluna(*descricao()->obj_Grid_Familias_Afins, 0, 0), afins);
}

void TesteDescricao::primeiraOcupacaoSemSinonimoAposOutraComSinonimo() {
    abrir(u"0111"_s);
    QCOMPARE(descricao()->obj_SortGrid_Tabua_Codigo->celula(1, 0), u"Lente catedrático"_s);
    abrir(u"2111"_s);
    QCOMPARE(descricao()->obj_SortGrid_Tabua_Codigo->celula(1, 0), QString());
}

// Activated again (the About screen closed) or opened again, the family is
// read again and gives the same rows.
void TesteDescricao::reativacaoEReaberturaMostramOMesmo() {
    abrir(u"2111"_s);
    const Grade &titulos = *descricao()->obj_SortGrid_Tabua_Codigo;
    const Grade &afins = *descricao()->obj_Grid_Familias_Afins;
    const QList<QStringList> antesTitulos = cenario::linhas(titulos, 0);
    const QList<QStringList> antesAfins = cenario::linhas(afins, 0);
    descricao()->obj_Memo_Descricao->clear();
    navegacao::mostrarSobre();
    navegacao::sobreFechado();
    QCOMPARE(cenario::linhas(titulos, 0), antesTitulos);
    QCOMPARE(cenario::linhas(afins, 0), antesAfins);
    QVERIFY(!descricao()->obj_Memo_Descricao->toPlainText().isEmpty());
    abrir(u"2111"_s);
    QCOMPARE(cenario::linhas(titulos, 0), antesTitulos);
    QCOMPARE(cenario::linhas(afins, 0), antesAfins);
}

void TesteDescricao::largurasDasColunas() {
    abrir(u"2111"_s);
    QCOMPARE(descricao()->obj_SortGrid_Tabua_Codigo->larguraColuna(0), 241);
    QCOMPARE(descricao()->obj_SortGrid_Tabua_Codigo->larguraColuna(1), 222);
    QCOMPARE(descricao()->obj_Grid_Familias_Afins->larguraColuna(0), 645);
}

QTEST_MAIN(TesteDescricao)
#include "tst_descricao.moc"
