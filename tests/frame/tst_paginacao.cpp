// The pager's state and arithmetic: page and block counts, the labels a fill
// shows, the actions of the labels and arrows, the rows of a page.

#include "exigir.h"
#include "paginacao.h"

#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The pager as a line of text: "(n)" a disabled label, "n" an enabled one,
// "|" a separator shown between two labels, "-" and "+" the block labels.
QString desenho(const Disposicao &disposicao) {
    QStringList partes;
    if (disposicao.menos)
        partes << QStringLiteral("-");
    QStringList rotulos;
    for (const RotuloPagina &rotulo : disposicao.rotulos) {
        const QString numero = QString::number(rotulo.numero);
        rotulos << (rotulo.habilitado ? numero : u'(' + numero + u')');
    }
    partes << rotulos.join(disposicao.separadores ? QStringLiteral("|") : QStringLiteral(" "));
    if (disposicao.mais)
        partes << QStringLiteral("+");
    return partes.join(u' ');
}

// Plays a screen's use of the pager: a fill on activation, then the given
// clicks, each followed by a fill when it changed the page. A number clicks
// the page label that carries it, which must be on view and enabled; "-" and
// "+" must be on view; ">" and "<" are the arrows. Leaves the last fill's
// result in `disposicao`.
void percorrer(EstadoPaginacao &estado, int total, const QString &acoes, Disposicao &disposicao) {
    disposicao = estado.dispor(total);
    for (const QString &acao : acoes.split(u' ', Qt::SkipEmptyParts)) {
        bool mudou = true;
        if (acao == u"-") {
            QVERIFY2(disposicao.menos, "\"-\" is not on view");
            mudou = estado.blocoAnterior();
        } else if (acao == u"+") {
            QVERIFY2(disposicao.mais, "\"+\" is not on view");
            mudou = estado.proximoBloco();
        } else if (acao == u">") {
            mudou = estado.proximaPagina();
        } else if (acao == u"<") {
            mudou = estado.paginaAnterior();
        } else {
            const RotuloPagina clicado{acao.toInt(), true};
            QVERIFY2(std::ranges::find(disposicao.rotulos, clicado) != disposicao.rotulos.end(),
                     qPrintable(u"label "_s + acao + u" is not on view or not enabled"_s));
            estado.irParaPagina(clicado.numero);
        }
        if (mudou)
            disposicao = estado.dispor(total);
    }
}

} // namespace

class TestePaginacao : public QObject {
    Q_OBJECT
private slots:
    void contagens_data();
    void contagens();
    void percursos_data();
    void percursos();
    void linhasDaPagina_data();
    void linhasDaPagina();
    void contagensFicamQuandoCabeNumaPagina();
    void rotuloDeixadoDeOutroResultado();
};

void TestePaginacao::contagens_data() {
    QTest::addColumn<int>("linhas");
    QTest::addColumn<int>("porBloco");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("paginas");
    QTest::addColumn<int>("blocos");

    QTest::newRow("nenhuma linha") << 13 << 10 << 0 << 1 << 1;
    QTest::newRow("cabe numa página") << 13 << 10 << 13 << 1 << 1;
    QTest::newRow("uma linha a mais arredonda para cima") << 13 << 10 << 14 << 2 << 1;
    QTest::newRow("divisão exata") << 13 << 10 << 26 << 2 << 1;
    QTest::newRow("divisão exata mais um") << 13 << 10 << 27 << 3 << 1;
    QTest::newRow("dez páginas, um bloco") << 13 << 10 << 130 << 10 << 1;
    QTest::newRow("onze páginas, dois blocos") << 13 << 10 << 131 << 11 << 2;
    QTest::newRow("cem páginas, dez blocos") << 13 << 10 << 1300 << 100 << 10;
    QTest::newRow("cento e uma páginas") << 13 << 10 << 1301 << 101 << 11;
    QTest::newRow("índice A-Z") << 11 << 10 << 12 << 2 << 1;
    QTest::newRow("oito por página") << 8 << 10 << 17 << 3 << 1;
    QTest::newRow("sem blocos") << 5 << EstadoPaginacao::semBlocos << 12 << 3 << 1;
    QTest::newRow("resultado enorme") << 13 << 10 << 2'000'000'000 << 153'846'154 << 15'384'616;
}

void TestePaginacao::contagens() {
    QFETCH(int, linhas);
    QFETCH(int, porBloco);
    QFETCH(int, total);
    QFETCH(int, paginas);
    QFETCH(int, blocos);

    EstadoPaginacao estado(linhas, porBloco);
    estado.dispor(total);
    QCOMPARE(estado.fltTotalPaginas(), static_cast<long double>(paginas));
    QCOMPARE(estado.fltTotalBlocos(), static_cast<long double>(blocos));
}

