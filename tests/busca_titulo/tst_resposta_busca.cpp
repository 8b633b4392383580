// The search results screen: pages, blocks and the places of the page
// labels, sorting by a header, the double click that opens a family, the
// re-activation after the About screen, and the quick searches of the
// seventeen screens handed to it.

#include "cenario.h"
#include "fixtures.h"
#include "paginador.h"
#include "programa.h"
#include "rotulo_link.h"
#include "unit_FormDescricao.h"
#include "unit_FormInicial.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormRespostaBusca.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString nada = u"Não foi encontrado\rnenhum registro para busca"_s;

// 131 families "Ofício 001" ... "Ofício 131" (codes 5001 ...): "ofício"
// finds them all, "treze" the first 13, "quatorze" the first 14,
// "vinteseis" the first 26. One more family has an empty title.
QString bancoDePaginas() {
    fixtures::Classificacao classificacao(u"basica"_s);
    for (int i = 1; i <= 131; ++i) {
        QString titulo = u"Ofício %1"_s.arg(i, 3, 10, QChar(u'0'));
        if (i <= 13)
            titulo += u" treze"_s;
        if (i <= 14)
            titulo += u" quatorze"_s;
        if (i <= 26)
            titulo += u" vinteseis"_s;
        classificacao.linha(u"TFamilia"_s,
                            {QString::number(5000 + i), titulo, u"Descrição."_s, u"211"_s});
    }
    classificacao.linha(u"TFamilia"_s, {u"5999"_s, QString(), u"Sem título."_s, u"211"_s});
    return classificacao.criar();
}

QString oficio(int i) {
    return u"Ofício %1"_s.arg(i, 3, 10, QChar(u'0'));
}

Tobj_Form_FormRespostaBusca *resposta() {
    return obj_Form_FormRespostaBusca;
}
Grade &grade() {
    return *resposta()->obj_SortGrid_BuscaTitulosAZ;
}
Paginador &paginador() {
    return *resposta()->paginador;
}

// A title search from the home screen's title box.
void buscarNaInicial(const QString &palavra) {
    cenario::irPara(obj_Form_FormInicial);
    programa::digitar(obj_Form_FormInicial->obj_Edit_BuscaTitulo, palavra);
    programa::enter(obj_Form_FormInicial->obj_Edit_BuscaTitulo);
}

// The quick search of a screen, typed and sent with Enter.
void buscaRapida(TelaPrincipal *tela, const QString &palavra) {
    programa::digitar(tela->obj_Edit_BuscaRapida, palavra);
    programa::enter(tela->obj_Edit_BuscaRapida);
}

QList<QLabel *> rotulosVisiveis() {
    const QList<RotuloLink *> rotulos = {
        paginador().obj_Bt_Pagina_Primeiro, paginador().obj_Bt_Pagina_Segundo,
        paginador().obj_Bt_Pagina_Terceiro, paginador().obj_Bt_Pagina_Quarto,
        paginador().obj_Bt_Pagina_Quinto,   paginador().obj_Bt_Pagina_Sexto,
        paginador().obj_Bt_Pagina_Setimo,   paginador().obj_Bt_Pagina_Oitavo,
        paginador().obj_Bt_Pagina_Nono,     paginador().obj_Bt_Pagina_Decimo};
    QList<QLabel *> visiveis;
    for (RotuloLink *rotulo : rotulos)
        if (rotulo->isVisible())
            visiveis << rotulo;
    return visiveis;
}

// Captions of the page labels on view, "*" after the one that cannot be
// clicked; "-" and "+" when shown.
QString pager() {
    QStringList partes;
    if (paginador().obj_Bt_Pagina_Menos->isVisible())
        partes << u"-"_s;
    for (const QLabel *rotulo : rotulosVisiveis())
        partes << rotulo->text() + (rotulo->isEnabled() ? QString() : u"*"_s);
    if (paginador().obj_Bt_Pagina_Mais->isVisible())
        partes << u"+"_s;
    return partes.join(u' ');
}

// Titles of the page on view, each cut to "Ofício NNN".
QStringList titulos() {
    QStringList textos;
    for (const QString &texto : cenario::coluna(grade(), 0, 1))
        textos << texto.left(10);
    return textos;
}

QStringList oficios(int de, int ate) {
    QStringList textos;
    for (int i = de; de <= ate ? i <= ate : i >= ate; de <= ate ? ++i : --i)
        textos << oficio(i);
    return textos;
}

