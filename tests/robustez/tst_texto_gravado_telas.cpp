// Titles of the database that hold "&", "<b>", "<i>", "&amp;" or "<script>"
// as plain characters, on every screen that shows them: each result grid
// shows the title as stored (in the bold, italic or capitals its screen gives
// it, whole cell), copies it and tells it to assistive technology as stored;
// the conversion headings and the rows of the conversion by title show,
// copy and name it as stored, without taking "&" for a shortcut mark.

#include "apoio_busca.h"
#include "apoio_conversao.h"
#include "apoio_robustez.h"
#include "botao_figura.h"
#include "elisao.h"
#include "exigir.h"
#include "fixtures.h"
#include "grade.h"
#include "grade_html.h"
#include "programa.h"
#include "unit_FormBuscaEstrutura.h"
#include "unit_FormBuscaTituloAZ.h"
#include "unit_FormDescricao.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabuaTitulo.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Family 2113 of subgroup 211, its occupation 2113-01 (CIUO88 group 9901,
// previous-edition occupation 99901) and a synonym; family 2111 is related
// to 2113. Every title holds "zeta".
const QString familia = u"Zetas & <b>afins</b> &amp; <i>cia</i>"_s;
const QString ocupacao = u"Zeta & <b>clínico</b> <script>x</script>"_s;
const QString sinonimo = u"A&B <i>zeta</i> &amp; cia"_s;
const QString antiga = u"Zeta antiga & <b>múltipla</b> 100%"_s;
const QString grupo = u"Grupo & <i>amplo</i> zeta"_s;
// Family 2114, whose title does not fit the conversion heading.
const QString familiaLonga = u"Profissionais de atendimento, orientação e acompanhamento de "
                             u"pessoas em serviços gerais & <b>afins</b>, em estabelecimentos "
                             u"públicos e privados de qualquer porte"_s;

QString banco() {
    fixtures::Classificacao classificacao(u"basica"_s);
    classificacao.linha(u"TFamilia"_s, {u"2113"_s, familia, u"Descrição."_s, u"211"_s})
        .linha(u"TGrupo_Base_CIUO88"_s, {u"9901"_s, grupo})
        .linha(u"TOcupacao"_s, {u"12"_s, u"2113"_s, u"01"_s, ocupacao, u"9901"_s})
        .linha(u"TSinonimo"_s, {u"12"_s, sinonimo, u"90"_s})
        .linha(u"TOcupacao94"_s, {u"99901"_s, antiga, u"AT"_s})
        .linha(u"TOcup_2000_94"_s, {u"12"_s, u"99901"_s})
        .linha(u"TFamilia"_s, {u"2114"_s, familiaLonga, u"Descrição."_s, u"211"_s})
        .linha(u"TOcupacao"_s, {u"13"_s, u"2114"_s, u"01"_s, u"Atendente"_s, u"9901"_s})
        .linha(u"TOcup_2000_94"_s, {u"13"_s, u"99901"_s})
        .linha(u"TAfinidade"_s, {u"2111"_s, u"2113"_s});
    return classificacao.criar();
}

void buscar(QLineEdit *caixa, const QString &texto) {
    caixa->clear();
    programa::digitar(caixa, texto);
    programa::enter(caixa);
}

void escolherPeloInicio(QComboBox *lista, const QString &inicio) {
    const int indice = lista->findText(inicio, Qt::MatchStartsWith);
    QVERIFY2(indice >= 0, qPrintable(inicio));
    lista->setCurrentIndex(indice);
}

void abrirFamilia(const QString &codigo) {
    obj_Form_FormDescricao->strCodigoFamilia = codigo;
    apoio_busca::irPara(obj_Form_FormDescricao);
}

// Shows the grid `lista` names, filled as its screen fills it.
Grade *mostrar(const QString &lista) {
    if (lista == u"busca"_s) {
        apoio_busca::irPara(obj_Form_FormInicial);
        buscar(obj_Form_FormInicial->obj_Edit_BuscaTitulo, u"zeta"_s);
        return obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ;
    }
    if (lista == u"código"_s) {
        apoio_busca::irPara(obj_Form_FormInicial);
        buscar(obj_Form_FormInicial->obj_Edit_BuscaCodigo, u"2113"_s);
        return obj_Form_FormRespostaBuscaCodigo->obj_SortGrid_BuscaTitulosAZ;
    }
    if (lista == u"A-Z"_s) {
        Tobj_Form_FormBuscaTituloAZ *az = obj_Form_FormBuscaTituloAZ;
        apoio_busca::irPara(az);
        az->obj_Edit_BuscaTitulosAZ->setText(u"zeta"_s);
        programa::clicar(az->obj_Bt_BuscaTitulosAZ_Ok, QPoint(5, 5));
        return az->obj_SortGrid_BuscaTitulosAZ;
    }
    if (lista == u"estrutura"_s) {
        Tobj_Form_FormBuscaEstrutura *estrutura = obj_Form_FormBuscaEstrutura;
        apoio_busca::irPara(estrutura);
        escolherPeloInicio(estrutura->obj_ComboBoxGrandeGrupo, u"2 "_s);
        escolherPeloInicio(estrutura->obj_ComboBoxSGP, u"21"_s);
        escolherPeloInicio(estrutura->obj_ComboBoxSubGrupo, u"211"_s);
        return estrutura->obj_SortGrid_BuscaEstrutura;
    }
    if (lista == u"títulos da família"_s) {
        abrirFamilia(u"2113"_s);
        return obj_Form_FormDescricao->obj_SortGrid_Tabua_Codigo;
    }
    if (lista == u"famílias afins"_s) {
        abrirFamilia(u"2111"_s);
        return obj_Form_FormDescricao->obj_Grid_Familias_Afins;
    }
    apoio_conversao::converter(u"tabua"_s, u"CIUO88"_s, u"ZEL2002"_s, u"9901"_s);
    return obj_Form_FormRespostaTabua->obj_SortGrid_Tabua_Codigo;
}

