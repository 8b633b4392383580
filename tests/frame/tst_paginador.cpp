// The pager's controls on a screen: creation, run-time and fixed placement,
// the handlers behind clicks and the arrows' cursors, driven through real
// widgets.

#include "botao_figura.h"
#include "erro.h"
#include "exigir.h"
#include "fontes.h"
#include "fronteira.h"
#include "paginador.h"
#include "rotulo_link.h"
#include "unit_FormBuscaEstrutura.h"
#include "unit_FormBuscaTituloAZ.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The screens' own pager settings: the search results screen places its
// labels at run time, the code search results screen keeps every label at its
// design place, the structure browser has two labels and no blocks.
enum class Forma { Dinamica, Fixa, Reduzida };

ConfiguracaoPaginador configuracao(Forma forma) {
    switch (forma) {
    case Forma::Dinamica:
        return Tobj_Form_FormRespostaBusca::configuracaoPaginador();
    case Forma::Fixa:
        return Tobj_Form_FormRespostaBuscaCodigo::configuracaoPaginador();
    case Forma::Reduzida:
        return Tobj_Form_FormBuscaEstrutura::configuracaoPaginador();
    }
    return {};
}

const QStringList nomesRotulos = {u"obj_Bt_Pagina_Primeiro"_s, u"obj_Bt_Pagina_Segundo"_s,
                                  u"obj_Bt_Pagina_Terceiro"_s, u"obj_Bt_Pagina_Quarto"_s,
                                  u"obj_Bt_Pagina_Quinto"_s,   u"obj_Bt_Pagina_Sexto"_s,
                                  u"obj_Bt_Pagina_Setimo"_s,   u"obj_Bt_Pagina_Oitavo"_s,
                                  u"obj_Bt_Pagina_Nono"_s,     u"obj_Bt_Pagina_Decimo"_s};

// A screen with a pager whose fill lays the pager out for a result of
// `total` rows, as the screens' fill routines do, showing page `pagina`.
struct Tela {
    Tela(Forma forma, int total_, int pagina = 1) : Tela(configuracao(forma), total_) {
        paginador->estado().irParaPagina(pagina);
        paginador->dispor(total);
    }
    Tela(const ConfiguracaoPaginador &configuracao, int total_) : total(total_) {
        janela.resize(713, 460);
        paginador = new Paginador(
            &janela, configuracao,
            [this] {
                ++alimentacoes;
                if (falhar)
                    throw ErroBanco(u"no such table: TFamilia"_s);
                paginador->dispor(total);
            },
            [this] { ++larguras; });
        janela.show();
        paginador->dispor(total); // the activation's fill
    }

    QLabel *rotulo(int k) const {
        return k <= nomesRotulos.size() ? janela.findChild<QLabel *>(nomesRotulos[k - 1]) : nullptr;
    }
    QLabel *separador(int k) const {
        return janela.findChild<QLabel *>(u"obj_Bt_Pagina_Separador"_s + QString::number(k));
    }
    QList<QLabel *> rotulosVisiveis() const {
        QList<QLabel *> visiveis;
        for (int k = 1; rotulo(k) && rotulo(k)->isVisible(); ++k)
            visiveis << rotulo(k);
        return visiveis;
    }

    QWidget janela;
    Paginador *paginador;
    int total;
    int alimentacoes = 0;
    int larguras = 0;
    bool falhar = false;
};

QStringList legendas(const QList<QLabel *> &rotulos) {
    QStringList textos;
    for (const QLabel *rotulo : rotulos)
        textos << rotulo->text();
    return textos;
}

int direita(const QWidget *controle) {
    return controle->x() + controle->width();
}

