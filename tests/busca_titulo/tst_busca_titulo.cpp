// The title search screen: the source boxes and "Selecionar Todas", the
// search over the ticked kinds of text, its notices, and the hand-over of
// its query to the search results screen.

#include "cenario.h"
#include "fixtures.h"
#include "programa.h"
#include "unit_FormBusca.h"
#include "unit_FormRespostaBusca.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString vazia = u"Digite a palavra para Busca"_s;
const QString semFonte = u"Você deve escolher uma\rdas opções de pesquisa"_s;
const QString nada = u"Não foi encontrado\rnenhum registro para busca"_s;

QList<QCheckBox *> fontes() {
    Tobj_Form_FormBusca *t = obj_Form_FormBusca;
    return {t->obj_Chk_Filtro_Familias,  t->obj_Chk_Filtro_Ocupacoes, t->obj_Chk_Filtro_Sinonimos,
            t->obj_Chk_Filtro_Condicoes, t->obj_Chk_Filtro_Formacao,  t->obj_Chk_Filtro_Descricao};
}

// "111000": which of the six source boxes are ticked, in their order.
QString marcadas() {
    QString texto;
    for (const QCheckBox *caixa : fontes())
        texto += caixa->isChecked() ? u'1' : u'0';
    return texto;
}

void marcar(const QString &marcas) {
    const QList<QCheckBox *> caixas = fontes();
    for (int i = 0; i < caixas.size(); ++i)
        caixas[i]->setChecked(marcas[i] == u'1');
}

void clicar(QCheckBox *caixa) {
    QTest::mouseClick(caixa, Qt::LeftButton, {}, QPoint(6, caixa->height() / 2));
}

void procurar(const QString &palavra, bool porEnter) {
    QLineEdit *caixa = obj_Form_FormBusca->obj_Edit_BuscaTitulo;
    programa::digitar(caixa, palavra);
    if (porEnter)
        programa::enter(caixa);
    else
        programa::clicar(obj_Form_FormBusca->obj_Bt_ProcurarTitulo);
}

} // namespace

class TesteBuscaTitulo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void selecionarTodas();
    void fontes_data();
    void fontes();
    void avisos_data();
    void avisos();
};

void TesteBuscaTitulo::initTestCase() {
    programa::instalar(fixtures::banco(u"basica"_s));
    programa::iniciar();
}

void TesteBuscaTitulo::init() {
    cenario::irPara(obj_Form_FormBusca);
    obj_Form_FormBusca->obj_Edit_BuscaTitulo->clear();
    programa::avisos();
    programa::erros();
}

void TesteBuscaTitulo::cleanup() {
    programa::encerrarTeste();
}

// Clicked, "Selecionar Todas" gives its state to the six boxes; a single box
// does not change it.
void TesteBuscaTitulo::selecionarTodas() {
    QCheckBox *todas = obj_Form_FormBusca->obj_Chk_Filtro_Todos;
    QCOMPARE(marcadas(), u"111000"_s);
    QVERIFY(!todas->isChecked());
    clicar(todas);
    QCOMPARE(marcadas(), u"111111"_s);
    clicar(obj_Form_FormBusca->obj_Chk_Filtro_Formacao);
    QCOMPARE(marcadas(), u"111101"_s);
    QVERIFY(todas->isChecked());
    clicar(todas);
    QCOMPARE(marcadas(), u"000000"_s);
    QVERIFY(!todas->isChecked());
    clicar(obj_Form_FormBusca->obj_Chk_Filtro_Familias);
    QVERIFY(!todas->isChecked());
    marcar(u"111000"_s);
}

void TesteBuscaTitulo::fontes_data() {
    QTest::addColumn<QString>("marcas");
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<QList<QStringList>>("linhas");

    QTest::newRow("as três do início, sem acento")
        << u"111000"_s << u"arbitro"_s
        << QList<QStringList>{{u"Árbitros desportivos"_s, u"3111"_s, u"Família  "_s},
                              {u"Árbitro de futebol"_s, u"3111"_s, u"Ocupação "_s},
                              {u"Árbitro esportivo"_s, u"3111"_s, u"Sinônimo "_s}};
    QTest::newRow("só sinônimos") << u"001000"_s << u"JUIZ"_s
                                  << QList<QStringList>{
                                         {u"Juiz de futebol"_s, u"3111"_s, u"Sinônimo "_s}};
    QTest::newRow("só condições")
        << u"000100"_s << u"plantões"_s
        << QList<QStringList>{{u"Trabalham em hospitais e clínicas, em turnos e plantões."_s,
                               u"2111"_s, u"Condições"_s}};
    QTest::newRow("só formação") << u"000010"_s << u"Medicina"_s
                                 << QList<QStringList>{{u"Exige-se curso superior em Medicina."_s,
                                                        u"2111"_s, u"Formação "_s}};
    QTest::newRow("só descrição") << u"000001"_s << u"dentes"_s
                                  << QList<QStringList>{
                                         {u"Examinam e tratam os dentes e a boca dos pacientes."_s,
                                          u"2112"_s, u"Descrição"_s}};
    QTest::newRow("famílias e descrição, bloco a bloco")
        << u"100001"_s << u"empresas"_s
        << QList<QStringList>{{u"Diretores gerais de empresas"_s, u"1111"_s, u"Família  "_s},
                              {u"Dirigem empresas; definem metas, orçamentos e políticas."_s,
                               u"1111"_s, u"Descrição"_s}};
    QTest::newRow("todas") << u"111111"_s << u"catedrático"_s
                           << QList<QStringList>{
                                  {u"Docente catedrático"_s, u"0111"_s, u"Ocupação "_s},
                                  {u"Lente catedrático"_s, u"0111"_s, u"Sinônimo "_s}};
}

