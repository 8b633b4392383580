// The widgets that draw themselves, as assistive technology and the keyboard
// reach them: the grid as an accessible table (its events, selection and
// clipboard, its keys), the picture button and the link label, and the
// reading order that Tab follows.

#include "acessivel.h"
#include "botao_figura.h"
#include "foco.h"
#include "grade.h"
#include "rotulo_link.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Events raised through Qt's accessibility, recorded by type.
struct Evento {
    QAccessible::Event tipo;
    QObject *objeto;
    int filho;
    int troca; // the kind of a table model change, else -1
};
QList<Evento> eventos;

void gravar(QAccessibleEvent &evento) {
    int troca = -1;
    if (evento.type() == QAccessible::TableModelChanged)
        troca = static_cast<QAccessibleTableModelChangeEvent &>(evento).modelChangeType();
    eventos.append({evento.type(), evento.object(), evento.child(), troca});
}

// Events of `tipo` (and of the kind `troca`, when given) that `objeto`, or
// any object when null, raised.
int contar(QAccessible::Event tipo, int troca = -1, QObject *objeto = nullptr) {
    return int(std::count_if(eventos.begin(), eventos.end(), [&](const Evento &e) {
        return e.tipo == tipo && (troca < 0 || e.troca == troca) && (!objeto || e.objeto == objeto);
    }));
}

// A grid like a result screen's: a header and three columns.
std::unique_ptr<Grade> novaGrade() {
    auto grade = std::make_unique<Grade>(nullptr, QRect(0, 0, 400, 120), 3, true, 17);
    for (int coluna = 0; coluna < 3; ++coluna)
        grade->definirLarguraColuna(coluna, 130);
    return grade;
}

void preencher(Grade &grade, const QStringList &cabecalho, const QList<QStringList> &linhas) {
    grade.definirTotalLinhas(2);
    grade.limpar();
    for (int c = 0; c < cabecalho.size(); ++c)
        grade.definirCelula(c, 0, cabecalho[c]);
    for (int r = 0; r < linhas.size(); ++r) {
        if (r > 0)
            grade.adicionarLinha();
        grade.acrescentarNaLinha(r + 1, linhas[r]);
    }
}

const QStringList cabecalho = {u"Resultado (<b>4</b>)"_s, u"Famílias"_s, u"Tipo"_s};
const QList<QStringList> quatro = {
    {u"<b>Afinador de teares</b>"_s, u"7301"_s, u"Ocupação"_s},
    {u"<i>Ajustador de malhas</i>"_s, u"7301"_s, u"Sinônimo"_s},
    {u"TECELÕES"_s, u"7302 - TECELÕES"_s, u"Família "_s},
    {u"Bordador"_s, u"7303-05"_s, u"Ocupação"_s},
};

// Every cell of the grid as stored, row by row.
QList<QStringList> conteudo(const Grade &grade) {
    QList<QStringList> linhas;
    for (int linha = 0; linha < grade.totalLinhas(); ++linha) {
        QStringList textos;
        for (int coluna = 0; coluna < grade.totalColunas(); ++coluna)
            textos << grade.celula(coluna, linha);
        linhas << textos;
    }
    return linhas;
}

QAccessibleInterface *interface(QObject *objeto) {
    return QAccessible::queryAccessibleInterface(objeto);
}

// The ways the keyboard opens the grid's context menu: the menu key (the
// platform turns it into the menu's event) and Shift+F10.
enum class Abertura { TeclaMenu, ShiftF10 };