int direita(const QWidget *controle) {
    return controle->x() + controle->width();
}

void clicarCabecalho(int coluna) {
    const QRect celula = grade().retanguloCelula(coluna, 0);
    programa::clicar(grade().viewport(), celula.center());
}

} // namespace

class TesteRespostaBusca : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void paginas_data();
    void paginas();
    void blocosESetas();
    void lugaresDosRotulos();
    void umaLinhaNaoOrdena();
    void ordenacaoSoDaPagina();
    void valorVazioGuardaSuaColuna();
    void colunasCentradas();
    void duploCliqueAbreAFamilia();
    void reativacaoMostraAMesmaPagina();
    void casosDaBuscaRapida_data();
    void casosDaBuscaRapida();
    void buscaRapidaNaPropriaTela();
    void buscaRapidaDeCadaTela_data();
    void buscaRapidaDeCadaTela();
};

void TesteRespostaBusca::initTestCase() {
    programa::instalar(bancoDePaginas());
    programa::iniciar();
}

void TesteRespostaBusca::init() {
    programa::limparEventos();
    programa::avisos();
    programa::erros();
}

void TesteRespostaBusca::cleanup() {
    programa::encerrarTeste();
}

void TesteRespostaBusca::paginas_data() {
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("rotulos");
    QTest::addColumn<int>("linhasPagina2"); // after the next-page arrow; 0: no page 2

    QTest::newRow("13 linhas") << u"treze"_s << 13 << u"1*"_s << 0;
    QTest::newRow("14 linhas") << u"quatorze"_s << 14 << u"1* 2"_s << 1;
    QTest::newRow("26 linhas") << u"vinteseis"_s << 26 << u"1* 2"_s << 13;
    QTest::newRow("131 linhas") << u"ofício"_s << 131 << u"1* 2 3 4 5 6 7 8 9 10 +"_s << 13;
}