// Checks the run-time chain: each separator 5 pixels right of the label
// before it, each label 5 pixels right of its separator, "+" 5 pixels right
// of the last label.
void verificarCadeia(const Tela &tela) {
    const QList<QLabel *> rotulos = tela.rotulosVisiveis();
    QVERIFY(!rotulos.isEmpty());
    for (int k = 2; k <= rotulos.size(); ++k) {
        const QLabel *barra = tela.separador(k - 1);
        QVERIFY(barra->isVisible());
        QCOMPARE(barra->x(), direita(rotulos[k - 2]) + 5);
        QCOMPARE(rotulos[k - 1]->x(), direita(barra) + 5);
        QCOMPARE(rotulos[k - 1]->y(), rotulos[0]->y());
    }
    QCOMPARE(tela.paginador->obj_Bt_Pagina_Mais->x(), direita(rotulos.last()) + 5);
}

void clicar(QWidget *controle) {
    QVERIFY2(controle->isVisible(), qPrintable(controle->objectName()));
    QTest::mouseClick(controle, Qt::LeftButton, {}, controle->rect().center());
}

void passarSobre(QWidget *controle) {
    const QPointF local = controle->rect().center();
    QMouseEvent evento(QEvent::MouseMove, local, controle->mapToGlobal(local), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(controle, &evento);
}

} // namespace

Q_DECLARE_METATYPE(Forma)
Q_DECLARE_METATYPE(ConfiguracaoPaginador)

namespace {

// Every screen's pager, for the tests of what each one builds and places.
void linhasDasTelas(bool comBlocos) {
    QTest::addColumn<ConfiguracaoPaginador>("configuracao");
    QTest::newRow("resposta da busca") << Tobj_Form_FormRespostaBusca::configuracaoPaginador();
    QTest::newRow("resposta da busca por código")
        << Tobj_Form_FormRespostaBuscaCodigo::configuracaoPaginador();
    QTest::newRow("títulos de AZ") << Tobj_Form_FormBuscaTituloAZ::configuracaoPaginador();
    QTest::newRow("resposta da tábua") << Tobj_Form_FormRespostaTabua::configuracaoPaginador();
    QTest::newRow("títulos da tábua") << Tobj_Form_FormRespostaTabuaTitulo::configuracaoPaginador();
    if (!comBlocos)
        QTest::newRow("estrutura") << Tobj_Form_FormBuscaEstrutura::configuracaoPaginador();
}

} // namespace

class TestePaginador : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void controlesCriados_data();
    void controlesCriados();
    void colocacaoEmTempoDeExecucao_data();
    void colocacaoEmTempoDeExecucao();
    void lugaresFixosNaoMudam_data();
    void lugaresFixosNaoMudam();
    void tresAlgarismosNaoTocamOsSeparadores_data();
    void tresAlgarismosNaoTocamOsSeparadores();
    void rotulosDeResultadoMenorSomem();
    void formaReduzida();
    void cliques_data();
    void cliques();
    void cursorDasSetas();
    void erroNaAlimentacaoTerminaOClique();
    void teclado_data();
    void teclado();
};

void TestePaginador::initTestCase() {
    fontes::registrarSubstituicoes();
}

void TestePaginador::controlesCriados_data() {
    linhasDasTelas(false);
}