void abrirMenu(Grade &grade, Abertura abertura) {
    if (abertura == Abertura::ShiftF10) {
        QTest::keyClick(&grade, Qt::Key_F10, Qt::ShiftModifier);
        return;
    }
    QContextMenuEvent tecla(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
    QApplication::sendEvent(grade.viewport(), &tecla);
}

struct Menu {
    QStringList entradas; // as a screen reader reads them (below)
    bool achada = false;  // an entry named `escolher` was there
    bool escolhida = false;
};

// Opens the grid's context menu from the keyboard and reads its entries as
// a screen reader does: each by its accessible name, followed by " ✓" when
// checked and " (inativa)" when disabled; a separator is "—". The entry
// named `escolher` is chosen, as a user can: only when enabled.
Menu usarMenu(Grade &grade, Abertura abertura, const QString &escolher = QString()) {
    Menu lido;
    // A check that failed in here would leave the menu open and the test
    // waiting: what is found is compared once the menu is closed.
    QTimer::singleShot(0, [&lido, &escolher] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAccessibleInterface *acessivel = interface(menu);
        QAction *escolhida = nullptr;
        for (int i = 0; i < acessivel->childCount(); ++i) {
            QAccessibleInterface *entrada = acessivel->child(i);
            const QString nome = entrada->text(QAccessible::Name);
            if (entrada->role() == QAccessible::Separator) {
                lido.entradas << u"—"_s;
                continue;
            }
            lido.entradas << nome + (entrada->state().checked ? u" ✓"_s : QString()) +
                                 (entrada->state().disabled ? u" (inativa)"_s : QString());
            if (nome == escolher) {
                lido.achada = true;
                if (!entrada->state().disabled)
                    escolhida = menu->actions().at(i);
            }
        }
        if (escolhida) {
            escolhida->trigger();
            lido.escolhida = true;
        }
        menu->close();
    });
    abrirMenu(grade, abertura);
    return lido;
}

} // namespace

Q_DECLARE_METATYPE(Abertura)

class TesteAcessibilidadeWidgets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void tabela();
    void celulas_data();
    void celulas();
    void negritoEItalico();
    void eventos_preenchimentoSelecaoOrdem();
    void selecaoPelaTecnologia();
    void copiar_data();
    void copiar();
    void menuDeContexto_data();
    void menuDeContexto();
    void menuDeOrdenacao_data();
    void menuDeOrdenacao();
    void ordenarSemOMouse_data();
    void ordenarSemOMouse();
    void enterAbreALinhaAtual();
    void paginasPelasTeclas_data();
    void paginasPelasTeclas();
    void botaoFigura_data();
    void botaoFigura();
    void rotuloLink_data();
    void rotuloLink();
    void nomeDoRotuloAoLado();
    void ordemDeLeitura();
};

void TesteAcessibilidadeWidgets::initTestCase() {
    acessivel::observar(gravar);
}

void TesteAcessibilidadeWidgets::init() {
    eventos.clear();
}

void TesteAcessibilidadeWidgets::tabela() {
    auto grade = novaGrade();
    preencher(*grade, cabecalho, quatro);
    QAccessibleInterface *tabela = interface(grade.get());
    QVERIFY(tabela);
    QCOMPARE(tabela->role(), QAccessible::Table);
    QCOMPARE(tabela->text(QAccessible::Name), u"Resultado (4), Famílias, Tipo"_s);
    QAccessibleTableInterface *t = tabela->tableInterface();
    QVERIFY(t);
    QCOMPARE(t->rowCount(), 4);
    QCOMPARE(t->columnCount(), 3);
    QCOMPARE(tabela->childCount(), 15); // the header row's cells, then the rows'
    QCOMPARE(t->columnDescription(0), u"Resultado (4)"_s);
    QAccessibleInterface *celula = t->cellAt(2, 1);
    QCOMPARE(celula->role(), QAccessible::Cell);
    QCOMPARE(tabela->indexOfChild(celula), 10);
    QCOMPARE(tabela->child(10), celula);
    QCOMPARE(celula->parent(), tabela);
    const QList<QAccessibleInterface *> titulos = celula->tableCellInterface()->columnHeaderCells();
    QCOMPARE(titulos.size(), 1);
    QCOMPARE(titulos.first()->role(), QAccessible::ColumnHeader);
    QCOMPARE(titulos.first()->text(QAccessible::Name), u"Famílias"_s);
    QCOMPARE(celula->tableCellInterface()->rowIndex(), 2);
    QCOMPARE(celula->tableCellInterface()->columnIndex(), 1);

    // A cell stands for its place: a new fill with fewer rows leaves it
    // invalid, and it reads the new text when the row comes back.
    preencher(*grade, cabecalho, {{u"Um"_s, u"1111"_s, u"Família "_s}});
    QCOMPARE(t->rowCount(), 1);
    QVERIFY(!celula->isValid());
    QVERIFY(!t->cellAt(1, 0));
    preencher(*grade, cabecalho, quatro.mid(1));
    QVERIFY(celula->isValid());
    QCOMPARE(celula->text(QAccessible::Name), u"7303-05"_s);

    // Without a header row the rows start at the grid's first row, and the
    // table has no name of its own.
    Grade semCabecalho(nullptr, QRect(0, 0, 200, 60), 1, false, 17);
    semCabecalho.definirCelula(0, 0, u"<b>0101  Título</b>"_s);
    QAccessibleInterface *outra = interface(&semCabecalho);
    QCOMPARE(outra->tableInterface()->rowCount(), 1);
    QCOMPARE(outra->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), u"0101  Título"_s);
    QVERIFY(outra->text(QAccessible::Name).isEmpty());
}

