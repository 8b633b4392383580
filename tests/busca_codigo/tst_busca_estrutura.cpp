// The structure browser, driven through its real lists, grid and pager over
// a small classification: the fixture's four major groups and two more, one
// with subgroups of 5 and 12 families and with levels that lead nowhere.

#include "apoio_busca.h"
#include "botao_figura.h"
#include "exigir.h"
#include "fixtures.h"
#include "grade.h"
#include "paginador.h"
#include "programa.h"
#include "rotulo_link.h"
#include "unit_FormBuscaEstrutura.h"
#include "unit_FormDescricao.h"
#include "unit_FormInicial.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace apoio_busca;

namespace {

QString banco() {
    fixtures::Classificacao classificacao(u"basica"_s);
    classificacao.linha(u"TGrande_Grupo"_s, {u"4"_s, u"Trabalhadores administrativos"_s})
        .linha(u"TGrande_Grupo"_s, {u"5"_s, u"Grupo sem subgrupos"_s})
        .linha(u"TSubgrupo_Principal"_s, {u"41"_s, u"Escriturários"_s, u"4"_s})
        .linha(u"TSubgrupo_Principal"_s, {u"42"_s, u"Principal sem subgrupos"_s, u"4"_s})
        .linha(u"TSubgrupo"_s, {u"411"_s, u"Cinco famílias"_s, u"41"_s})
        .linha(u"TSubgrupo"_s, {u"412"_s, u"Doze famílias"_s, u"41"_s})
        .linha(u"TSubgrupo"_s, {u"414"_s, u"Subgrupo sem famílias"_s, u"41"_s});
    for (int n = 1; n <= 5; ++n)
        classificacao.linha(u"TFamilia"_s, {u"411"_s + QString::number(n),
                                            u"Escriturários de ordem "_s + QString::number(n),
                                            u"Descrição."_s, u"411"_s});
    for (int n = 0; n < 12; ++n)
        classificacao.linha(u"TFamilia"_s, {QString::number(4120 + n),
                                            u"Auxiliares de área "_s + QString::number(n + 1),
                                            u"Descrição."_s, u"412"_s});
    return classificacao.criar();
}

Tobj_Form_FormBuscaEstrutura *tela() {
    return obj_Form_FormBuscaEstrutura;
}
Grade &grade() {
    return *tela()->obj_SortGrid_BuscaEstrutura;
}
Paginador &paginador() {
    return *tela()->paginador;
}

// The user chooses the entry of `lista` whose text begins with `codigo`.
void escolher(QComboBox *lista, const QString &codigo) {
    const int indice = lista->findText(codigo, Qt::MatchStartsWith);
    QVERIFY(indice >= 0);
    lista->setCurrentIndex(indice);
}

// Major group 4, principal subgroup 41, then the subgroup given.
void mostrarFamilias(const QString &subgrupo) {
    irPara(tela());
    EXIGIR(escolher(tela()->obj_ComboBoxGrandeGrupo, u"4 "_s));
    EXIGIR(escolher(tela()->obj_ComboBoxSGP, u"41"_s));
    EXIGIR(escolher(tela()->obj_ComboBoxSubGrupo, subgrupo));
}

QStringList entradas(const QComboBox *lista) {
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i)
        textos << lista->itemText(i);
    return textos;
}

// What a list shows: its chosen entry, or the text it shows without one.
QString textoMostrado(const QComboBox *lista) {
    return lista->currentIndex() >= 0 ? lista->currentText() : lista->placeholderText();
}

bool resultadoVisivel() {
    const bool painel = tela()->obj_Panel_Resultado->isVisible();
    if (tela()->obj_Lb_avisoClick->isVisible() != painel ||
        tela()->obj_Lb_Legenda->isVisible() != painel)
        qFatal("the hint and legend must go with the result panel");
    return painel;
}

// The page labels on view, with "*" for a disabled one.
QStringList rotulos() {
    QStringList textos;
    for (RotuloLink *rotulo :
         {paginador().obj_Bt_Pagina_Primeiro, paginador().obj_Bt_Pagina_Segundo})
        if (rotulo->isVisible())
            textos << rotulo->text() + (rotulo->isEnabled() ? u""_s : u"*"_s);
    return textos;
}

} // namespace

