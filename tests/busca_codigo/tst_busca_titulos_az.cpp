// The title A-Z index, driven through its letter links, word box, grid and
// pager over the small fixture classification, with 11 families beginning
// with "x" and 12 beginning with "z" added.

#include "apoio_busca.h"
#include "botao_figura.h"
#include "fixtures.h"
#include "grade.h"
#include "paginador.h"
#include "programa.h"
#include "rotulo_link.h"
#include "unit_FormBuscaTituloAZ.h"
#include "unit_FormDescricao.h"
#include "unit_FormInicial.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace apoio_busca;

namespace {

const QString avisoNada = u"Não foi encontrado\rnenhum registro para busca"_s;

QString banco() {
    fixtures::Classificacao classificacao(u"basica"_s);
    for (int n = 1; n <= 11; ++n)
        classificacao.linha(u"TFamilia"_s,
                            {QString::number(9100 + n), u"Xilógrafos "_s + QString::number(n),
                             u"Descrição."_s, u"321"_s});
    for (int n = 1; n <= 12; ++n)
        classificacao.linha(u"TFamilia"_s,
                            {QString::number(9200 + n), u"Zincógrafos "_s + QString::number(n),
                             u"Descrição."_s, u"321"_s});
    return classificacao.criar();
}

Tobj_Form_FormBuscaTituloAZ *tela() {
    return obj_Form_FormBuscaTituloAZ;
}
Grade &grade() {
    return *tela()->obj_SortGrid_BuscaTitulosAZ;
}
Paginador &paginador() {
    return *tela()->paginador;
}

// The letters whose links are disabled.
QString letrasDesabilitadas() {
    QString letras;
    for (const RotuloLink *link : tela()->obj_Bt_BuscaTitulosAZ)
        if (!link->isEnabled())
            letras += link->text();
    return letras;
}

void clicarLetra(QChar letra) {
    programa::clicar(tela()->linkDaLetra(letra), QPoint(4, 4));
}

void buscarPalavra(const QString &palavra) {
    tela()->obj_Edit_BuscaTitulosAZ->setText(palavra);
    programa::clicar(tela()->obj_Bt_BuscaTitulosAZ_Ok, QPoint(5, 5));
}

// The page labels, separators and block labels on view, "*" marking a
// disabled label.
QStringList pager() {
    QStringList textos;
    for (auto *rotulo : tela()->obj_Grupo_Pesquisa->findChildren<QLabel *>())
        if (rotulo->objectName().startsWith(u"obj_Bt_Pagina_"_s) && rotulo->isVisible())
            textos << rotulo->text() + (rotulo->isEnabled() ? u""_s : u"*"_s);
    return textos;
}

QStringList ordenadas(QStringList linhas) {
    linhas.sort();
    return linhas;
}

} // namespace

class TesteBuscaTitulosAZ : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void primeiraVezListaA();
    void letraEPalavraHabilitamLetras();
    void listagem_data();
    void listagem();
    void palavraSemDiferencaDeCaixa();
    void onzeEDozeLinhas_data();
    void onzeEDozeLinhas();
    void palavraVaziaNaoMudaNada();
    void nadaEncontradoEsvaziaAGrade();
    void voltarListaAOutraVez();
    void reativacaoReleMesmaPagina();
    void duploCliqueAbreFamilia_data();
    void duploCliqueAbreFamilia();
};

void TesteBuscaTitulosAZ::initTestCase() {
    programa::instalar(banco());
    programa::iniciar();
}

void TesteBuscaTitulosAZ::init() {
    programa::avisos();
    programa::erros();
    irPara(obj_Form_FormInicial);
    irPara(tela());
}

void TesteBuscaTitulosAZ::cleanup() {
    programa::encerrarTeste();
}

// Titles that begin with "a" or "á": the family in capitals with its padded
// code and no previous-edition code, the occupation in bold, the synonym in
// italic, in title order.
void TesteBuscaTitulosAZ::primeiraVezListaA() {
    QCOMPARE(tela()->strLetraAtual, u"a"_s);
    QCOMPARE(letrasDesabilitadas(), u"A"_s);
    QCOMPARE(cabecalho(grade()),
             (QStringList{u"Resultado de títulos encontrados (3)"_s, u"ZEL2002"_s, u"ZEL94"_s}));
    QCOMPARE(linhas(grade()), (QStringList{u"<b>Árbitro de futebol</b>|3111-01|30101"_s,
                                           u"<i>Árbitro esportivo</i>|3111-01|30101"_s,
                                           u"ÁRBITROS DESPORTIVOS|3111   |  -  "_s}));
    QCOMPARE(pager(), QStringList{u"1*"_s});
    QCOMPARE(grade().larguraColuna(0), 460);
    QCOMPARE(grade().larguraColuna(1), 91);
    QCOMPARE(grade().larguraColuna(2), 92);
    QVERIFY(programa::avisos().isEmpty());
}