void TesteAcessibilidadeWidgets::celulas_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("lido");
    QTest::newRow("sem marcação") << u"Bordador"_s << u"Bordador"_s;
    QTest::newRow("negrito") << u"<b>7301-05  Afinador</b>"_s << u"7301-05  Afinador"_s;
    QTest::newRow("itálico aninhado") << u"<i>a<b>b</b>c</i>"_s << u"abc"_s;
    QTest::newRow("maiúsculas da tag") << u"<B>X</B>"_s << u"X"_s;
    QTest::newRow("não é marcação") << u"a < b > c"_s << u"a < b > c"_s;
    QTest::newRow("vazia") << QString() << QString();
}

void TesteAcessibilidadeWidgets::celulas() {
    QFETCH(QString, texto);
    QFETCH(QString, lido);
    auto grade = novaGrade();
    grade->definirCelula(0, 1, texto);
    QCOMPARE(interface(grade.get())->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), lido);
}

// Bold and italic runs are the cell text's attributes.
void TesteAcessibilidadeWidgets::negritoEItalico() {
    auto grade = novaGrade();
    grade->definirCelula(0, 1, u"<b>Ab</b>c<i>de</i>"_s);
    QAccessibleTextInterface *texto =
        interface(grade.get())->tableInterface()->cellAt(0, 0)->textInterface();
    QVERIFY(texto);
    QCOMPARE(texto->characterCount(), 5);
    QCOMPARE(texto->text(1, 4), u"bcd"_s);
    int inicio = -1;
    int fim = -1;
    QCOMPARE(texto->attributes(1, &inicio, &fim), u"font-weight:bold;"_s);
    QCOMPARE(std::pair(inicio, fim), std::pair(0, 2));
    QCOMPARE(texto->attributes(2, &inicio, &fim), QString());
    QCOMPARE(std::pair(inicio, fim), std::pair(2, 3));
    QCOMPARE(texto->attributes(4, &inicio, &fim), u"font-style:italic;"_s);
    QCOMPARE(std::pair(inicio, fim), std::pair(3, 5));
}

// One fill writes many cells: the table is reset once, after the handler.
void TesteAcessibilidadeWidgets::eventos_preenchimentoSelecaoOrdem() {
    auto grade = novaGrade();
    preencher(*grade, cabecalho, quatro);
    QCOMPARE(contar(QAccessible::TableModelChanged), 0);
    QTRY_COMPARE(
        contar(QAccessible::TableModelChanged, QAccessibleTableModelChangeEvent::ModelReset), 1);
    QCOMPARE(contar(QAccessible::NameChanged), 1);

    eventos.clear();
    grade->selecionarLinhas(3, 3);
    QTRY_COMPARE(contar(QAccessible::Selection), 1);
    QCOMPARE(eventos.last().filho, 3 * 3); // the row's first cell
    QCOMPARE(contar(QAccessible::TableModelChanged), 0);

    eventos.clear();
    QVERIFY(grade->ordenarPeloCabecalho(2));
    QTRY_COMPARE(contar(QAccessible::TableModelChanged), 1);
    // The selected row ("Família ") moved with its texts, to the top.
    QCOMPARE(interface(grade.get())->tableInterface()->selectedRows(), QList<int>{0});
}