class TesteBuscaEstrutura : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void criacao(); // first: nothing chosen yet
    void cascata();
    void grandeGrupoPelaPosicao();
    void paginas_data();
    void paginas();
    void novoGrandeGrupoEscondeFamilias();
    void novaBusca();
    void avisos_data();
    void avisos();
    void ativacaoVoltaAPaginaUmEReenche();
    void duploCliqueAbreFamilia();
};

void TesteBuscaEstrutura::initTestCase() {
    programa::instalar(banco());
    programa::iniciar();
}

void TesteBuscaEstrutura::init() {
    programa::avisos();
    programa::erros();
}

void TesteBuscaEstrutura::cleanup() {
    programa::encerrarTeste();
}

void TesteBuscaEstrutura::criacao() {
    irPara(tela());
    QCOMPARE(entradas(tela()->obj_ComboBoxGrandeGrupo),
             (QStringList{u"0 - Educação e pesquisa"_s, u"1 - Gestão e administração"_s,
                          u"2 - Saúde e cuidado às pessoas"_s, u"3 - Técnicas, esportes e lazer"_s,
                          u"4 - Trabalhadores administrativos"_s, u"5 - Grupo sem subgrupos"_s}));
    QCOMPARE(textoMostrado(tela()->obj_ComboBoxGrandeGrupo), u"Selecione um Grande Grupo"_s);
    QCOMPARE(tela()->obj_ComboBoxSGP->count(), 0);
    QCOMPARE(textoMostrado(tela()->obj_ComboBoxSGP), QString());
    QCOMPARE(tela()->obj_ComboBoxSubGrupo->count(), 0);
    QVERIFY(!resultadoVisivel());
    QVERIFY(tela()->obj_Lb_Ajuda->isVisible());
}

// Each choice loads the level below with its prompt; the keyboard chooses
// as the mouse does.
void TesteBuscaEstrutura::cascata() {
    irPara(tela());
    EXIGIR(escolher(tela()->obj_ComboBoxGrandeGrupo, u"2 "_s));
    QCOMPARE(entradas(tela()->obj_ComboBoxSGP),
             (QStringList{u"21 - Profissionais da saúde"_s,
                          u"22 - Profissionais do cuidado infantil"_s}));
    QCOMPARE(textoMostrado(tela()->obj_ComboBoxSGP), u"Selecione um SubGrupo Principal"_s);
    QCOMPARE(tela()->obj_ComboBoxSubGrupo->count(), 0);
    QVERIFY(!resultadoVisivel());

    QTest::keyClick(tela()->obj_ComboBoxSGP, Qt::Key_Down);
    QCOMPARE(tela()->obj_ComboBoxSGP->currentIndex(), 0);
    QCOMPARE(entradas(tela()->obj_ComboBoxSubGrupo),
             QStringList{u"211 - Médicos e cirurgiões-dentistas"_s});
    QCOMPARE(textoMostrado(tela()->obj_ComboBoxSubGrupo), u"Selecione um SubGrupo"_s);
    QVERIFY(!resultadoVisivel());

    EXIGIR(escolher(tela()->obj_ComboBoxSubGrupo, u"211"_s));
    QVERIFY(resultadoVisivel());
    QCOMPARE(cabecalho(grade()), QStringList{u"Resultado das Famílias encontradas (2)"_s});
    // Families in capitals, accented letters included.
    QCOMPARE(linhas(grade()), (QStringList{u"2111 - MÉDICOS"_s, u"2112 - CIRURGIÕES-DENTISTAS"_s}));
    QCOMPARE(grade().larguraColuna(0), 645);
    QVERIFY(programa::avisos().isEmpty());
}

// The fourth major group of the list is queried with the code 3.
void TesteBuscaEstrutura::grandeGrupoPelaPosicao() {
    irPara(tela());
    tela()->obj_ComboBoxGrandeGrupo->setCurrentIndex(3);
    QVERIFY(tela()->obj_DB_QUERY_BuscaEstrutura_SGP.sql().join(u' ').contains(
        u"TSubgrupo_Principal.Cod_Gde_Gp = '3'"_s));
    QCOMPARE(entradas(tela()->obj_ComboBoxSGP),
             (QStringList{u"31 - Profissionais do esporte e do lazer"_s,
                          u"32 - Técnicos de laboratório e de processos químicos"_s}));
}