// The row of `grade` whose column `coluna` shows `texto`, -1 when none.
int linhaQueMostra(const Grade &grade, int coluna, const QString &texto) {
    for (int linha = 0; linha < grade.totalLinhas(); ++linha)
        if (grade.textoVisivel(coluna, linha) == texto)
            return linha;
    return -1;
}

QStringList textosDaColuna(const Grade &grade, int coluna) {
    QStringList textos;
    for (int linha = 0; linha < grade.totalLinhas(); ++linha)
        textos << grade.textoVisivel(coluna, linha);
    return textos;
}

// The width of a label laid out as plain text, every "&" and "<" drawn:
// markup or a shortcut mark would make it narrower.
int larguraSimples(const QLabel *rotulo) {
    return QFontMetrics(rotulo->font()).horizontalAdvance(rotulo->text());
}

// Capitals as the screens write them.
QString caixaAlta(const QString &texto) {
    return texto.toUpper();
}

} // namespace

class TesteTextoGravadoTelas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void celulas_data();
    void celulas();
    void cabecalhos_data();
    void cabecalhos();
    void conversaoPorTitulo_data();
    void conversaoPorTitulo();
};

void TesteTextoGravadoTelas::initTestCase() {
    robustez::iniciar(banco());
}

void TesteTextoGravadoTelas::cleanup() {
    programa::encerrarTeste();
}

void TesteTextoGravadoTelas::celulas_data() {
    QTest::addColumn<QString>("lista");
    QTest::addColumn<int>("coluna");
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<char>("estilo"); // R regular, N bold, I italic

    QTest::newRow("busca, família") << u"busca"_s << 0 << familia << 'R';
    QTest::newRow("busca, ocupação") << u"busca"_s << 0 << ocupacao << 'R';
    QTest::newRow("busca, sinônimo") << u"busca"_s << 0 << sinonimo << 'R';
    QTest::newRow("código, família") << u"código"_s << 1 << caixaAlta(familia) << 'R';
    QTest::newRow("código, ocupação") << u"código"_s << 1 << ocupacao << 'N';
    QTest::newRow("A-Z, família") << u"A-Z"_s << 0 << caixaAlta(familia) << 'R';
    QTest::newRow("A-Z, ocupação") << u"A-Z"_s << 0 << ocupacao << 'N';
    QTest::newRow("A-Z, sinônimo") << u"A-Z"_s << 0 << sinonimo << 'I';
    QTest::newRow("estrutura") << u"estrutura"_s << 0 << u"2113 - "_s + caixaAlta(familia) << 'R';
    QTest::newRow("títulos da família, ocupação")
        << u"títulos da família"_s << 0 << u"2113-01  "_s + ocupacao << 'N';
    QTest::newRow("títulos da família, sinônimo")
        << u"títulos da família"_s << 1 << sinonimo << 'R';
    QTest::newRow("famílias afins") << u"famílias afins"_s << 0 << u"2113 - "_s + familia << 'R';
    QTest::newRow("conversão") << u"conversão"_s << 0 << u"2113-01 - "_s + ocupacao << 'N';
}