void TestePaginacao::percursos_data() {
    QTest::addColumn<int>("linhas");
    QTest::addColumn<int>("porBloco");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("acoes");
    QTest::addColumn<int>("pagina");
    QTest::addColumn<int>("bloco");
    QTest::addColumn<QString>("rotulos");
    QTest::addColumn<int>("registros");
    QTest::addColumn<bool>("anterior"); // the arrows' cursor: hand (true) or no-drop
    QTest::addColumn<bool>("proxima");

    const int semBlocos = EstadoPaginacao::semBlocos;

    QTest::newRow("13: uma página")
        << 13 << 10 << 13 << "" << 1 << 1 << "(1)" << 13 << false << false;
    QTest::newRow("13: as setas não fazem nada")
        << 13 << 10 << 13 << "> <" << 1 << 1 << "(1)" << 13 << false << false;
    QTest::newRow("14: duas páginas")
        << 13 << 10 << 14 << "" << 1 << 1 << "(1)|2" << 13 << false << true;
    QTest::newRow("14: a seta seguinte leva à página 2")
        << 13 << 10 << 14 << ">" << 2 << 1 << "1|(2)" << 1 << true << false;
    QTest::newRow("14: da última página a seta seguinte não sai")
        << 13 << 10 << 14 << "> >" << 2 << 1 << "1|(2)" << 1 << true << false;
    QTest::newRow("14: o rótulo 1 volta")
        << 13 << 10 << 14 << "> 1" << 1 << 1 << "(1)|2" << 13 << false << true;
    QTest::newRow("26: a página 2 está cheia")
        << 13 << 10 << 26 << ">" << 2 << 1 << "1|(2)" << 13 << true << false;
    QTest::newRow("0: uma página vazia")
        << 13 << 10 << 0 << "> <" << 1 << 1 << "(1)" << 0 << false << false;
    QTest::newRow("130: dez páginas sem \"+\"")
        << 13 << 10 << 130 << "10 >" << 10 << 1 << "1|2|3|4|5|6|7|8|9|(10)" << 13 << true << false;
    QTest::newRow("131: bloco 1 e \"+\"")
        << 13 << 10 << 131 << "" << 1 << 1 << "(1)|2|3|4|5|6|7|8|9|10 +" << 13 << false << true;
    QTest::newRow("131: um rótulo do bloco")
        << 13 << 10 << 131 << "7" << 7 << 1 << "1|2|3|4|5|6|(7)|8|9|10 +" << 13 << true << true;
    QTest::newRow("131: \"+\" abre a página 11")
        << 13 << 10 << 131 << "+" << 11 << 2 << "- (11)" << 1 << true << false;
    QTest::newRow("131: \"-\" volta à página 10")
        << 13 << 10 << 131 << "+ -" << 10 << 1 << "1|2|3|4|5|6|7|8|9|(10) +" << 13 << true << true;
    QTest::newRow("131: da página 10 a seta seguinte muda de bloco")
        << 13 << 10 << 131 << "10 >" << 11 << 2 << "- (11)" << 1 << true << false;
    QTest::newRow("131: da página 11 a seta anterior volta ao bloco 1")
        << 13 << 10 << 131 << "+ <" << 10 << 1 << "1|2|3|4|5|6|7|8|9|(10) +" << 13 << true << true;
    QTest::newRow("300: bloco do meio com \"-\" e \"+\"")
        << 13 << 10 << 300 << "+" << 11 << 2 << "- (11)|12|13|14|15|16|17|18|19|20 +" << 13 << true
        << true;
    QTest::newRow("300: último bloco incompleto")
        << 13 << 10 << 300 << "+ + 24" << 24 << 3 << "- 21|22|23|(24)" << 1 << true << false;
    QTest::newRow("300: \"-\" do último bloco")
        << 13 << 10 << 300 << "+ + -" << 20 << 2 << "- 11|12|13|14|15|16|17|18|19|(20) +" << 13
        << true << true;
    QTest::newRow("300: setas através de dois blocos")
        << 13 << 10 << 300 << "+ + < < > > >" << 22 << 3 << "- 21|(22)|23|24" << 13 << true << true;
    QTest::newRow("A-Z: 11 numa página")
        << 11 << 10 << 11 << "" << 1 << 1 << "(1)" << 11 << false << false;
    QTest::newRow("A-Z: 12 em duas")
        << 11 << 10 << 12 << ">" << 2 << 1 << "1|(2)" << 1 << true << false;
    QTest::newRow("oito: primeira página")
        << 8 << 10 << 17 << "" << 1 << 1 << "(1)|2|3" << 8 << false << true;
    QTest::newRow("oito: segunda página")
        << 8 << 10 << 17 << ">" << 2 << 1 << "1|(2)|3" << 8 << true << true;
    QTest::newRow("oito: terceira página")
        << 8 << 10 << 17 << "> >" << 3 << 1 << "1|2|(3)" << 1 << true << false;
    QTest::newRow("estrutura: 5 famílias")
        << 5 << semBlocos << 5 << "> <" << 1 << 1 << "(1)" << 5 << false << false;
    QTest::newRow("estrutura: 12 famílias")
        << 5 << semBlocos << 12 << "" << 1 << 1 << "(1) 2" << 5 << false << true;
    QTest::newRow("estrutura: rótulo 2")
        << 5 << semBlocos << 12 << "2" << 2 << 1 << "1 (2)" << 5 << true << true;
    QTest::newRow("estrutura: a seta chega à página 3")
        << 5 << semBlocos << 12 << "> >" << 3 << 1 << "1 2" << 2 << true << false;
    QTest::newRow("estrutura: da página 3 o rótulo 1")
        << 5 << semBlocos << 12 << "> > 1" << 1 << 1 << "(1) 2" << 5 << false << true;
    QTest::newRow("estrutura: muitas páginas sem blocos")
        << 5 << semBlocos << 60 << "> > > > > > > > > > < <" << 9 << 1 << "1 2" << 5 << true
        << true;
}