void TesteAcessibilidadeWidgets::selecaoPelaTecnologia() {
    auto grade = novaGrade();
    preencher(*grade, cabecalho, quatro);
    QAccessibleTableInterface *t = interface(grade.get())->tableInterface();
    QVERIFY(t->selectRow(1));
    QCOMPARE(grade->linhasSelecionadas(), QList<int>{2});
    QVERIFY(t->isRowSelected(1));
    QCOMPARE(t->selectedCellCount(), 3);
    QVERIFY(t->cellAt(1, 2)->state().selected);
    QVERIFY(!t->cellAt(0, 2)->state().selected);
    QVERIFY(!t->selectRow(4));
    QVERIFY(t->unselectRow(1));
    QVERIFY(grade->linhasSelecionadas().isEmpty());
    grade->selecionarLinhas(1, 3);
    QVERIFY(!t->unselectRow(2)); // a range does not lose a row in its middle
    QCOMPARE(t->selectedRows(), (QList<int>{0, 1, 2}));
}

void TesteAcessibilidadeWidgets::copiar_data() {
    QTest::addColumn<int>("de");
    QTest::addColumn<int>("ate");
    QTest::addColumn<int>("colunaCodigo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("codigos");
    QTest::newRow("três linhas") << 1 << 3 << 1
                                 << u"Afinador de teares\t7301\tOcupação\n"
                                    u"Ajustador de malhas\t7301\tSinônimo\n"
                                    u"TECELÕES\t7302 - TECELÕES\tFamília"_s
                                 << u"7301\n7301\n7302"_s;
    QTest::newRow("uma linha") << 4 << 4 << 1 << u"Bordador\t7303-05\tOcupação"_s << u"7303-05"_s;
    QTest::newRow("código na primeira coluna")
        << 3 << 3 << 0 << u"TECELÕES\t7302 - TECELÕES\tFamília"_s << u"TECELÕES"_s;
}

// Ctrl+C puts the selected rows on the clipboard as tab-separated lines of
// their visible texts.
void TesteAcessibilidadeWidgets::copiar() {
    QFETCH(int, de);
    QFETCH(int, ate);
    QFETCH(int, colunaCodigo);
    QFETCH(QString, texto);
    QFETCH(QString, codigos);
    auto grade = novaGrade();
    preencher(*grade, cabecalho, quatro);
    grade->definirColunaCodigo(colunaCodigo);
    grade->selecionarLinhas(de, ate);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(grade.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), texto);
    QCOMPARE(grade->codigosSelecionados(), codigos);

    // Nothing selected: the clipboard keeps what it had.
    grade->limparSelecao();
    QGuiApplication::clipboard()->setText(u"antes"_s);
    QTest::keyClick(grade.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"antes"_s);
}

void TesteAcessibilidadeWidgets::menuDeContexto_data() {
    QTest::addColumn<Abertura>("abertura");
    QTest::newRow("tecla de menu") << Abertura::TeclaMenu;
    QTest::newRow("Shift+F10") << Abertura::ShiftF10;
}

// The keyboard opens "Copiar", "Copiar código" and one sort entry per column
// below the current row.
void TesteAcessibilidadeWidgets::menuDeContexto() {
    QFETCH(Abertura, abertura);
    auto grade = novaGrade();
    grade->definirColunaCodigo(1);
    preencher(*grade, cabecalho, quatro);
    grade->show();
    QVERIFY(QTest::qWaitForWindowExposed(grade.get()));
    grade->selecionarLinhas(2, 3);
    QGuiApplication::clipboard()->clear();
    const Menu menu = usarMenu(*grade, abertura, u"Copiar código"_s);
    QCOMPARE(menu.entradas,
             (QStringList{u"Copiar"_s, u"Copiar código"_s, u"—"_s,
                          u"Ordenar por Resultado (4), decrescente ✓"_s,
                          u"Ordenar por Famílias, crescente"_s, u"Ordenar por Tipo, crescente"_s}));
    QVERIFY(menu.escolhida);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"7301\n7302"_s);
}