// The title shows in its cell as stored, in one style over the whole cell;
// "Copiar" copies it and the accessible table reads it as stored.
void TesteTextoGravadoTelas::celulas() {
    QFETCH(QString, lista);
    QFETCH(int, coluna);
    QFETCH(QString, esperado);
    QFETCH(char, estilo);
    Grade *grade = mostrar(lista);
    const int linha = linhaQueMostra(*grade, coluna, esperado);
    QVERIFY2(linha >= 0, qPrintable(textosDaColuna(*grade, coluna).join(u'\n')));

    const QList<grade_html::Trecho> trechos = grade_html::analisar(grade->celula(coluna, linha));
    QCOMPARE(trechos.size(), 1);
    QCOMPARE(trechos.first().negrito, estilo == 'N');
    QCOMPARE(trechos.first().italico, estilo == 'I');

    grade->selecionarLinhas(linha, linha);
    grade->copiar();
    QCOMPARE(QGuiApplication::clipboard()->text().split(u'\t').value(coluna), esperado);

    QAccessibleTableInterface *tabela =
        QAccessible::queryAccessibleInterface(grade)->tableInterface();
    const int linhaAcessivel = linha - (grade->temCabecalho() ? 1 : 0);
    QCOMPARE(tabela->cellAt(linhaAcessivel, coluna)->text(QAccessible::Name), esperado);
}

void TesteTextoGravadoTelas::cabecalhos_data() {
    QTest::addColumn<QString>("origem");
    QTest::addColumn<QString>("de");
    QTest::addColumn<QString>("para");
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("conversão por código")
        << u"tabua"_s << u"CIUO88"_s << u"ZEL2002"_s << u"9901"_s << u"9901 - "_s + grupo;
    QTest::newRow("conversão da família")
        << u"conversao"_s << u"ZEL2002"_s << u"ZEL94"_s << u"2113"_s << u"2113 - "_s + familia;
    QTest::newRow("conversão da família, título cortado")
        << u"conversao"_s << u"ZEL2002"_s << u"ZEL94"_s << u"2114"_s << u"2114 - "_s + familiaLonga;
}

// The heading of the conversion results names the item converted as
// stored: shown, copied and read out so.
void TesteTextoGravadoTelas::cabecalhos() {
    QFETCH(QString, origem);
    QFETCH(QString, de);
    QFETCH(QString, para);
    QFETCH(QString, codigo);
    QFETCH(QString, esperado);
    apoio_conversao::converter(origem, de, para, codigo);
    QLabel *titulo = obj_Form_FormRespostaTabua->findChild<QLabel *>(u"obj_Lb_BemVindo"_s);
    if (elisao::cortado(titulo->text(), esperado))
        QCOMPARE(titulo->toolTip(), esperado);
    else
        QCOMPARE(titulo->text(), esperado);
    titulo->actions().first()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), esperado);
    QCOMPARE(titulo->width(), larguraSimples(titulo));
    // Heard whole, by itself and as what the results table describes.
    QCOMPARE(QAccessible::queryAccessibleInterface(titulo)->text(QAccessible::Name), esperado);
    const QString descricao =
        QAccessible::queryAccessibleInterface(obj_Form_FormRespostaTabua->obj_SortGrid_Tabua_Codigo)
            ->text(QAccessible::Description);
    QVERIFY2(descricao.startsWith(esperado + u", "_s), qPrintable(descricao));
}

void TesteTextoGravadoTelas::conversaoPorTitulo_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QStringList>("titulos");
    QTest::newRow("ZEL94") << u"ZEL94"_s << QStringList{antiga};
    QTest::newRow("CIUO88") << u"CIUO88"_s << QStringList{caixaAlta(grupo)};
    QTest::newRow("ZEL2002") << u"ZEL2002"_s << QStringList{caixaAlta(familia), ocupacao, sinonimo};
}

// Each row of the conversion by title shows its title as stored, as plain
// text that no "&" turns into a shortcut, and its list is heard by it.
void TesteTextoGravadoTelas::conversaoPorTitulo() {
    QFETCH(QString, base);
    QFETCH(QStringList, titulos);
    Tobj_Form_FormTabuaTitulo *busca = obj_Form_FormTabuaTitulo;
    apoio_conversao::irPara(busca);
    EXIGIR(apoio_conversao::escolher(busca->obj_Combo_De, base));
    busca->obj_Edit_ConverteTitulo->clear();
    programa::digitar(busca->obj_Edit_ConverteTitulo, u"zeta"_s);
    programa::clicar(busca->obj_Bt_Converter_Procurar);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabuaTitulo);
    QStringList mostrados;
    for (const auto &linha : obj_Form_FormRespostaTabuaTitulo->linhasTitulos) {
        if (!linha.obj_Lb_Titulo->isVisible())
            continue;
        mostrados << linha.obj_Lb_Titulo->text();
        QCOMPARE(linha.obj_Lb_Titulo->width(), larguraSimples(linha.obj_Lb_Titulo));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(linha.obj_Lb_Titulo)->text(QAccessible::Name),
            linha.obj_Lb_Titulo->text());
        QCOMPARE(QAccessible::queryAccessibleInterface(linha.obj_Combo_De)->text(QAccessible::Name),
                 linha.obj_Lb_Titulo->text());
    }
    mostrados.sort();
    titulos.sort();
    QCOMPARE(mostrados, titulos);
}

QTEST_MAIN(TesteTextoGravadoTelas)
#include "tst_texto_gravado_telas.moc"