// Page 1 on show, the count of the whole result in the header, and the
// next-page arrow.
void TesteRespostaBusca::paginas() {
    QFETCH(QString, palavra);
    QFETCH(int, total);
    QFETCH(QString, rotulos);
    QFETCH(int, linhasPagina2);
    buscarNaInicial(palavra);
    QCOMPARE(navegacao::telaAtual(), resposta());
    const QString cabecalho = u"Resultado de títulos encontrados (%1)"_s.arg(total);
    QCOMPARE(cenario::linhas(grade(), 0),
             QList<QStringList>{(QStringList{cabecalho, u"Famílias"_s, u"Tipo"_s})} +
                 cenario::linhas(grade(), 1));
    QCOMPARE(titulos(), oficios(1, qMin(total, 13)));
    QCOMPARE(grade().celula(1, 1), u"5001"_s);
    QCOMPARE(grade().celula(2, 1), u"Família "_s);
    QCOMPARE(pager(), rotulos);
    QCOMPARE(paginador().obj_Bt_Pagina_Separador1->isVisible(), total > 13);

    programa::mover(paginador().obj_Bt_RespostaBusca_Menos, QPoint(3, 3));
    QCOMPARE(paginador().obj_Bt_RespostaBusca_Menos->cursor().shape(), Qt::ForbiddenCursor);
    programa::mover(paginador().obj_Bt_RespostaBusca_Mais, QPoint(3, 3));
    QCOMPARE(paginador().obj_Bt_RespostaBusca_Mais->cursor().shape(),
             linhasPagina2 ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
    programa::clicar(paginador().obj_Bt_RespostaBusca_Menos);
    QCOMPARE(titulos(), oficios(1, qMin(total, 13)));

    programa::clicar(paginador().obj_Bt_RespostaBusca_Mais);
    QCOMPARE(grade().celula(0, 0), cabecalho);
    if (linhasPagina2 == 0) {
        QCOMPARE(pager(), rotulos);
        QCOMPARE(titulos(), oficios(1, 13));
        return;
    }
    QCOMPARE(titulos(), oficios(14, 13 + linhasPagina2));
    QCOMPARE(paginador().estado().intPaginaAtual(), 2);
    QCOMPARE(grade().larguraColuna(0), 460);
    QCOMPARE(grade().larguraColuna(1), 91);
    QCOMPARE(grade().larguraColuna(2), 92);
}

// 131 rows: 11 pages in two blocks.
void TesteRespostaBusca::blocosESetas() {
    buscarNaInicial(u"ofício"_s);
    programa::clicar(paginador().obj_Bt_Pagina_Mais);
    QCOMPARE(pager(), u"- 11*"_s);
    QCOMPARE(titulos(), QStringList{oficio(131)});
    programa::mover(paginador().obj_Bt_RespostaBusca_Mais, QPoint(3, 3));
    QCOMPARE(paginador().obj_Bt_RespostaBusca_Mais->cursor().shape(), Qt::ForbiddenCursor);

    programa::clicar(paginador().obj_Bt_Pagina_Menos);
    QCOMPARE(pager(), u"1 2 3 4 5 6 7 8 9 10* +"_s);
    QCOMPARE(titulos(), oficios(118, 130));

    programa::clicar(paginador().obj_Bt_RespostaBusca_Mais);
    QCOMPARE(pager(), u"- 11*"_s);
    QCOMPARE(paginador().estado().intBlocoAtual(), 2);
    programa::clicar(paginador().obj_Bt_RespostaBusca_Menos);
    QCOMPARE(pager(), u"1 2 3 4 5 6 7 8 9 10* +"_s);
    QCOMPARE(paginador().estado().intBlocoAtual(), 1);

    // A page label leads to its page.
    programa::clicar(paginador().obj_Bt_Pagina_Terceiro);
    QCOMPARE(pager(), u"1 2 3* 4 5 6 7 8 9 10 +"_s);
    QCOMPARE(titulos(), oficios(27, 39));

    // Shown again by an opener, the screen starts at page 1.
    buscarNaInicial(u"ofício"_s);
    QCOMPARE(pager(), u"1* 2 3 4 5 6 7 8 9 10 +"_s);
    QCOMPARE(titulos(), oficios(1, 13));
}

// In the group box: "-" at 112, 267, the first label at 123, 267, each
// separator and label 5 pixels right of the one before (so "10" pushes "+"),
// the arrows at 579, 269 and 611, 269.
void TesteRespostaBusca::lugaresDosRotulos() {
    buscarNaInicial(u"ofício"_s);
    QWidget *grupo = resposta()->obj_Grupo_Pesquisa;
    QCOMPARE(grupo->geometry(), QRect(16, 112, 681, 314));
    QCOMPARE(paginador().obj_Bt_Pagina_Primeiro->parentWidget(), grupo);
    QCOMPARE(paginador().obj_Bt_Pagina_Primeiro->pos(), QPoint(123, 267));
    QCOMPARE(paginador().obj_Bt_Pagina_Menos->pos(), QPoint(112, 267));
    QCOMPARE(paginador().obj_Bt_RespostaBusca_Menos->pos(), QPoint(579, 269));
    QCOMPARE(paginador().obj_Bt_RespostaBusca_Mais->pos(), QPoint(611, 269));
    QCOMPARE(grade().geometry(), QRect(37, 136, 644, 238));

    const QList<QLabel *> rotulos = rotulosVisiveis();
    QCOMPARE(rotulos.size(), 10);
    const QList<QLabel *> separadores = {
        paginador().obj_Bt_Pagina_Separador1, paginador().obj_Bt_Pagina_Separador2,
        paginador().obj_Bt_Pagina_Separador3, paginador().obj_Bt_Pagina_Separador4,
        paginador().obj_Bt_Pagina_Separador5, paginador().obj_Bt_Pagina_Separador6,
        paginador().obj_Bt_Pagina_Separador7, paginador().obj_Bt_Pagina_Separador8,
        paginador().obj_Bt_Pagina_Separador9};
    for (int k = 1; k < 10; ++k) {
        QCOMPARE(separadores[k - 1]->x(), direita(rotulos[k - 1]) + 5);
        QCOMPARE(rotulos[k]->x(), direita(separadores[k - 1]) + 5);
        QCOMPARE(rotulos[k]->y(), 267);
    }
    QVERIFY(rotulos[9]->width() > rotulos[8]->width());
    QCOMPARE(paginador().obj_Bt_Pagina_Mais->x(), direita(rotulos[9]) + 5);

    // Block 2: its only label takes the first place, "11" being wider.
    programa::clicar(paginador().obj_Bt_Pagina_Mais);
    QCOMPARE(paginador().obj_Bt_Pagina_Primeiro->text(), u"11"_s);
    QCOMPARE(paginador().obj_Bt_Pagina_Primeiro->pos(), QPoint(123, 267));
    QVERIFY(paginador().obj_Bt_Pagina_Primeiro->width() > rotulos[8]->width());
    QVERIFY(direita(paginador().obj_Bt_Pagina_Primeiro) < 579);
}

void TesteRespostaBusca::umaLinhaNaoOrdena() {
    buscarNaInicial(u"Ofício 007"_s);
    QCOMPARE(grade().totalLinhas(), 2);
    clicarCabecalho(0);
    clicarCabecalho(2);
    QCOMPARE(grade().colunaOrdenacao(), 0);
    QVERIFY(!grade().ordemDescendente());
    QCOMPARE(titulos(), QStringList{oficio(7)});
}

// A click on a header sorts the page on view only; the next fill shows the
// query's order again, the sort column and direction kept.
void TesteRespostaBusca::ordenacaoSoDaPagina() {
    buscarNaInicial(u"vinteseis"_s);
    clicarCabecalho(0);
    QVERIFY(grade().ordemDescendente());
    QCOMPARE(titulos(), oficios(13, 1));
    programa::clicar(paginador().obj_Bt_RespostaBusca_Mais);
    QCOMPARE(titulos(), oficios(14, 26));
    programa::clicar(paginador().obj_Bt_RespostaBusca_Menos);
    QCOMPARE(titulos(), oficios(1, 13));
    QCOMPARE(grade().colunaOrdenacao(), 0);
    QVERIFY(grade().ordemDescendente());
    clicarCabecalho(0); // back to ascending for the tests after this one
}

// A row whose title is empty keeps its code and kind in their columns.
void TesteRespostaBusca::valorVazioGuardaSuaColuna() {
    buscarNaInicial(u"%"_s);
    QCOMPARE(cenario::linhas(grade(), 1).first(), (QStringList{u" "_s, u"5999"_s, u"Família "_s}));
}

// Columns 1 and 2 centred, column 0 left-aligned: the ink of a cell, read
// from the painted grid ("Família " centres its trailing blank too).
void TesteRespostaBusca::colunasCentradas() {
    buscarNaInicial(u"treze"_s);
    const QImage imagem = grade().viewport()->grab().toImage();
    const QColor fundo(255, 247, 223);
    for (int coluna = 0; coluna < 3; ++coluna) {
        for (int linha = 0; linha < 2; ++linha) {
            const QRect celula = grade().retanguloCelula(coluna, linha).adjusted(2, 2, -2, -2);
            const QColor fundoCelula = linha == 0 ? QColor(0xFE, 0xEE, 0xBD) : fundo;
            int esquerda = celula.right();
            int direitaTinta = celula.left();
            for (int y = celula.top(); y <= celula.bottom(); ++y)
                for (int x = celula.left(); x <= celula.right(); ++x)
                    if (imagem.pixelColor(x, y) != fundoCelula) {
                        esquerda = qMin(esquerda, x);
                        direitaTinta = qMax(direitaTinta, x);
                    }
            const int folgaEsquerda = esquerda - celula.left();
            const int folgaDireita = celula.right() - direitaTinta;
            QVERIFY2(folgaEsquerda < celula.width() / 2, "célula sem texto");
            if (coluna == 0)
                QVERIFY(folgaEsquerda < 6);
            else
                QVERIFY2(qAbs(folgaEsquerda - folgaDireita) <= 5,
                         qPrintable(u"coluna %1 linha %2: %3 | %4"_s.arg(coluna)
                                        .arg(linha)
                                        .arg(folgaEsquerda)
                                        .arg(folgaDireita)));
        }
    }
}

// The family code of column 1: an occupation's row opens its family. The
// header row and the area below the last row open nothing.
void TesteRespostaBusca::duploCliqueAbreAFamilia() {
    buscarNaInicial(u"cirurgião"_s);
    QCOMPARE(cenario::linhas(grade(), 1),
             (QList<QStringList>{{u"Cirurgião geral"_s, u"2111"_s, u"Sinônimo"_s},
                                 {u"Cirurgião-dentista clínico geral"_s, u"2112"_s, u"Ocupação"_s},
                                 {u"Médico cirurgião"_s, u"2111"_s, u"Ocupação"_s}}));
    QWidget *area = grade().viewport();
    QTest::mouseDClick(area, Qt::LeftButton, {}, grade().retanguloCelula(1, 0).center());
    QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(100, 17 * 6));
    QCOMPARE(navegacao::telaAtual(), resposta());
    QVERIFY(programa::erros().isEmpty());
    QTest::mouseDClick(area, Qt::LeftButton, {}, grade().retanguloCelula(0, 2).center());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricao);
    QCOMPARE(obj_Form_FormDescricao->strCodigoFamilia, u"2112"_s);
    cenario::irPara(resposta());
    QTest::mouseDClick(area, Qt::LeftButton, {}, grade().retanguloCelula(2, 3).center());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricao);
    QCOMPARE(obj_Form_FormDescricao->strCodigoFamilia, u"2111"_s);
    QVERIFY(!resposta()->isVisible());
}