void TesteAcessibilidadeWidgets::menuDeOrdenacao_data() {
    QTest::addColumn<bool>("comCabecalho");
    QTest::addColumn<QStringList>("textosCabecalho");
    QTest::addColumn<int>("linhas");
    QTest::addColumn<QStringList>("nomes"); // the sort by each column, as named
    QTest::addColumn<bool>("ordena");

    QTest::newRow("uma linha não ordena")
        << true << cabecalho << 1
        << QStringList{u"Ordenar por Resultado (4), decrescente"_s,
                       u"Ordenar por Famílias, crescente"_s, u"Ordenar por Tipo, crescente"_s}
        << false;
    QTest::newRow("cabeçalho vazio")
        << true << QStringList() << 4
        << QStringList{u"Ordenar pela coluna 1, decrescente"_s,
                       u"Ordenar pela coluna 2, crescente"_s, u"Ordenar pela coluna 3, crescente"_s}
        << true;
    QTest::newRow("& no cabeçalho")
        << true << QStringList{u"Código & título"_s, u"Tipo"_s} << 2
        << QStringList{u"Ordenar por Código & título, decrescente"_s,
                       u"Ordenar por Tipo, crescente"_s, u"Ordenar pela coluna 3, crescente"_s}
        << true;
    QTest::newRow("sem cabeçalho não ordena")
        << false << QStringList() << 4 << QStringList() << false;
}

// The menu has one sort entry per column of the header, the sort column's
// checked; the press of each header cell for assistive technology names the
// same sort. While the grid does not sort, the entries are disabled and the
// header cells offer no press.
void TesteAcessibilidadeWidgets::menuDeOrdenacao() {
    QFETCH(bool, comCabecalho);
    QFETCH(QStringList, textosCabecalho);
    QFETCH(int, linhas);
    QFETCH(QStringList, nomes);
    QFETCH(bool, ordena);
    Grade grade(nullptr, QRect(0, 0, 400, 120), 3, comCabecalho, 17);
    const int primeira = comCabecalho ? 1 : 0;
    grade.definirTotalLinhas(primeira + linhas);
    for (int c = 0; c < textosCabecalho.size(); ++c)
        grade.definirCelula(c, 0, textosCabecalho[c]);
    for (int r = 0; r < linhas; ++r)
        grade.acrescentarNaLinha(primeira + r, quatro[r]);
    grade.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grade));

    QStringList entradas{u"Copiar (inativa)"_s, u"Copiar código (inativa)"_s};
    if (comCabecalho)
        entradas << u"—"_s;
    for (qsizetype c = 0; c < nomes.size(); ++c)
        entradas << nomes[c] + (c == 0 ? u" ✓"_s : QString()) +
                        (ordena ? QString() : u" (inativa)"_s);
    QCOMPARE(usarMenu(grade, Abertura::ShiftF10).entradas, entradas);

    const QString prensa = QAccessibleActionInterface::pressAction();
    QAccessibleInterface *tabela = interface(&grade);
    for (int coluna = 0; coluna < grade.totalColunas(); ++coluna) {
        // The table's first children are the header row's cells.
        QAccessibleActionInterface *acao = tabela->child(coluna)->actionInterface();
        QCOMPARE(acao && acao->actionNames().contains(prensa), ordena);
        if (ordena)
            QCOMPARE(acao->localizedActionDescription(prensa), nomes[coluna]);
    }
}

void TesteAcessibilidadeWidgets::ordenarSemOMouse_data() {
    QTest::addColumn<bool>("peloMenu"); // else by the header cells' press
    QTest::addColumn<int>("linhas");
    QTest::addColumn<QList<int>>("colunas");  // sorted by, in order
    QTest::addColumn<QStringList>("nomes");   // the sort each step names
    QTest::addColumn<QStringList>("titulos"); // column 0 afterwards
    QTest::addColumn<int>("colunaFinal");
    QTest::addColumn<bool>("descendenteFinal");

    const QString afinador = u"Afinador de teares"_s;
    const QString ajustador = u"Ajustador de malhas"_s;
    const QString tecelao = u"TECELÕES"_s;
    const QString bordador = u"Bordador"_s;
    for (const bool peloMenu : {true, false}) {
        const char *caminho = peloMenu ? "menu" : "ação";
        QTest::addRow("%s: a coluna da ordem se inverte", caminho)
            << peloMenu << 4 << QList<int>{0}
            << QStringList{u"Ordenar por Resultado (4), decrescente"_s}
            << QStringList{tecelao, bordador, ajustador, afinador} << 0 << true;
        QTest::addRow("%s: outra coluna, crescente", caminho)
            << peloMenu << 4 << QList<int>{2} << QStringList{u"Ordenar por Tipo, crescente"_s}
            << QStringList{tecelao, afinador, bordador, ajustador} << 2 << false;
        QTest::addRow("%s: outra coluna duas vezes, decrescente", caminho)
            << peloMenu << 4 << QList<int>{2, 2}
            << QStringList{u"Ordenar por Tipo, crescente"_s, u"Ordenar por Tipo, decrescente"_s}
            << QStringList{ajustador, afinador, bordador, tecelao} << 2 << true;
        QTest::addRow("%s: uma linha não ordena", caminho)
            << peloMenu << 1 << QList<int>{2} << QStringList{u"Ordenar por Tipo, crescente"_s}
            << QStringList{afinador} << 0 << false;
    }
}