void TesteBuscaTitulosAZ::letraEPalavraHabilitamLetras() {
    clicarLetra(u'M');
    QCOMPARE(letrasDesabilitadas(), u"M"_s);
    QCOMPARE(tela()->strLetraAtual, u"m"_s);
    QCOMPARE(grade().celula(0, 1), u"<b>Médico cirurgião</b>"_s);
    buscarPalavra(u"Médico"_s);
    QCOMPARE(letrasDesabilitadas(), QString());
    QCOMPARE(tela()->strLetraAtual, u"%médico"_s);
    // The box keeps the word.
    QCOMPARE(tela()->obj_Edit_BuscaTitulosAZ->text(), u"Médico"_s);
}

// An occupation or synonym once per previous-edition code in force, without
// the codes with "90" at characters 4-5; one with no such code is absent.
void TesteBuscaTitulosAZ::listagem_data() {
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<QStringList>("esperadas");
    QTest::newRow("dois códigos anteriores")
        << "médico cirurgião"
        << QStringList{u"<b>Médico cirurgião</b>|2111-02|20101"_s,
                       u"<b>Médico cirurgião</b>|2111-02|20102"_s};
    QTest::newRow("sinônimo com dois códigos")
        << "operador"
        << QStringList{u"<i>Médico operador</i>|2111-02|20101"_s,
                       u"<i>Médico operador</i>|2111-02|20102"_s};
    QTest::newRow("90 fora") << "médico clínico"
                             << QStringList{u"<b>Médico clínico</b>|2111-01|20101"_s};
    QTest::newRow("90 fora, sinônimo")
        << "titular" << QStringList{u"<i>Doutor titular</i>|0111-01|00101"_s};
    QTest::newRow("família e ocupações")
        << "docent"
        << QStringList{u"<b>Docente adjunto</b>|0111-02|00102"_s,
                       u"<b>Docente catedrático</b>|0111-01|00101"_s,
                       u"DOCENTES UNIVERSITÁRIOS|0111   |  -  "_s};
    QTest::newRow("só correspondência extinta") << "técnico químico" << QStringList{};
    QTest::newRow("sem correspondência") << "pediatra" << QStringList{};
}

void TesteBuscaTitulosAZ::listagem() {
    QFETCH(QString, palavra);
    QFETCH(QStringList, esperadas);
    buscarPalavra(palavra);
    if (esperadas.isEmpty()) {
        QCOMPARE(programa::avisos(), QStringList{avisoNada});
        return;
    }
    QVERIFY(programa::avisos().isEmpty());
    // Rows of one title come in no particular order among themselves.
    QCOMPARE(ordenadas(linhas(grade())), esperadas);
}

void TesteBuscaTitulosAZ::palavraSemDiferencaDeCaixa() {
    buscarPalavra(u"médico"_s);
    const QStringList minusculas = linhas(grade());
    buscarPalavra(u"MÉDICO"_s);
    QCOMPARE(linhas(grade()), minusculas);
    QCOMPARE(minusculas.size(), 6);
}

// Eleven rows to a page; the labels after the first are placed as they are
// filled.
void TesteBuscaTitulosAZ::onzeEDozeLinhas_data() {
    QTest::addColumn<QChar>("letra");
    QTest::addColumn<QStringList>("rotulos");
    QTest::newRow("11 linhas") << QChar(u'X') << QStringList{u"1*"_s};
    QTest::newRow("12 linhas") << QChar(u'Z') << QStringList{u"1*"_s, u"2"_s, u"|"_s};
}

void TesteBuscaTitulosAZ::onzeEDozeLinhas() {
    QFETCH(QChar, letra);
    QFETCH(QStringList, rotulos);
    clicarLetra(letra);
    QCOMPARE(grade().totalLinhas(), 12);
    QCOMPARE(pager(), rotulos);
    if (rotulos.size() == 1)
        return;
    RotuloLink *primeiro = paginador().obj_Bt_Pagina_Primeiro;
    QLabel *separador = paginador().obj_Bt_Pagina_Separador1;
    QCOMPARE(primeiro->x(), 123);
    QCOMPARE(separador->x(), primeiro->x() + primeiro->width() + 5);
    QCOMPARE(paginador().obj_Bt_Pagina_Segundo->x(), separador->x() + separador->width() + 5);
    programa::clicar(paginador().obj_Bt_RespostaBusca_Mais, QPoint(5, 5));
    QCOMPARE(grade().totalLinhas(), 2);
    QCOMPARE(grade().celula(0, 1), u"ZINCÓGRAFOS 9"_s);
    QCOMPARE(grade().larguraColuna(0), 460);
    // The page changes, the pattern stays.
    QCOMPARE(tela()->strLetraAtual, u"z"_s);
    QCOMPARE(letrasDesabilitadas(), u"Z"_s);
}