// The About screen going away fills the same page again; a notice closing
// fills nothing.
void TesteRespostaBusca::reativacaoMostraAMesmaPagina() {
    buscarNaInicial(u"vinteseis"_s);
    programa::clicar(paginador().obj_Bt_Pagina_Segundo);
    programa::limparEventos();
    navegacao::mostrarSobre();
    navegacao::sobreFechado();
    QCOMPARE(programa::eventos(), QStringList{u"FormRespostaBusca ativada"_s});
    QCOMPARE(titulos(), oficios(14, 26));
    QCOMPARE(pager(), u"1 2*"_s);

    programa::limparEventos();
    grade().definirCelula(0, 1, u"marca"_s);
    QVERIFY(programa::fecharAvisoReal([] { aviso::prcMostrarAviso(nada); }));
    QVERIFY(programa::eventos().isEmpty());
    QCOMPARE(grade().celula(0, 1), u"marca"_s);
}

void TesteRespostaBusca::casosDaBuscaRapida_data() {
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<QString>("padrao"); // what was searched, when something is found

    QTest::newRow("vazia") << QString() << u"Digite a palavra para Busca"_s << QString();
    QTest::newRow("nada") << u"xyzzy"_s << nada << QString();
    QTest::newRow("branco não é vazio") << u" "_s << QString() << u"% %"_s;
    QTest::newRow("dois brancos") << u"o  t"_s << nada << QString();
    QTest::newRow("curinga _") << u"of_cio 00_ "_s << QString() << u"%ofício 00_ %"_s;
    QTest::newRow("curinga %") << u"%"_s << QString() << u"%"_s;
    QTest::newRow("sem acento nem caixa") << u"OFICIO 12"_s << QString() << u"%ofício 12%"_s;
}