// The menu's sort entries and the header cells' press sort as clicks on
// the header do, and the table announces the sort.
void TesteAcessibilidadeWidgets::ordenarSemOMouse() {
    QFETCH(bool, peloMenu);
    QFETCH(int, linhas);
    QFETCH(QList<int>, colunas);
    QFETCH(QStringList, nomes);
    QFETCH(QStringList, titulos);
    QFETCH(int, colunaFinal);
    QFETCH(bool, descendenteFinal);
    const bool ordena = linhas >= 2;
    auto grade = novaGrade();
    auto clicada = novaGrade();
    for (Grade *g : {grade.get(), clicada.get()}) {
        preencher(*g, cabecalho, quatro.mid(0, linhas));
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g));
    }
    QCoreApplication::processEvents(); // the fills' announcements
    eventos.clear();

    QAccessibleInterface *tabela = interface(grade.get());
    const QString prensa = QAccessibleActionInterface::pressAction();
    for (qsizetype passo = 0; passo < colunas.size(); ++passo) {
        const int coluna = colunas[passo];
        QTest::mouseClick(clicada->viewport(), Qt::LeftButton, {},
                          clicada->retanguloCelula(coluna, 0).center());
        if (peloMenu) {
            const Menu menu = usarMenu(*grade, Abertura::ShiftF10, nomes[passo]);
            QVERIFY(menu.achada);
            QCOMPARE(menu.escolhida, ordena);
        } else {
            QAccessibleActionInterface *acao = tabela->child(coluna)->actionInterface();
            QVERIFY(acao);
            QCOMPARE(acao->actionNames().contains(prensa), ordena);
            if (ordena) {
                QCOMPARE(acao->localizedActionDescription(prensa), nomes[passo]);
                acao->doAction(prensa);
            }
        }
    }

    QCOMPARE(conteudo(*grade), conteudo(*clicada));
    QStringList lidos;
    for (int linha = 1; linha < grade->totalLinhas(); ++linha)
        lidos << grade->textoVisivel(0, linha);
    QCOMPARE(lidos, titulos);
    QCOMPARE(grade->colunaOrdenacao(), colunaFinal);
    QCOMPARE(grade->ordemDescendente(), descendenteFinal);
    QCOMPARE(tabela->child(colunaFinal)->text(QAccessible::Description),
             descendenteFinal ? u"Ordem decrescente"_s : u"Ordem crescente"_s);
    if (ordena) {
        QTRY_VERIFY(contar(QAccessible::TableModelChanged,
                           QAccessibleTableModelChangeEvent::ModelReset, grade.get()) >= 1);
    } else {
        QCoreApplication::processEvents();
        QCOMPARE(contar(QAccessible::TableModelChanged, -1, grade.get()), 0);
    }
}

// Enter on the current row does what a double click on it does.
void TesteAcessibilidadeWidgets::enterAbreALinhaAtual() {
    auto grade = novaGrade();
    preencher(*grade, cabecalho, quatro);
    QSignalSpy duplo(grade.get(), &Grade::duploClique);
    QTest::keyClick(grade.get(), Qt::Key_Return);
    QCOMPARE(duplo.size(), 0); // no current row yet
    QTest::keyClick(grade.get(), Qt::Key_Down);
    QTest::keyClick(grade.get(), Qt::Key_Down);
    QTest::keyClick(grade.get(), Qt::Key_Enter);
    QCOMPARE(duplo.size(), 1);
    QCOMPARE(duplo.first().first().toInt(), 2);
}