// The ticked kinds, in their order, make the query; the search results
// screen lists it under the tag "busca".
void TesteBuscaTitulo::fontes() {
    QFETCH(QString, marcas);
    QFETCH(QString, palavra);
    QFETCH(QList<QStringList>, linhas);
    marcar(marcas);
    procurar(palavra, false);
    marcar(u"111000"_s);

    QVERIFY(programa::avisos().isEmpty());
    QVERIFY(programa::erros().isEmpty());
    QCOMPARE(obj_Form_FormBusca->obj_Edit_BuscaTitulo->text(), QString());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaBusca);
    QCOMPARE(obj_Form_FormRespostaBusca->strOrigem, u"busca"_s);
    const Consulta &consulta = obj_Form_FormBusca->obj_DB_QUERY_BuscaTitulo;
    QCOMPARE(&obj_Form_FormRespostaBusca->consultaDeOrigem(), &consulta);
    QCOMPARE(consulta.sql().count(u" union all "_s), marcas.count(u'1') - 1);
    const Grade &grade = *obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ;
    QCOMPARE(grade.celula(0, 0), u"Resultado de títulos encontrados (%1)"_s.arg(linhas.size()));
    QCOMPARE(cenario::linhas(grade, 1), linhas);
}

void TesteBuscaTitulo::avisos_data() {
    QTest::addColumn<QString>("marcas");
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<bool>("porEnter");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<int>("linhas"); // rows found, when no notice

    QTest::newRow("vazia") << u"111000"_s << QString() << true << vazia << 0;
    QTest::newRow("vazia e nenhuma fonte: só o primeiro aviso")
        << u"000000"_s << QString() << false << vazia << 0;
    QTest::newRow("nenhuma fonte") << u"000000"_s << u"médico"_s << true << semFonte << 0;
    QTest::newRow("nada") << u"111000"_s << u"xyzzy"_s << false << nada << 0;
    QTest::newRow("texto longo compara maiúsculas")
        << u"000100"_s << u"PLANTÕES"_s << true << nada << 0;
    QTest::newRow("só ocupações não vê sinônimos")
        << u"010000"_s << u"juiz"_s << false << nada << 0;
    // Every title of the fixture holds a blank but "Médicos",
    // "Cirurgiões-dentistas" and "Pediatra".
    QTest::newRow("um branco") << u"111000"_s << u" "_s << true << QString() << 23;
    QTest::newRow("curinga _") << u"111000"_s << u"m_dico c"_s << false << QString() << 2;
    QTest::newRow("curinga %") << u"100000"_s << u"%"_s << true << QString() << 7;
}

// The keyword box is empty after every outcome; a refused search runs no
// query.
void TesteBuscaTitulo::avisos() {
    QFETCH(QString, marcas);
    QFETCH(QString, palavra);
    QFETCH(bool, porEnter);
    QFETCH(QString, aviso);
    QFETCH(int, linhas);
    Consulta &consulta = obj_Form_FormBusca->obj_DB_QUERY_BuscaTitulo;
    consulta.definirSql({});
    marcar(marcas);
    obj_Form_FormBusca->obj_Edit_BuscaRapida->setFocus();
    procurar(palavra, porEnter);
    marcar(u"111000"_s);

    QCOMPARE(obj_Form_FormBusca->obj_Edit_BuscaTitulo->text(), QString());
    QCOMPARE(programa::avisos(), aviso.isEmpty() ? QStringList() : QStringList{aviso});
    if (!aviso.isEmpty()) {
        QCOMPARE(navegacao::telaAtual(), obj_Form_FormBusca);
        QCOMPARE(obj_Form_FormBusca->focusWidget(), aviso == vazia
                                                        ? obj_Form_FormBusca->obj_Edit_BuscaTitulo
                                                        : obj_Form_FormBusca->obj_Edit_BuscaRapida);
        QCOMPARE(consulta.sql().isEmpty(), aviso != nada);
        QCOMPARE(consulta.totalLinhas(), 0);
        return;
    }
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaBusca);
    QCOMPARE(consulta.totalLinhas(), linhas);
}

QTEST_MAIN(TesteBuscaTitulo)
#include "tst_busca_titulo.moc"