// The quick search of the title search screen: a refused or fruitless search
// leaves the user there with the text in the box; one that finds rows
// empties the box and lists them.
void TesteRespostaBusca::casosDaBuscaRapida() {
    QFETCH(QString, palavra);
    QFETCH(QString, aviso);
    QFETCH(QString, padrao);
    TelaPrincipal *busca = navegacao::tela(IdTela::FormBusca);
    cenario::irPara(busca);
    busca->obj_Edit_BuscaRapida->clear();
    busca->obj_Bt_Home->setFocus();
    programa::digitar(busca->obj_Edit_BuscaRapida, palavra);
    programa::clicar(busca->obj_Bt_BuscaRapida_Ok);
    QCOMPARE(programa::avisos(), aviso.isEmpty() ? QStringList() : QStringList{aviso});
    if (padrao.isEmpty()) {
        QCOMPARE(navegacao::telaAtual(), busca);
        QCOMPARE(busca->obj_Edit_BuscaRapida->text(), palavra);
        if (palavra.isEmpty())
            QCOMPARE(busca->focusWidget(), busca->obj_Edit_BuscaRapida);
        return;
    }
    QCOMPARE(navegacao::telaAtual(), resposta());
    QCOMPARE(busca->obj_Edit_BuscaRapida->text(), QString());
    QCOMPARE(grade().celula(0, 0),
             u"Resultado de títulos encontrados (%1)"_s.arg(cenario::contarTitulos(padrao)));
}