void TesteAcessibilidadeWidgets::paginasPelasTeclas_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("haPagina");
    QTest::addColumn<int>("sentido");
    QTest::addColumn<QList<int>>("selecao");
    QTest::newRow("Page Down, há página") << int(Qt::Key_PageDown) << true << 1 << QList<int>{1};
    QTest::newRow("Page Up, há página") << int(Qt::Key_PageUp) << true << -1 << QList<int>{1};
    // Without a page to go to, the keys move the current row as before.
    QTest::newRow("Page Down, última") << int(Qt::Key_PageDown) << false << 1 << QList<int>{4};
    QTest::newRow("Page Up, primeira") << int(Qt::Key_PageUp) << false << -1 << QList<int>{1};
}

void TesteAcessibilidadeWidgets::paginasPelasTeclas() {
    QFETCH(int, tecla);
    QFETCH(bool, haPagina);
    QFETCH(int, sentido);
    QFETCH(QList<int>, selecao);
    auto grade = novaGrade();
    preencher(*grade, cabecalho, quatro);
    grade->selecionarLinhas(2, 2);
    QList<int> pedidos;
    grade->definirPaginacao([&](int s) {
        pedidos << s;
        if (haPagina)
            preencher(*grade, cabecalho, quatro); // the pager fills the next page
        return haPagina;
    });
    QTest::keyClick(grade.get(), Qt::Key(tecla));
    QCOMPARE(pedidos, QList<int>{sentido});
    QCOMPARE(grade->linhasSelecionadas(), selecao);
}

void TesteAcessibilidadeWidgets::botaoFigura_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<bool>("clica");
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("Enter do teclado numérico")
        << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Espaço") << int(Qt::Key_Space) << 0 << true;
    QTest::newRow("Ctrl+Espaço") << int(Qt::Key_Space) << int(Qt::ControlModifier) << false;
    QTest::newRow("letra") << int(Qt::Key_A) << 0 << false;
}