void TestePaginador::controlesCriados() {
    QFETCH(ConfiguracaoPaginador, configuracao);
    const ConfiguracaoPaginador &c = configuracao;
    const bool blocos = c.paginasPorBloco != EstadoPaginacao::semBlocos;
    const int rotulos = blocos ? c.paginasPorBloco : 2;

    QWidget janela;
    auto *paginador = new Paginador(&janela, c, [] {});
    janela.show();

    const auto *paginas = janela.findChild<QLabel *>(u"obj_Lb_Paginas"_s);
    QCOMPARE(paginas, paginador->obj_Lb_Paginas);
    QCOMPARE(paginas->text(), u"Páginas:"_s);
    QCOMPARE(paginas->pos(), c.paginas);
    QVERIFY(paginas->isVisible());

    for (int k = 1; k <= nomesRotulos.size(); ++k) {
        const auto *rotulo = janela.findChild<QLabel *>(nomesRotulos[k - 1]);
        QCOMPARE(rotulo != nullptr, k <= rotulos);
        if (!rotulo)
            continue;
        QCOMPARE(rotulo->text(), QString::number(k));
        QVERIFY(rotulo->isHidden());
        QCOMPARE(rotulo->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(rotulo->font().pixelSize(), 11);
        QCOMPARE(rotulo->font().family(), QFont::substitute(u"Verdana"_s));
        if (k >= 2) {
            const auto *barra =
                janela.findChild<QLabel *>(u"obj_Bt_Pagina_Separador"_s + QString::number(k - 1));
            QCOMPARE(barra->text(), u"|"_s);
            QVERIFY(barra->isHidden());
        }
    }
    QCOMPARE(janela.findChild<QLabel *>(u"obj_Bt_Pagina_Separador"_s + QString::number(rotulos)),
             nullptr);
    QCOMPARE(paginador->obj_Bt_Pagina_Primeiro->pos(), QPoint(c.esquerdaPrimeiro, c.topo));

    const auto *menos = janela.findChild<QLabel *>(u"obj_Bt_Pagina_Menos"_s);
    const auto *mais = janela.findChild<QLabel *>(u"obj_Bt_Pagina_Mais"_s);
    QCOMPARE(menos != nullptr, blocos);
    QCOMPARE(mais != nullptr, blocos);
    if (blocos) {
        QCOMPARE(menos->text(), u"-"_s);
        QCOMPARE(mais->text(), u"+"_s);
        QCOMPARE(menos->pos(), QPoint(c.esquerdaMenos, c.topo));
        QVERIFY(menos->isHidden() && mais->isHidden());
    }

    const auto *anterior = janela.findChild<BotaoFigura *>(u"obj_Bt_RespostaBusca_Menos"_s);
    const auto *proxima = janela.findChild<BotaoFigura *>(u"obj_Bt_RespostaBusca_Mais"_s);
    QCOMPARE(anterior->geometry(), QRect(c.setaAnterior, QSize(11, 10)));
    QCOMPARE(proxima->geometry(), QRect(c.setaProxima, QSize(11, 10)));
    QCOMPARE(anterior->nomeImagem(), u"seta_anterior"_s);
    QCOMPARE(proxima->nomeImagem(), u"seta_proxima"_s);
}

// A two-digit caption is wider than a one-digit one: every label to its
// right moves, with 5 pixels on each side of each separator.
void TestePaginador::colocacaoEmTempoDeExecucao_data() {
    QTest::addColumn<ConfiguracaoPaginador>("configuracao");
    QTest::newRow("resposta da busca") << Tobj_Form_FormRespostaBusca::configuracaoPaginador();
    QTest::newRow("títulos de AZ") << Tobj_Form_FormBuscaTituloAZ::configuracaoPaginador();
}

void TestePaginador::colocacaoEmTempoDeExecucao() {
    QFETCH(ConfiguracaoPaginador, configuracao);
    QVERIFY(!configuracao.lugaresFixos);
    Tela tela(configuracao, 25 * configuracao.linhasPorPagina); // 25 pages, 3 blocks
    EXIGIR(verificarCadeia(tela));
    QList<int> bloco1;
    for (const QLabel *rotulo : tela.rotulosVisiveis())
        bloco1 << rotulo->x();
    QCOMPARE(bloco1.size(), 10);

    EXIGIR(clicar(tela.paginador->obj_Bt_Pagina_Mais));
    QCOMPARE(legendas(tela.rotulosVisiveis()),
             QStringList({"11", "12", "13", "14", "15", "16", "17", "18", "19", "20"}));
    EXIGIR(verificarCadeia(tela));
    const QList<QLabel *> bloco2 = tela.rotulosVisiveis();
    QCOMPARE(bloco2[0]->x(), configuracao.esquerdaPrimeiro);
    QCOMPARE(tela.paginador->obj_Bt_Pagina_Menos->x(), configuracao.esquerdaMenos);
    for (int k = 2; k <= 10; ++k)
        QVERIFY2(bloco2[k - 1]->x() > bloco1[k - 1], qPrintable(bloco2[k - 1]->text()));

    // The last block is shorter; a later fill of a shorter block places the
    // labels again from the first one.
    EXIGIR(clicar(tela.paginador->obj_Bt_Pagina_Mais));
    QCOMPARE(legendas(tela.rotulosVisiveis()), QStringList({"21", "22", "23", "24", "25"}));
    EXIGIR(verificarCadeia(tela));
    QVERIFY(!tela.paginador->obj_Bt_Pagina_Mais->isVisible());
}

void TestePaginador::lugaresFixosNaoMudam_data() {
    QTest::addColumn<ConfiguracaoPaginador>("configuracao");
    QTest::newRow("resposta da busca por código")
        << Tobj_Form_FormRespostaBuscaCodigo::configuracaoPaginador();
    QTest::newRow("resposta da tábua") << Tobj_Form_FormRespostaTabua::configuracaoPaginador();
    QTest::newRow("títulos da tábua") << Tobj_Form_FormRespostaTabuaTitulo::configuracaoPaginador();
}

void TestePaginador::lugaresFixosNaoMudam() {
    QFETCH(ConfiguracaoPaginador, configuracao);
    const ConfiguracaoPaginador &c = configuracao;
    QVERIFY(c.lugaresFixos);
    Tela tela(c, 25 * c.linhasPorPagina);
    const auto verificarLugares = [&] {
        QCOMPARE(tela.rotulo(1)->pos(), QPoint(c.esquerdaPrimeiro, c.topo));
        for (int k = 2; k <= 10; ++k) {
            QCOMPARE(tela.rotulo(k)->pos(), QPoint(c.lugaresFixos->rotulos[k - 2], c.topo));
            QCOMPARE(tela.separador(k - 1)->pos(),
                     QPoint(c.lugaresFixos->separadores[k - 2], c.topo));
        }
        QCOMPARE(tela.paginador->obj_Bt_Pagina_Mais->pos(), QPoint(c.lugaresFixos->mais, c.topo));
    };
    verificarLugares();
    EXIGIR(clicar(tela.paginador->obj_Bt_Pagina_Mais));
    QCOMPARE(tela.rotulosVisiveis().size(), 10);
    QCOMPARE(tela.rotulo(1)->text(), u"11"_s);
    verificarLugares();
}

void TestePaginador::tresAlgarismosNaoTocamOsSeparadores_data() {
    linhasDasTelas(true);
}

// Pages 101 to 110: each label, separator and "+" stands clear of the one
// before it, and no control moves left of its design place.
void TestePaginador::tresAlgarismosNaoTocamOsSeparadores() {
    QFETCH(ConfiguracaoPaginador, configuracao);
    Tela tela(configuracao, 1500 * configuracao.linhasPorPagina);
    for (int bloco = 1; bloco <= 10; ++bloco)
        EXIGIR(clicar(tela.paginador->obj_Bt_Pagina_Mais));
    const QList<QLabel *> rotulos = tela.rotulosVisiveis();
    QCOMPARE(legendas(rotulos).first(), u"101"_s);
    QCOMPARE(rotulos.size(), 10);
    QList<QWidget *> cadeia{rotulos[0]};
    for (int k = 2; k <= rotulos.size(); ++k)
        cadeia << tela.separador(k - 1) << rotulos[k - 1];
    cadeia << tela.paginador->obj_Bt_Pagina_Mais;
    for (int i = 1; i < cadeia.size(); ++i) {
        QVERIFY(cadeia[i]->isVisible());
        QVERIFY2(cadeia[i]->x() > direita(cadeia[i - 1]),
                 qPrintable(cadeia[i - 1]->objectName() + u" / "_s + cadeia[i]->objectName()));
    }
    const ConfiguracaoPaginador &c = configuracao;
    if (c.lugaresFixos)
        for (int k = 2; k <= 10; ++k)
            QVERIFY(rotulos[k - 1]->x() >= c.lugaresFixos->rotulos[k - 2]);
    QVERIFY(direita(cadeia.last()) < c.setaAnterior.x());
}

// The labels of a larger result do not stay on view under a smaller one.
void TestePaginador::rotulosDeResultadoMenorSomem() {
    Tela tela(Forma::Dinamica, 131);
    QCOMPARE(tela.rotulosVisiveis().size(), 10);
    QVERIFY(tela.paginador->obj_Bt_Pagina_Mais->isVisible());

    tela.paginador->reiniciar();
    tela.total = 14;
    tela.paginador->dispor(tela.total);
    QCOMPARE(legendas(tela.rotulosVisiveis()), QStringList({"1", "2"}));
    QVERIFY(!tela.rotulo(1)->isEnabled());
    QVERIFY(tela.rotulo(2)->isEnabled());
    QVERIFY(tela.separador(1)->isVisible());
    for (int k = 2; k <= 9; ++k)
        QVERIFY(!tela.separador(k)->isVisible());
    QVERIFY(!tela.paginador->obj_Bt_Pagina_Mais->isVisible());
    QVERIFY(!tela.paginador->obj_Bt_Pagina_Menos->isVisible());
}

// Two labels at their places, never a separator between them; the arrows
// reach the pages after the second.
void TestePaginador::formaReduzida() {
    const ConfiguracaoPaginador c = configuracao(Forma::Reduzida);
    Tela tela(c, 12);
    QCOMPARE(legendas(tela.rotulosVisiveis()), QStringList({"1", "2"}));
    QVERIFY(!tela.separador(1)->isVisible());
    QCOMPARE(tela.rotulo(2)->pos(), QPoint(c.lugaresFixos->rotulos[0], c.topo));

    EXIGIR(clicar(tela.paginador->obj_Bt_RespostaBusca_Mais));
    EXIGIR(clicar(tela.paginador->obj_Bt_RespostaBusca_Mais));
    QCOMPARE(tela.paginador->estado().intPaginaAtual(), 3);
    QCOMPARE(legendas(tela.rotulosVisiveis()), QStringList({"1", "2"}));
    QVERIFY(tela.rotulo(1)->isEnabled() && tela.rotulo(2)->isEnabled());
    QVERIFY(!tela.separador(1)->isVisible());

    EXIGIR(clicar(tela.rotulo(2)));
    QCOMPARE(tela.paginador->estado().intPaginaAtual(), 2);
    QVERIFY(!tela.rotulo(2)->isEnabled());
}

void TestePaginador::cliques_data() {
    QTest::addColumn<Forma>("forma");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("inicial");
    QTest::addColumn<QString>("controle");
    QTest::addColumn<int>("pagina");
    QTest::addColumn<int>("alimentacoes");
    QTest::addColumn<int>("larguras");

    const QString segundo = u"obj_Bt_Pagina_Segundo"_s;
    const QString primeiro = u"obj_Bt_Pagina_Primeiro"_s;
    const QString menos = u"obj_Bt_Pagina_Menos"_s;
    const QString mais = u"obj_Bt_Pagina_Mais"_s;
    const QString anterior = u"obj_Bt_RespostaBusca_Menos"_s;
    const QString proxima = u"obj_Bt_RespostaBusca_Mais"_s;

    QTest::newRow("rótulo 2") << Forma::Dinamica << 131 << 1 << segundo << 2 << 1 << 0;
    QTest::newRow("rótulo da página atual está desabilitado")
        << Forma::Dinamica << 131 << 1 << primeiro << 1 << 0 << 0;
    QTest::newRow("rótulo lido da legenda") << Forma::Fixa << 300 << 12 << primeiro << 11 << 1 << 0;
    QTest::newRow("\"+\"") << Forma::Fixa << 131 << 1 << mais << 11 << 1 << 0;
    QTest::newRow("\"-\"") << Forma::Dinamica << 131 << 11 << menos << 10 << 1 << 0;
    QTest::newRow("seta seguinte") << Forma::Dinamica << 131 << 1 << proxima << 2 << 1 << 1;
    QTest::newRow("seta anterior") << Forma::Fixa << 131 << 11 << anterior << 10 << 1 << 1;
    QTest::newRow("seta anterior na primeira página")
        << Forma::Dinamica << 131 << 1 << anterior << 1 << 0 << 0;
    QTest::newRow("seta seguinte na última página")
        << Forma::Dinamica << 131 << 11 << proxima << 11 << 0 << 0;
    QTest::newRow("sem blocos: rótulo 1") << Forma::Reduzida << 12 << 3 << primeiro << 1 << 1 << 0;
    QTest::newRow("sem blocos: seta seguinte")
        << Forma::Reduzida << 12 << 2 << proxima << 3 << 1 << 1;
}

void TestePaginador::cliques() {
    QFETCH(Forma, forma);
    QFETCH(int, total);
    QFETCH(int, inicial);
    QFETCH(QString, controle);
    QFETCH(int, pagina);
    QFETCH(int, alimentacoes);
    QFETCH(int, larguras);

    Tela tela(forma, total, inicial);

    EXIGIR(clicar(tela.janela.findChild<QWidget *>(controle)));
    QCOMPARE(tela.paginador->estado().intPaginaAtual(), pagina);
    QCOMPARE(tela.alimentacoes, alimentacoes);
    QCOMPARE(tela.larguras, larguras);
}

void TestePaginador::cursorDasSetas() {
    Tela tela(Forma::Dinamica, 14);
    BotaoFigura *anterior = tela.paginador->obj_Bt_RespostaBusca_Menos;
    BotaoFigura *proxima = tela.paginador->obj_Bt_RespostaBusca_Mais;

    passarSobre(anterior);
    passarSobre(proxima);
    QCOMPARE(anterior->cursor().shape(), Qt::ForbiddenCursor);
    QCOMPARE(proxima->cursor().shape(), Qt::PointingHandCursor);

    EXIGIR(clicar(proxima));
    passarSobre(anterior);
    passarSobre(proxima);
    QCOMPARE(anterior->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(proxima->cursor().shape(), Qt::ForbiddenCursor);
}

// An engine error in the fill ends the click's handler: the boundary reports
// it and the columns are not set again.
void TestePaginador::erroNaAlimentacaoTerminaOClique() {
    QStringList erros;
    const fronteira::Relator anterior =
        fronteira::definirRelator([&](const QString &texto) { erros << texto; });
    Tela tela(Forma::Dinamica, 14);
    tela.falhar = true;
    EXIGIR(clicar(tela.paginador->obj_Bt_RespostaBusca_Mais));
    fronteira::definirRelator(anterior);

    QCOMPARE(erros, QStringList{u"no such table: TFamilia"_s});
    QCOMPARE(tela.alimentacoes, 1);
    QCOMPARE(tela.larguras, 0);
}

void TestePaginador::teclado_data() {
    QTest::addColumn<Forma>("forma");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("inicial");
    QTest::addColumn<QString>("controle");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("pagina");
    QTest::addColumn<QString>("focado"); // the control with the focus afterwards
    QTest::addColumn<int>("mudancasDeFoco");
    QTest::addColumn<int>("paginaDepois"); // after a second key on the focused control

    const auto rotulo = [](int k) { return nomesRotulos[k - 1]; };
    const QString menos = u"obj_Bt_Pagina_Menos"_s;
    const QString mais = u"obj_Bt_Pagina_Mais"_s;
    const int enter = Qt::Key_Return;
    const int espaco = Qt::Key_Space;
    const int paginas25 = 25 * 13; // three blocks
    const int paginas19 = 19 * 13; // two blocks, the second of nine pages

    // A page label becomes the current page's, disabled: the focus goes to
    // the next page's label, or to "+" after the block's last one, or back
    // to the label before it on the result's last page.
    QTest::newRow("rótulo 3") << Forma::Dinamica << paginas25 << 1 << rotulo(3) << enter << 3
                              << rotulo(4) << 1 << 4;
    QTest::newRow("rótulo 3 com espaço")
        << Forma::Fixa << paginas25 << 1 << rotulo(3) << espaco << 3 << rotulo(4) << 1 << 4;
    QTest::newRow("último rótulo do bloco")
        << Forma::Dinamica << paginas25 << 1 << rotulo(10) << enter << 10 << mais << 1 << 11;
    QTest::newRow("última página")
        << Forma::Fixa << paginas19 << 11 << rotulo(9) << enter << 19 << rotulo(8) << 1 << 18;
    QTest::newRow("sem blocos: rótulo 2")
        << Forma::Reduzida << 12 << 1 << rotulo(2) << enter << 2 << rotulo(1) << 1 << 1;
    // "-" and "+" keep the focus while they stay; gone, they hand it to the
    // nearest label.
    QTest::newRow("\"+\" fica") << Forma::Dinamica << paginas25 << 1 << mais << enter << 11 << mais
                                << 0 << 21;
    QTest::newRow("\"+\" some") << Forma::Fixa << paginas19 << 1 << mais << enter << 11 << rotulo(9)
                                << 1 << 19;
    QTest::newRow("\"-\" fica") << Forma::Dinamica << paginas25 << 21 << menos << enter << 20
                                << menos << 0 << 10;
    QTest::newRow("\"-\" some") << Forma::Dinamica << paginas25 << 11 << menos << enter << 10
                                << rotulo(1) << 1 << 1;
    // An arrow that changes the block keeps the focus.
    QTest::newRow("seta seguinte muda o bloco")
        << Forma::Dinamica << paginas25 << 10 << u"obj_Bt_RespostaBusca_Mais"_s << enter << 11
        << u"obj_Bt_RespostaBusca_Mais"_s << 0 << 12;
}

// A pager control pressed with the keyboard: the page changes, the focus
// moves at most once, to a control that still acts, and a second key does
// what that control shows. The current page's label stays on view,
// disabled.
void TestePaginador::teclado() {
    QFETCH(Forma, forma);
    QFETCH(int, total);
    QFETCH(int, inicial);
    QFETCH(QString, controle);
    QFETCH(int, tecla);
    QFETCH(int, pagina);
    QFETCH(QString, focado);
    QFETCH(int, mudancasDeFoco);
    QFETCH(int, paginaDepois);

    Tela tela(forma, total, inicial);
    tela.janela.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&tela.janela));
    auto *alvo = tela.janela.findChild<QWidget *>(controle);
    alvo->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), alvo);

    int mudancas = 0;
    const QMetaObject::Connection conexao =
        connect(qApp, &QApplication::focusChanged, this, [&] { ++mudancas; });
    QTest::keyClick(alvo, Qt::Key(tecla));
    disconnect(conexao);

    QCOMPARE(tela.paginador->estado().intPaginaAtual(), pagina);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focado);
    QCOMPARE(mudancas, mudancasDeFoco);
    for (const QLabel *rotulo : tela.rotulosVisiveis())
        QCOMPARE(rotulo->isEnabled(), rotulo->text() != QString::number(pagina));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(tecla));
    QCOMPARE(tela.paginador->estado().intPaginaAtual(), paginaDepois);
}

QTEST_MAIN(TestePaginador)
#include "tst_paginador.moc"