// Typed on the results screen, the quick search replaces the list at once
// from page 1; nothing is shown or hidden. One that finds nothing keeps the
// list on view and the query it reads.
void TesteRespostaBusca::buscaRapidaNaPropriaTela() {
    buscarNaInicial(u"vinteseis"_s);
    programa::clicar(paginador().obj_Bt_Pagina_Segundo);
    programa::limparEventos();
    buscaRapida(resposta(), u"treze"_s);
    QVERIFY(programa::eventos().isEmpty());
    QCOMPARE(resposta()->strOrigem, u"rapidaRespostaBusca"_s);
    QCOMPARE(&resposta()->consultaDeOrigem(), &resposta()->buscaRapida.obj_DB_QUERY_BuscaRapida);
    QCOMPARE(grade().celula(0, 0), u"Resultado de títulos encontrados (13)"_s);
    QCOMPARE(titulos(), oficios(1, 13));
    QCOMPARE(pager(), u"1*"_s);
    QCOMPARE(resposta()->obj_Edit_BuscaRapida->text(), QString());

    buscaRapida(resposta(), u"xyzzy"_s);
    QCOMPARE(programa::avisos(), QStringList{nada});
    QCOMPARE(resposta()->obj_Edit_BuscaRapida->text(), u"xyzzy"_s);
    QCOMPARE(titulos(), oficios(1, 13));
    QVERIFY(programa::eventos().isEmpty());
    navegacao::mostrarSobre();
    navegacao::sobreFechado();
    QCOMPARE(programa::eventos(), QStringList{u"FormRespostaBusca ativada"_s});
    QCOMPARE(grade().celula(0, 0), u"Resultado de títulos encontrados (13)"_s);
    QCOMPARE(titulos(), oficios(1, 13));
    resposta()->obj_Edit_BuscaRapida->clear();
}

void TesteRespostaBusca::buscaRapidaDeCadaTela_data() {
    QTest::addColumn<int>("tela");
    QTest::addColumn<QString>("tag");
    const QList<std::pair<IdTela, QString>> telas = {
        {IdTela::FormInicial, u"rapida"_s},
        {IdTela::FormBusca, u"rapidaBuscaTitulo"_s},
        {IdTela::FormBuscaCodigo, u"rapidaBuscaPorCodigo"_s},
        {IdTela::FormBuscaEstrutura, u"rapidaBuscaEstrutura"_s},
        {IdTela::FormBuscaTituloAZ, u"rapidaBuscaTitulosAZ"_s},
        {IdTela::FormInformacoes, u"rapidaInformacoes"_s},
        {IdTela::FormLegislacao, u"rapidaLegislacao"_s},
        {IdTela::FormRegulamentacao, u"rapidaRegulamentacao"_s},
        {IdTela::FormTabua, u"rapidaTabua"_s},
        {IdTela::FormTabuaTitulo, u"rapidaTabuaTitulo"_s},
        {IdTela::FormRespostaBusca, u"rapidaRespostaBusca"_s},
        {IdTela::FormRespostaBuscaCodigo, u"rapidaBuscaCodigo"_s},
        {IdTela::FormRespostaTabua, u"rapidaRespostaTabua"_s},
        {IdTela::FormDescricao, u"rapidaDescricao"_s},
        {IdTela::FormDescricaoCaracteristicas, u"rapidaDescricaoCaracteristicas"_s},
        {IdTela::FormDescricaoConversao, u"rapidaDescricaoConversao"_s},
        {IdTela::FormRespostaTabuaTitulo, u"rapidaRespostaTabuaTitulo"_s},
    };
    for (const auto &[tela, tag] : telas)
        QTest::newRow(qPrintable(tag)) << int(tela) << tag;
}

// Each screen's quick search finds its own title ("Ofício" and the screen's
// number): the results screen lists the rows of that screen's query, from
// page 1, and the screen's box is emptied.
void TesteRespostaBusca::buscaRapidaDeCadaTela() {
    QFETCH(int, tela);
    QFETCH(QString, tag);
    TelaPrincipal *origem = navegacao::tela(IdTela(tela));
    if (origem == resposta()) {
        buscarNaInicial(u"vinteseis"_s);
        programa::clicar(paginador().obj_Bt_Pagina_Segundo);
    } else {
        cenario::irPara(origem);
    }
    const QString palavra = oficio(100 + tela);
    buscaRapida(origem, palavra);
    QVERIFY(programa::avisos().isEmpty());
    QVERIFY(programa::erros().isEmpty());
    QCOMPARE(navegacao::telaAtual(), resposta());
    QCOMPARE(resposta()->strOrigem, tag);
    QCOMPARE(&resposta()->consultaDeOrigem(), &origem->buscaRapida.obj_DB_QUERY_BuscaRapida);
    QCOMPARE(grade().celula(0, 0), u"Resultado de títulos encontrados (1)"_s);
    QCOMPARE(cenario::linhas(grade(), 1),
             (QList<QStringList>{{palavra, QString::number(5100 + tela), u"Família "_s}}));
    QCOMPARE(pager(), u"1*"_s);
    QCOMPARE(origem->obj_Edit_BuscaRapida->text(), QString());
    QVERIFY(origem == resposta() || !origem->isVisible());
}

QTEST_MAIN(TesteRespostaBusca)
#include "tst_resposta_busca.moc"