// Five to a page: labels "1" and "2" only; later pages by the arrows alone.
void TesteBuscaEstrutura::paginas_data() {
    QTest::addColumn<QString>("subgrupo");
    QTest::addColumn<QStringList>("rotulosPagina1");
    QTest::addColumn<QList<int>>("linhasPorPagina");
    QTest::addColumn<QString>("primeira");
    QTest::newRow("5 famílias") << "411" << QStringList{u"1*"_s} << QList<int>{5} << "4111";
    QTest::newRow("12 famílias") << "412" << QStringList{u"1*"_s, u"2"_s} << QList<int>{5, 5, 2}
                                 << "4120";
}

void TesteBuscaEstrutura::paginas() {
    QFETCH(QString, subgrupo);
    QFETCH(QStringList, rotulosPagina1);
    QFETCH(QList<int>, linhasPorPagina);
    QFETCH(QString, primeira);
    mostrarFamilias(subgrupo);
    QCOMPARE(rotulos(), rotulosPagina1);
    QVERIFY(!paginador().obj_Bt_Pagina_Separador1->isVisible());
    const QStringList rotulosEsperados[] = {{u"1*"_s, u"2"_s}, {u"1"_s, u"2*"_s}, {u"1"_s, u"2"_s}};
    BotaoFigura *proxima = paginador().obj_Bt_RespostaBusca_Mais;
    for (int pagina = 1; pagina <= linhasPorPagina.size(); ++pagina) {
        QCOMPARE(paginador().estado().intPaginaAtual(), pagina);
        QCOMPARE(grade().totalLinhas(), linhasPorPagina[pagina - 1] + 1);
        if (linhasPorPagina.size() > 1)
            QCOMPARE(rotulos(), rotulosEsperados[pagina - 1]);
        programa::mover(proxima, QPoint(5, 5));
        const bool ultima = pagina == linhasPorPagina.size();
        QCOMPARE(proxima->cursor().shape(), ultima ? Qt::ForbiddenCursor : Qt::PointingHandCursor);
        programa::clicar(proxima, QPoint(5, 5));
    }
    QCOMPARE(paginador().estado().intPaginaAtual(), int(linhasPorPagina.size()));
    QCOMPARE(grade().larguraColuna(0), 645);
    programa::clicar(paginador().obj_Bt_Pagina_Primeiro);
    QCOMPARE(grade().celula(0, 1).left(4), primeira);
}

void TesteBuscaEstrutura::novoGrandeGrupoEscondeFamilias() {
    mostrarFamilias(u"412"_s);
    QVERIFY(resultadoVisivel());
    EXIGIR(escolher(tela()->obj_ComboBoxGrandeGrupo, u"3 "_s));
    QVERIFY(!resultadoVisivel());
    QCOMPARE(tela()->obj_ComboBoxSubGrupo->count(), 0);
    QCOMPARE(textoMostrado(tela()->obj_ComboBoxSubGrupo), QString());
    QCOMPARE(tela()->obj_ComboBoxSGP->count(), 2);
    QCOMPARE(textoMostrado(tela()->obj_ComboBoxSGP), u"Selecione um SubGrupo Principal"_s);
    QCOMPARE(grade().totalLinhas(), 2);
    QCOMPARE(paginador().estado().intPaginaAtual(), 1);
}