void TesteAcessibilidadeWidgets::botaoFigura() {
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(bool, clica);
    QWidget janela;
    auto *botao = new BotaoFigura(&janela, u"bt_procurar"_s, QRect(10, 10, 61, 19));
    botao->setAccessibleName(u"Procurar"_s);
    QSignalSpy cliques(botao, &BotaoFigura::clicado);
    QTest::keyClick(botao, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
    QCOMPARE(cliques.size(), clica ? 1 : 0);
    QCOMPARE(botao->pos(), QPoint(10, 10)); // no pressed look from the keyboard

    QAccessibleInterface *i = interface(botao);
    QCOMPARE(i->role(), QAccessible::Button);
    QCOMPARE(i->text(QAccessible::Name), u"Procurar"_s);
    QVERIFY(i->state().focusable);
    cliques.clear();
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(cliques.size(), 1);

    // Tab reaches it; a click does not take the focus.
    QCOMPARE(botao->focusPolicy(), Qt::TabFocus);
    // Without a name of its own, its tooltip names it.
    auto *voltar = new BotaoFigura(&janela, u"bt_voltar"_s, QRect(80, 10, 36, 18));
    voltar->setToolTip(u"Voltar"_s);
    QCOMPARE(interface(voltar)->text(QAccessible::Name), u"Voltar"_s);
}

void TesteAcessibilidadeWidgets::rotuloLink_data() {
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<int>("papel");
    QTest::addColumn<bool>("clica");
    QTest::newRow("link") << u"link"_s << int(QAccessible::Link) << true;
    QTest::newRow("desabilitado") << u"desabilitado"_s << int(QAccessible::Link) << false;
    QTest::newRow("vista atual") << u"atual"_s << int(QAccessible::StaticText) << false;
    QTest::newRow("página") << u"pagina"_s << int(QAccessible::Button) << true;
    QTest::newRow("página atual") << u"pagina atual"_s << int(QAccessible::Button) << false;
}

void TesteAcessibilidadeWidgets::rotuloLink() {
    QFETCH(QString, tipo);
    QFETCH(int, papel);
    QFETCH(bool, clica);
    QWidget janela;
    auto *rotulo =
        new RotuloLink(&janela, u"3"_s, QPoint(5, 5), QFont(), RotuloLink::Destaque::Sublinhado);
    if (tipo.startsWith(u"pagina"_s)) {
        rotulo->marcarComoPagina();
        rotulo->setAccessibleName(u"Página 3"_s);
    }
    if (tipo == u"atual"_s)
        rotulo->marcarAtual();
    if (tipo == u"desabilitado"_s || tipo == u"pagina atual"_s)
        rotulo->setEnabled(false);
    QSignalSpy cliques(rotulo, &RotuloLink::clicado);

    QAccessibleInterface *i = interface(rotulo);
    QCOMPARE(int(i->role()), papel);
    QCOMPARE(i->text(QAccessible::Name), tipo.startsWith(u"pagina"_s) ? u"Página 3"_s : u"3"_s);
    QCOMPARE(i->state().checked, tipo == u"pagina atual"_s);
    QCOMPARE(rotulo->focusPolicy(), tipo == u"atual"_s ? Qt::NoFocus : Qt::TabFocus);
    if (i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
        i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::keyClick(rotulo, Qt::Key_Space);
    QTRY_COMPARE(cliques.size(), clica ? 2 : 0);
}

// A box takes its name from the label beside it, without the colon; a
// label still empty names it through the buddy relation as its text comes.
void TesteAcessibilidadeWidgets::nomeDoRotuloAoLado() {
    QWidget janela;
    auto *rotulo = new QLabel(u"Código:"_s, &janela);
    auto *caixa = new QLineEdit(&janela);
    acessivel::nomearPeloRotulo(rotulo, caixa);
    QCOMPARE(interface(caixa)->text(QAccessible::Name), u"Código"_s);
    QCOMPARE(rotulo->buddy(), caixa);

    auto *vazio = new QLabel(&janela);
    auto grade = new Grade(&janela, QRect(0, 40, 100, 40), 1, false, 17);
    acessivel::nomearPeloRotulo(vazio, grade);
    vazio->setText(u"Ocupações encontradas"_s);
    QCOMPARE(interface(grade)->text(QAccessible::Name), u"Ocupações encontradas"_s);
}

// Tab follows the lines from the top, left to right; a given sequence
// stays together from the place of its first control.
void TesteAcessibilidadeWidgets::ordemDeLeitura() {
    QWidget janela;
    janela.resize(300, 200);
    const auto caixa = [&janela](const QString &nome, QRect lugar, QWidget *pai = nullptr) {
        auto *c = new QLineEdit(pai ? pai : &janela);
        c->setObjectName(nome);
        c->setGeometry(lugar);
        return c;
    };
    caixa(u"baixo"_s, QRect(10, 150, 50, 17));
    caixa(u"direita"_s, QRect(200, 12, 50, 17));
    auto *grupo = new QWidget(&janela);
    grupo->setGeometry(0, 60, 300, 60);
    QWidget *segunda = caixa(u"segundaLinha"_s, QRect(150, 10, 50, 17), grupo);
    QWidget *esquerda = caixa(u"esquerda"_s, QRect(10, 10, 50, 17));
    auto *botao = new BotaoFigura(&janela, u"bt_ok"_s, QRect(100, 14, 26, 17));
    botao->setObjectName(u"ok"_s);
    QWidget *meio = caixa(u"meio"_s, QRect(40, 10, 50, 17), grupo);
    new QLabel(u"não recebe Tab"_s, &janela);

    // The chain is a ring: read it from "esquerda".
    const auto ordem = [esquerda] {
        QStringList nomes;
        QWidget *atual = esquerda;
        do {
            if (atual->focusPolicy() & Qt::TabFocus)
                nomes << atual->objectName();
            atual = atual->nextInFocusChain();
        } while (atual != esquerda);
        return nomes;
    };
    foco::ordenarPorLeitura(&janela);
    QCOMPARE(ordem(), (QStringList{u"esquerda"_s, u"ok"_s, u"direita"_s, u"meio"_s,
                                   u"segundaLinha"_s, u"baixo"_s}));
    foco::ordenarPorLeitura(&janela, {esquerda, segunda, meio});
    QCOMPARE(ordem(), (QStringList{u"esquerda"_s, u"segundaLinha"_s, u"meio"_s, u"ok"_s,
                                   u"direita"_s, u"baixo"_s}));
}

QTEST_MAIN(TesteAcessibilidadeWidgets)
#include "tst_acessibilidade_widgets.moc"