void TestePaginacao::percursos() {
    QFETCH(int, linhas);
    QFETCH(int, porBloco);
    QFETCH(int, total);
    QFETCH(QString, acoes);
    QFETCH(int, pagina);
    QFETCH(int, bloco);
    QFETCH(QString, rotulos);
    QFETCH(int, registros);
    QFETCH(bool, anterior);
    QFETCH(bool, proxima);

    EstadoPaginacao estado(linhas, porBloco);
    Disposicao disposicao;
    EXIGIR(percorrer(estado, total, acoes, disposicao));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(estado.intPaginaAtual(), pagina);
    QCOMPARE(estado.intBlocoAtual(), bloco);
    QCOMPARE(desenho(disposicao), rotulos);
    QCOMPARE(estado.registrosNaPagina(total), registros);
    QCOMPARE(disposicao.linhasAPular, (pagina - 1) * linhas);
    QCOMPARE(estado.haPaginaAnterior(), anterior);
    QCOMPARE(estado.haProximaPagina(), proxima);
}

void TestePaginacao::linhasDaPagina_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("pagina");
    QTest::addColumn<int>("registros");
    QTest::addColumn<int>("grade");

    QTest::newRow("resultado vazio deixa uma linha vazia") << 0 << 1 << 0 << 1;
    QTest::newRow("uma linha") << 1 << 1 << 1 << 1;
    QTest::newRow("página cheia") << 13 << 1 << 13 << 13;
    QTest::newRow("primeira de duas") << 14 << 1 << 13 << 13;
    QTest::newRow("última com uma linha") << 14 << 2 << 1 << 1;
    QTest::newRow("última cheia") << 26 << 2 << 13 << 13;
    QTest::newRow("além do fim") << 14 << 3 << 0 << 1;
}

void TestePaginacao::linhasDaPagina() {
    QFETCH(int, total);
    QFETCH(int, pagina);
    QFETCH(int, registros);
    QFETCH(int, grade);

    EstadoPaginacao estado(13, 10);
    estado.irParaPagina(pagina);
    QCOMPARE(estado.registrosNaPagina(total), registros);
    QCOMPARE(estado.linhasNaGrade(total), grade);
}

// A result that fits on one page leaves the counts of the last larger one:
// the screens reset the state before a new result, and only the reset brings
// the counts back to one.
void TestePaginacao::contagensFicamQuandoCabeNumaPagina() {
    EstadoPaginacao estado(13, 10);
    estado.dispor(131);
    QCOMPARE(desenho(estado.dispor(13)), QStringLiteral("(1) +"));
    QCOMPARE(estado.fltTotalPaginas(), 11.0L);
    QCOMPARE(estado.fltTotalBlocos(), 2.0L);

    estado.reiniciar();
    QCOMPARE(desenho(estado.dispor(13)), QStringLiteral("(1)"));
    QCOMPARE(estado.fltTotalPaginas(), 1.0L);
    QCOMPARE(estado.fltTotalBlocos(), 1.0L);
    QVERIFY(!estado.haProximaPagina());
}

// A screen that finds nothing for a new search resets the state but may
// leave the labels of the previous result on view. Clicking one of them must
// not carry the pager to page 0 or ever further past the end.
void TestePaginacao::rotuloDeixadoDeOutroResultado() {
    EstadoPaginacao estado(13, 10);
    Disposicao disposicao;
    EXIGIR(percorrer(estado, 131, QStringLiteral("+"), disposicao));
    QCOMPARE(estado.intPaginaAtual(), 11);
    estado.reiniciar();

    estado.irParaPagina(11);
    QCOMPARE(estado.intBlocoAtual(), 2);
    QVERIFY(!estado.haProximaPagina());
    QVERIFY(!estado.proximaPagina());
    QCOMPARE(estado.intPaginaAtual(), 11);

    QVERIFY(estado.blocoAnterior());
    QCOMPARE(estado.intPaginaAtual(), 10);
    QCOMPARE(estado.intBlocoAtual(), 1);
    QVERIFY(!estado.blocoAnterior());
    QCOMPARE(estado.intPaginaAtual(), 10);
    QVERIFY(!estado.proximoBloco());
}

QTEST_APPLESS_MAIN(TestePaginacao)
#include "tst_paginacao.moc"