// The major groups stay, with no text shown, not even the first prompt.
void TesteBuscaEstrutura::novaBusca() {
    mostrarFamilias(u"411"_s);
    tela()->obj_Edit_BuscaRapida->setFocus();
    programa::clicar(tela()->obj_Bt_NovaBusca, QPoint(10, 8));
    QCOMPARE(tela()->obj_ComboBoxGrandeGrupo->count(), 6);
    QCOMPARE(tela()->obj_ComboBoxGrandeGrupo->currentIndex(), -1);
    QCOMPARE(textoMostrado(tela()->obj_ComboBoxGrandeGrupo), QString());
    QCOMPARE(tela()->obj_ComboBoxSGP->count(), 0);
    QCOMPARE(textoMostrado(tela()->obj_ComboBoxSGP), QString());
    QCOMPARE(tela()->obj_ComboBoxSubGrupo->count(), 0);
    QVERIFY(!resultadoVisivel());
    QCOMPARE(tela()->focusWidget(), tela()->obj_ComboBoxGrandeGrupo);
    // The list still works.
    EXIGIR(escolher(tela()->obj_ComboBoxGrandeGrupo, u"4 "_s));
    QCOMPARE(tela()->obj_ComboBoxSGP->count(), 2);
}

// A level that leads nowhere: its notice, and nothing below it.
void TesteBuscaEstrutura::avisos_data() {
    QTest::addColumn<QStringList>("escolhas"); // major group, then principal subgroup, subgroup
    QTest::addColumn<QString>("aviso");
    QTest::newRow("grande grupo sem subgrupo principal")
        << QStringList{u"5 "_s} << "Nenhum SubGrupo Principal encontrado";
    QTest::newRow("subgrupo principal sem subgrupo")
        << QStringList{u"4 "_s, u"42"_s} << "Nenhum SubGrupo \rencontrado";
    QTest::newRow("subgrupo sem família")
        << QStringList{u"4 "_s, u"41"_s, u"414"_s} << "Nenhum Família \rencontrada";
}

void TesteBuscaEstrutura::avisos() {
    QFETCH(QStringList, escolhas);
    QFETCH(QString, aviso);
    mostrarFamilias(u"412"_s);
    QComboBox *listas[] = {tela()->obj_ComboBoxGrandeGrupo, tela()->obj_ComboBoxSGP,
                           tela()->obj_ComboBoxSubGrupo};
    for (int nivel = 0; nivel < escolhas.size(); ++nivel)
        EXIGIR(escolher(listas[nivel], escolhas[nivel]));
    QCOMPARE(programa::avisos(), QStringList{aviso});
    QVERIFY(!resultadoVisivel());
    for (int nivel = int(escolhas.size()); nivel < 3; ++nivel) {
        QCOMPARE(listas[nivel]->count(), 0);
        QCOMPARE(textoMostrado(listas[nivel]), QString());
    }
}

// Every activation starts again at page 1 and fills the list on view from
// its query, so that the page, its labels and the arrows agree.
void TesteBuscaEstrutura::ativacaoVoltaAPaginaUmEReenche() {
    mostrarFamilias(u"412"_s);
    programa::clicar(paginador().obj_Bt_RespostaBusca_Mais, QPoint(5, 5));
    programa::clicar(paginador().obj_Bt_RespostaBusca_Mais, QPoint(5, 5));
    QCOMPARE(grade().totalLinhas(), 3);
    reativar();
    QCOMPARE(paginador().estado().intPaginaAtual(), 1);
    QCOMPARE(grade().totalLinhas(), 6);
    QCOMPARE(grade().celula(0, 1), u"4120 - AUXILIARES DE ÁREA 1"_s);
    QCOMPARE(rotulos(), (QStringList{u"1*"_s, u"2"_s}));

    programa::clicar(paginador().obj_Bt_Pagina_Segundo);
    irPara(obj_Form_FormInicial);
    irPara(tela());
    QCOMPARE(paginador().estado().intPaginaAtual(), 1);
    QCOMPARE(grade().celula(0, 1), u"4120 - AUXILIARES DE ÁREA 1"_s);
    // The choices are kept.
    QCOMPARE(tela()->obj_ComboBoxSubGrupo->currentText(), u"412 - Doze famílias"_s);
    QVERIFY(resultadoVisivel());
}

void TesteBuscaEstrutura::duploCliqueAbreFamilia() {
    mostrarFamilias(u"411"_s);
    duploClique(grade(), 0);
    QCOMPARE(navegacao::telaAtual(), tela());
    duploClique(grade(), 3);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricao);
    QCOMPARE(obj_Form_FormDescricao->strCodigoFamilia, u"4113"_s);
}

QTEST_MAIN(TesteBuscaEstrutura)
#include "tst_busca_estrutura.moc"