void TesteBuscaTitulosAZ::palavraVaziaNaoMudaNada() {
    clicarLetra(u'Z');
    programa::clicar(paginador().obj_Bt_Pagina_Segundo);
    tela()->obj_Edit_BuscaRapida->setFocus();
    tela()->obj_Edit_BuscaTitulosAZ->clear();
    programa::enter(tela()->obj_Edit_BuscaTitulosAZ);
    QCOMPARE(programa::avisos(), QStringList{u"Digite a palavra para Busca"_s});
    QCOMPARE(tela()->strLetraAtual, u"z"_s);
    QCOMPARE(letrasDesabilitadas(), u"Z"_s);
    QCOMPARE(paginador().estado().intPaginaAtual(), 2);
    QCOMPARE(grade().totalLinhas(), 2);
    QCOMPARE(tela()->focusWidget(), tela()->obj_Edit_BuscaRapida);
}

// No row: the notice, the grid at its header and one empty row, and no page
// label of the earlier listing left on view; the new pattern is kept.
void TesteBuscaTitulosAZ::nadaEncontradoEsvaziaAGrade() {
    clicarLetra(u'Z');
    programa::clicar(paginador().obj_Bt_Pagina_Segundo);
    buscarPalavra(u"inexistente"_s);
    QCOMPARE(programa::avisos(), QStringList{avisoNada});
    QCOMPARE(linhas(grade()), QStringList{u"||"_s});
    QCOMPARE(cabecalho(grade()).at(0), u"Resultado de títulos encontrados (0)"_s);
    QCOMPARE(pager(), QStringList());
    QCOMPARE(tela()->strLetraAtual, u"%inexistente"_s);
    QCOMPARE(paginador().estado().intPaginaAtual(), 1);
    QCOMPARE(letrasDesabilitadas(), QString());
    QVERIFY(!QGuiApplication::overrideCursor());
    // The empty row opens no family.
    obj_Form_FormDescricao->strCodigoFamilia = u"0111"_s;
    duploClique(grade(), 1);
    QCOMPARE(navegacao::telaAtual(), tela());
    QCOMPARE(obj_Form_FormDescricao->strCodigoFamilia, u"0111"_s);
}

void TesteBuscaTitulosAZ::voltarListaAOutraVez() {
    clicarLetra(u'M');
    programa::clicar(paginador().obj_Bt_Pagina_Segundo);
    irPara(obj_Form_FormInicial);
    irPara(tela());
    QCOMPARE(tela()->strLetraAtual, u"a"_s);
    QCOMPARE(letrasDesabilitadas(), u"A"_s);
    QCOMPARE(paginador().estado().intPaginaAtual(), 1);
    QCOMPARE(grade().celula(0, 1), u"<b>Árbitro de futebol</b>"_s);
}

void TesteBuscaTitulosAZ::reativacaoReleMesmaPagina() {
    clicarLetra(u'Z');
    programa::clicar(paginador().obj_Bt_Pagina_Segundo);
    tela()->LDescricao->setText(u"Tela Inicial"_s);
    reativar();
    QCOMPARE(tela()->strLetraAtual, u"z"_s);
    QCOMPARE(paginador().estado().intPaginaAtual(), 2);
    QCOMPARE(grade().celula(0, 1), u"ZINCÓGRAFOS 9"_s);
    QCOMPARE(pager(), (QStringList{u"1"_s, u"2*"_s, u"|"_s}));
    QCOMPARE(tela()->LDescricao->text(), QString());
}

// Any row opens the family of its 2002 code; the header does not.
void TesteBuscaTitulosAZ::duploCliqueAbreFamilia_data() {
    QTest::addColumn<int>("linha");
    QTest::addColumn<QString>("familia"); // empty: nothing opens
    QTest::newRow("ocupação") << 1 << "3111";
    QTest::newRow("família") << 3 << "3111";
    QTest::newRow("cabeçalho") << 0 << "";
}

void TesteBuscaTitulosAZ::duploCliqueAbreFamilia() {
    QFETCH(int, linha);
    QFETCH(QString, familia);
    obj_Form_FormDescricao->strCodigoFamilia.clear();
    duploClique(grade(), linha);
    QCOMPARE(obj_Form_FormDescricao->strCodigoFamilia, familia);
    QCOMPARE(navegacao::telaAtual(),
             familia.isEmpty() ? static_cast<TelaPrincipal *>(tela()) : obj_Form_FormDescricao);
}

QTEST_MAIN(TesteBuscaTitulosAZ)
#include "tst_busca_titulos_az.moc"
