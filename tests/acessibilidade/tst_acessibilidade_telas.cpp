// The whole program as a screen reader and a keyboard reach it: every
// visible control of the twenty screens named, a search's grid read through
// Qt's accessibility, the way from a typed word to a family, its three views
// and its conversion with keys alone, Tab reaching every control, the notice
// announced, and rows copied to the clipboard.

#include "acessivel.h"
#include "botao_figura.h"
#include "consulta.h"
#include "exigir.h"
#include "fixtures.h"
#include "grade.h"
#include "navegacao.h"
#include "paginador.h"
#include "programa.h"
#include "rotulo_link.h"
#include "unit_About.h"
#include "unit_FormBuscaTituloAZ.h"
#include "unit_FormDescricao.h"
#include "unit_FormDescricaoCaracteristicas.h"
#include "unit_FormDescricaoConversao.h"
#include "unit_FormInicial.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormMODALSair.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabuaTitulo.h"
#include "unit_global.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The fixture's own branch of the tree: twenty families in two subgroups
// whose titles hold `palavra` (two pages of results), each with one
// occupation that converts to the international base group 9901; the last
// occupation has 150 synonyms that hold `palavraPaginada`, results of two
// blocks of pages.
const QString palavra = u"ofício de ensaio"_s;
const QString palavraPaginada = u"registrador de lote"_s;
constexpr int sinonimosPaginados = 150;

QString banco() {
    fixtures::Classificacao classificacao(u"basica"_s);
    classificacao.linha(u"TGrande_Grupo"_s, {u"4"_s, u"Grupo de ensaio"_s})
        .linha(u"TSubgrupo_Principal"_s, {u"49"_s, u"Principal de ensaio"_s, u"4"_s})
        .linha(u"TGrupo_Base_CIUO88"_s, {u"9901"_s, u"Grupo internacional de ensaio"_s});
    int n = 0;
    for (const QString &subgrupo : {u"491"_s, u"492"_s}) {
        classificacao.linha(u"TSubgrupo"_s, {subgrupo, u"Subgrupo de ensaio"_s, u"49"_s});
        for (int digito = 0; digito <= 9; ++digito) {
            const QString codigo = subgrupo + QString::number(digito);
            ++n;
            classificacao.linha(u"TFamilia"_s,
                                {codigo, u"Ofício de ensaio %1"_s.arg(n, 2, 10, QChar(u'0')),
                                 u"Descrição do ofício."_s, subgrupo});
            classificacao.linha(u"TOcupacao"_s, {QString::number(9100 + n), codigo, u"05"_s,
                                                 u"Aprendiz %1"_s.arg(n), u"9901"_s});
        }
    }
    for (int s = 1; s <= sinonimosPaginados; ++s)
        classificacao.linha(u"TSinonimo"_s, {QString::number(9100 + n),
                                             u"Registrador de lote %1"_s.arg(s, 3, 10, QChar(u'0')),
                                             QString::number(s)});
    return classificacao.criar();
}

// The rows that the search of `palavra` lists, read apart from the screens.
QList<QStringList> linhasDaBusca() {
    Consulta consulta;
    consulta.definirSql(fncSqlBuscaRapida());
    consulta.definirBanco(fncCaminhoDados());
    consulta.fechar();
    consulta.definirBusca(u"%"_s + palavra + u"%"_s);
    consulta.abrir();
    QList<QStringList> linhas;
    for (; !consulta.fimDados(); consulta.proximo())
        linhas << QStringList{consulta.campo(u"titulo"_s), consulta.campo(u"codigo"_s),
                              consulta.campo(u"tipo"_s)};
    return linhas;
}

QWidget *focado() {
    return QApplication::focusWidget();
}

// A key pressed where the focus is, as the keyboard sends it.
void tecla(int codigo, Qt::KeyboardModifiers modificadores = Qt::NoModifier) {
    QWidget *alvo = focado();
    QVERIFY(alvo);
    QTest::keyClick(alvo, Qt::Key(codigo), modificadores);
}

// A word typed in the home screen's title box (where the focus is) and
// Enter: the search results screen comes up with the focus in it.
void buscarPeloTeclado(const QString &busca = palavra) {
    navegacao::irPara(navegacao::telaAtual(), obj_Form_FormInicial);
    QTRY_COMPARE(focado(), obj_Form_FormInicial->obj_Edit_BuscaTitulo);
    programa::digitar(focado(), busca);
    EXIGIR(tecla(Qt::Key_Return));
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaBusca);
    QTRY_VERIFY(focado() && focado()->window() == obj_Form_FormRespostaBusca);
}

// A conversion by title of the word in the ZEL2002 base: its results screen
// comes up.
void converterTitulo(const QString &busca) {
    navegacao::irPara(navegacao::telaAtual(), obj_Form_FormTabuaTitulo);
    obj_Form_FormTabuaTitulo->obj_Combo_De->setCurrentText(baseZel2002);
    obj_Form_FormTabuaTitulo->obj_Edit_ConverteTitulo->clear();
    programa::digitar(obj_Form_FormTabuaTitulo->obj_Edit_ConverteTitulo, busca);
    programa::clicar(obj_Form_FormTabuaTitulo->obj_Bt_Converter_Procurar);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabuaTitulo);
    QTRY_VERIFY(focado() && focado()->window() == obj_Form_FormRespostaTabuaTitulo);
}

// Tab until `alvo` has the focus; false when a whole turn did not reach it.
bool tabAte(QWidget *alvo) {
    for (int i = 0; i < 200 && focado() != alvo; ++i) {
        if (!focado())
            return false;
        QTest::keyClick(focado(), Qt::Key_Tab);
    }
    return focado() == alvo;
}

QStringList textosDaTabela(QAccessibleInterface *tabela, int linha) {
    QStringList textos;
    for (int coluna = 0; coluna < tabela->tableInterface()->columnCount(); ++coluna)
        textos << tabela->tableInterface()->cellAt(linha, coluna)->text(QAccessible::Name);
    return textos;
}

QList<QPair<QObject *, QAccessible::Event>> eventos;

QList<QAccessible::Event> eventosDe(QObject *objeto) {
    QList<QAccessible::Event> tipos;
    for (const auto &[origem, tipo] : std::as_const(eventos))
        if (origem == objeto)
            tipos << tipo;
    return tipos;
}

// Roles of what a user acts on or reads as a control.
bool controle(QAccessible::Role papel) {
    switch (papel) {
    case QAccessible::Button:
    case QAccessible::Link:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Table:
    case QAccessible::Dialog:
    case QAccessible::AlertMessage:
    case QAccessible::Window:
        return true;
    default:
        return false;
    }
}

bool nomeado(QAccessibleInterface *i) {
    if (!i->text(QAccessible::Name).trimmed().isEmpty())
        return true;
    // A list says its choice as its name; the label beside it tells what it is.
    for (const auto &[rotulo, relacao] : i->relations(QAccessible::Label))
        if (!rotulo->text(QAccessible::Name).trimmed().isEmpty())
            return true;
    return false;
}

// The visible controls of a window's tree: what a user acts on or reads as
// a control, or reaches with Tab.
void controlesVisiveis(QAccessibleInterface *i, QList<QAccessibleInterface *> &lista) {
    // A text on show is its own name; an empty one shows nothing.
    if (i->state().invisible || i->role() == QAccessible::ScrollBar ||
        i->role() == QAccessible::Cell || i->role() == QAccessible::ColumnHeader ||
        i->role() == QAccessible::StaticText)
        return;
    if (controle(i->role()) || i->state().focusable)
        lista << i;
    for (int filho = 0; filho < i->childCount(); ++filho)
        if (QAccessibleInterface *f = i->child(filho))
            controlesVisiveis(f, lista);
}

QString descrever(QAccessibleInterface *i) {
    return u"%1 %2"_s.arg(int(i->role())).arg(i->object() ? i->object()->objectName() : u"?"_s);
}

// What is wrong with the names of a window's visible controls: a control
// without a name; one named by the caption of a group box (which Qt gives a
// control inside a box when nothing else names it, so that every control of
// the box is heard as the box); two controls of the same role heard alike,
// name and description, so that a user cannot tell them apart.
QStringList faltasDeNome(QWidget *janela) {
    QSet<QString> legendas;
    for (const QGroupBox *grupo : janela->findChildren<QGroupBox *>())
        if (!grupo->title().trimmed().isEmpty())
            legendas.insert(grupo->title().trimmed());
    QList<QAccessibleInterface *> controles;
    controlesVisiveis(QAccessible::queryAccessibleInterface(janela), controles);
    QStringList faltas;
    QHash<QString, QStringList> ouvidos;
    for (QAccessibleInterface *i : std::as_const(controles)) {
        const QString nome = i->text(QAccessible::Name).trimmed();
        if (!nomeado(i))
            faltas << u"sem nome: "_s + descrever(i);
        else if (legendas.contains(nome) && !qobject_cast<QGroupBox *>(i->object()))
            faltas << u"com a legenda do grupo: "_s + descrever(i);
        // A page's links are part of its text, which may link to one place
        // more than once ("voltar ao início"); the reader says where each is.
        const bool daPagina = i->parent() && i->parent()->role() == QAccessible::Document;
        if (!nome.isEmpty() && !daPagina)
            ouvidos[u"%1 \"%2\" \"%3\""_s.arg(int(i->role()))
                        .arg(nome, i->text(QAccessible::Description))]
                << descrever(i);
    }
    for (auto ouvido = ouvidos.cbegin(); ouvido != ouvidos.cend(); ++ouvido)
        if (ouvido.value().size() > 1)
            faltas << u"ouvidos iguais, "_s + ouvido.key() + u": "_s + ouvido.value().join(u"; "_s);
    return faltas;
}

// What a user can click on a screen: its visible, enabled controls that act.
QList<QWidget *> clicaveis(QWidget *janela) {
    QList<QWidget *> lista;
    for (QWidget *w : janela->findChildren<QWidget *>()) {
        if (!w->isVisible() || !w->isEnabled())
            continue;
        auto *rotulo = qobject_cast<RotuloLink *>(w);
        if ((rotulo && !rotulo->atual()) || qobject_cast<BotaoFigura *>(w) ||
            qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
            qobject_cast<QCheckBox *>(w) || qobject_cast<Grade *>(w) ||
            qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextBrowser *>(w))
            lista << w;
    }
    return lista;
}

} // namespace

class TesteAcessibilidadeTelas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void gradeDeUmaBusca();
    void tecladoDaPalavraAConversao();
    void paginaPeloTeclado_data();
    void paginaPeloTeclado();
    void copiarTresLinhas();
    void ordenarPeloLeitorDeTela();
    void avisoAnunciadoESaidaDescrita();
    void okDeCadaLinhaDescrito();
    void cabecalhosSelecionaveis_data();
    void cabecalhosSelecionaveis();
    void memosCopiamSemMudar_data();
    void memosCopiamSemMudar();
    void nomes_data();
    void nomes();
    void nomesQueDistinguem_data();
    void nomesQueDistinguem();
    void tabelasDeResultado_data();
    void tabelasDeResultado();
    void controlesNumGrupo();
    void tabAlcancaTudo_data();
    void tabAlcancaTudo();
};

// The result screens are seen as a user reaches them: after a title
// search, a family's conversion and a conversion by title.
void TesteAcessibilidadeTelas::initTestCase() {
    programa::instalar(banco());
    programa::iniciar();
    acessivel::observar([](QAccessibleEvent &evento) {
        eventos.append({evento.object(), evento.type()});
    });
    QTRY_COMPARE(focado(), obj_Form_FormInicial->obj_Edit_BuscaTitulo);

    programa::digitar(obj_Form_FormInicial->obj_Edit_BuscaTitulo, palavra);
    programa::enter(obj_Form_FormInicial->obj_Edit_BuscaTitulo);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaBusca);

    obj_Form_FormDescricaoConversao->strCodigoFamilia = linhasDaBusca().first()[1].left(4);
    navegacao::irPara(navegacao::telaAtual(), obj_Form_FormDescricaoConversao);
    obj_Form_FormDescricaoConversao->obj_Combo_Para->setCurrentText(baseCiuo88);
    programa::clicar(obj_Form_FormDescricaoConversao->obj_Bt_Ok);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabua);

    EXIGIR(converterTitulo(palavra));
    QCOMPARE(programa::avisos(), QStringList());
}

void TesteAcessibilidadeTelas::init() {
    programa::avisos();
    programa::erros();
    eventos.clear();
}

void TesteAcessibilidadeTelas::cleanup() {
    programa::encerrarTeste();
}

// The word typed in the home screen's title box and Enter: the results'
// grid is read as a table with the count, the headers and each row's title,
// code and kind, and its fill is announced.
void TesteAcessibilidadeTelas::gradeDeUmaBusca() {
    EXIGIR(buscarPeloTeclado());

    const QList<QStringList> linhas = linhasDaBusca();
    QCOMPARE(linhas.size(), 20);
    Grade *grade = obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ;
    QAccessibleInterface *tabela = QAccessible::queryAccessibleInterface(grade);
    QAccessibleTableInterface *t = tabela->tableInterface();
    QCOMPARE(t->rowCount(), 13);
    QCOMPARE(t->columnCount(), 3);
    QCOMPARE(t->columnDescription(0), u"Resultado de títulos encontrados (20)"_s);
    QCOMPARE(t->columnDescription(1), u"Famílias"_s);
    QCOMPARE(t->columnDescription(2), u"Tipo"_s);
    QVERIFY(tabela->text(QAccessible::Name).contains(u"(20)"_s));
    for (int linha = 0; linha < 13; ++linha)
        QCOMPARE(textosDaTabela(tabela, linha), linhas[linha]);
    QTRY_VERIFY(eventosDe(grade).contains(QAccessible::TableModelChanged));
}

// A title search, a page change, the family, its three views and its
// conversion, with keys alone.
void TesteAcessibilidadeTelas::tecladoDaPalavraAConversao() {
    EXIGIR(buscarPeloTeclado());
    Grade *grade = obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ;
    QVERIFY(tabAte(grade));

    EXIGIR(tecla(Qt::Key_Down));
    QCOMPARE(grade->linhasSelecionadas(), QList<int>{1});
    EXIGIR(tecla(Qt::Key_PageDown));
    QCOMPARE(obj_Form_FormRespostaBusca->paginador->estado().intPaginaAtual(), 2);
    const QList<QStringList> linhas = linhasDaBusca();
    QCOMPARE(grade->totalLinhas(), 1 + 7);
    QCOMPARE(grade->linhasSelecionadas(), QList<int>{1}); // the new page's first row
    EXIGIR(tecla(Qt::Key_Down));
    QCOMPARE(grade->celula(0, 2), linhas[14][0]);
    QCOMPARE(focado(), grade);

    EXIGIR(tecla(Qt::Key_Return));
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricao);
    QCOMPARE(obj_Form_FormDescricao->strCodigoFamilia, linhas[14][1].left(4));

    // The family menu: the work characteristics, then the conversion view.
    QTRY_VERIFY(focado() && focado()->window() == obj_Form_FormDescricao);
    QVERIFY(tabAte(obj_Form_FormDescricao->links().at(1)));
    EXIGIR(tecla(Qt::Key_Return));
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricaoCaracteristicas);
    QTRY_VERIFY(focado() && focado()->window() == obj_Form_FormDescricaoCaracteristicas);
    QVERIFY(tabAte(obj_Form_FormDescricaoCaracteristicas->links().at(2)));
    EXIGIR(tecla(Qt::Key_Space));
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricaoConversao);
    QCOMPARE(obj_Form_FormDescricaoConversao->strCodigoFamilia, linhas[14][1].left(4));

    // The base chosen in the list with the arrows, then OK with Enter.
    QTRY_VERIFY(focado() && focado()->window() == obj_Form_FormDescricaoConversao);
    QComboBox *para = obj_Form_FormDescricaoConversao->obj_Combo_Para;
    QVERIFY(tabAte(para));
    while (para->currentText() != baseCiuo88 && para->currentIndex() < para->count() - 1)
        EXIGIR(tecla(Qt::Key_Down));
    QCOMPARE(para->currentText(), baseCiuo88);
    QVERIFY(tabAte(obj_Form_FormDescricaoConversao->obj_Bt_Ok));
    EXIGIR(tecla(Qt::Key_Return));
    QCOMPARE(programa::avisos(), QStringList());
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabua);
    QAccessibleInterface *conversao = QAccessible::queryAccessibleInterface(
        obj_Form_FormRespostaTabua->obj_SortGrid_Tabua_Codigo);
    QCOMPARE(conversao->tableInterface()->rowCount(), 1);
    QVERIFY(
        conversao->tableInterface()->cellAt(0, 0)->text(QAccessible::Name).startsWith(u"9901"_s));
    QVERIFY(conversao->text(QAccessible::Name).endsWith(u"(1)"_s));
    QVERIFY(conversao->text(QAccessible::Description)
                .startsWith(obj_Form_FormDescricaoConversao->strCodigoFamilia));
}

void TesteAcessibilidadeTelas::paginaPeloTeclado_data() {
    QTest::addColumn<bool>("conversao");
    QTest::newRow("resposta da busca") << false;
    QTest::newRow("títulos da tábua") << true;
}

// On results of two blocks of pages, Tab to "Página 3" and Enter: page 3 is
// shown, its label stays on view disabled and read as the checked one, and
// the focus moves once, to "Página 4"; Enter again shows page 4, in the
// same block.
void TesteAcessibilidadeTelas::paginaPeloTeclado() {
    QFETCH(bool, conversao);
    if (conversao)
        EXIGIR(converterTitulo(palavraPaginada));
    else
        EXIGIR(buscarPeloTeclado(palavraPaginada));
    Paginador *paginador = conversao ? obj_Form_FormRespostaTabuaTitulo->paginador
                                     : obj_Form_FormRespostaBusca->paginador;
    QVERIFY(paginador->estado().fltTotalBlocos() >= 2);
    QVERIFY(paginador->obj_Bt_Pagina_Mais->isVisible());
    QVERIFY(tabAte(paginador->obj_Bt_Pagina_Terceiro));

    int mudancas = 0;
    const QMetaObject::Connection conexao =
        connect(qApp, &QApplication::focusChanged, this, [&] { ++mudancas; });
    EXIGIR(tecla(Qt::Key_Return));
    disconnect(conexao);
    QCOMPARE(paginador->estado().intPaginaAtual(), 3);
    QCOMPARE(focado(), paginador->obj_Bt_Pagina_Quarto);
    QCOMPARE(mudancas, 1);
    RotuloLink *atual = paginador->obj_Bt_Pagina_Terceiro;
    QVERIFY(atual->isVisible() && !atual->isEnabled());
    QVERIFY(QAccessible::queryAccessibleInterface(atual)->state().checked);

    EXIGIR(tecla(Qt::Key_Return));
    QCOMPARE(paginador->estado().intPaginaAtual(), 4);
    QCOMPARE(paginador->estado().intBlocoAtual(), 1);
    QCOMPARE(focado(), paginador->obj_Bt_Pagina_Quinto);
}

// Three rows selected with the keyboard and Ctrl+C: three tab-separated
// lines of their visible texts.
void TesteAcessibilidadeTelas::copiarTresLinhas() {
    EXIGIR(buscarPeloTeclado());
    Grade *grade = obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ;
    QVERIFY(tabAte(grade));
    EXIGIR(tecla(Qt::Key_Down));
    EXIGIR(tecla(Qt::Key_Down, Qt::ShiftModifier));
    EXIGIR(tecla(Qt::Key_Down, Qt::ShiftModifier));
    QGuiApplication::clipboard()->clear();
    EXIGIR(tecla(Qt::Key_C, Qt::ControlModifier));
    const QList<QStringList> linhas = linhasDaBusca();
    QStringList esperado;
    for (int i = 0; i < 3; ++i)
        esperado << QStringList{linhas[i][0], linhas[i][1], linhas[i][2].trimmed()}.join(u'\t');
    QCOMPARE(QGuiApplication::clipboard()->text(), esperado.join(u'\n'));
}

// A screen reader sorts the page on view by pressing a header cell, and
// hears of it; the pages' fills show the query's order again, the sort's
// column and direction kept.
void TesteAcessibilidadeTelas::ordenarPeloLeitorDeTela() {
    EXIGIR(buscarPeloTeclado());
    Grade *grade = obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ;
    QVERIFY(tabAte(grade));
    QAccessibleInterface *tabela = QAccessible::queryAccessibleInterface(grade);
    const QList<QAccessibleInterface *> cabecalho =
        tabela->tableInterface()->cellAt(0, 0)->tableCellInterface()->columnHeaderCells();
    QCOMPARE(cabecalho.size(), 1);
    QAccessibleActionInterface *acao = cabecalho.first()->actionInterface();
    QVERIFY(acao);
    const QString prensa = QAccessibleActionInterface::pressAction();
    QCOMPARE(acao->localizedActionDescription(prensa),
             u"Ordenar por Resultado de títulos encontrados (20), decrescente"_s);
    const auto titulos = [tabela] {
        QStringList lidos;
        for (int linha = 0; linha < tabela->tableInterface()->rowCount(); ++linha)
            lidos << tabela->tableInterface()->cellAt(linha, 0)->text(QAccessible::Name);
        return lidos;
    };
    QStringList daConsulta;
    for (const QStringList &linha : linhasDaBusca().mid(0, 13))
        daConsulta << linha[0];
    QCoreApplication::processEvents(); // the fill's announcements
    eventos.clear();

    acao->doAction(prensa);
    QStringList invertidos = daConsulta;
    std::reverse(invertidos.begin(), invertidos.end());
    QCOMPARE(titulos(), invertidos);
    QCOMPARE(cabecalho.first()->text(QAccessible::Description), u"Ordem decrescente"_s);
    QTRY_VERIFY(eventosDe(grade).contains(QAccessible::TableModelChanged));

    EXIGIR(tecla(Qt::Key_PageDown));
    EXIGIR(tecla(Qt::Key_PageUp));
    QCOMPARE(titulos(), daConsulta);
    QCOMPARE(cabecalho.first()->text(QAccessible::Description), u"Ordem decrescente"_s);
    acao->doAction(prensa); // back to ascending for the tests after this one
    QVERIFY(!grade->ordemDescendente());
}

// The notice is an alert announced with its text; the exit confirmation
// carries its question and opens on "Não", which Enter chooses.
void TesteAcessibilidadeTelas::avisoAnunciadoESaidaDescrita() {
    programa::avisosReais(true);
    bool abertoDepoisDoEspaco = false;
    QVERIFY(programa::responderDialogo(
        obj_Form_Aviso_MODAL, [] { aviso::prcMostrarAviso(u"Digite a palavra para Busca"_s); },
        [&] {
            QTest::keyClick(obj_Form_Aviso_MODAL, Qt::Key_Space); // nothing
            abertoDepoisDoEspaco = obj_Form_Aviso_MODAL->isVisible();
            QTest::keyClick(obj_Form_Aviso_MODAL, Qt::Key_Return);
        }));
    programa::avisosReais(false);
    QVERIFY(abertoDepoisDoEspaco);
    QVERIFY(eventosDe(obj_Form_Aviso_MODAL).contains(QAccessible::Alert));
    QAccessibleInterface *aviso = QAccessible::queryAccessibleInterface(obj_Form_Aviso_MODAL);
    QCOMPARE(aviso->role(), QAccessible::AlertMessage);
    QCOMPARE(aviso->text(QAccessible::Description), u"Digite a palavra para Busca"_s);

    // Enter only once the focus is on "Não": elsewhere it might end the
    // program. Left open, the question is closed for the test.
    bool focoNoNao = false;
    QVERIFY(programa::responderDialogo(
        obj_Form_MODAL_Sair, [] { obj_Form_MODAL_Sair->perguntar(); },
        [&] {
            focoNoNao =
                QTest::qWaitFor([] { return focado() == obj_Form_MODAL_Sair->obj_Img_Bt_Nao; });
            if (focoNoNao)
                QTest::keyClick(focado(), Qt::Key_Return);
        }));
    QVERIFY(focoNoNao);
    QVERIFY(!obj_Form_MODAL_Sair->isVisible());
    QAccessibleInterface *sair = QAccessible::queryAccessibleInterface(obj_Form_MODAL_Sair);
    QCOMPARE(sair->role(), QAccessible::Dialog);
    QCOMPARE(sair->text(QAccessible::Description), u"Deseja fechar o aplicativo?"_s);
}

// The conversion-by-title results show eight "Ok" buttons: each is
// described by the whole title of its row.
void TesteAcessibilidadeTelas::okDeCadaLinhaDescrito() {
    EXIGIR(converterTitulo(palavra));
    QStringList descricoes;
    for (const auto &linha : obj_Form_FormRespostaTabuaTitulo->linhasTitulos) {
        if (!linha.obj_Bt_Ok->isVisible())
            continue;
        descricoes << QAccessible::queryAccessibleInterface(linha.obj_Bt_Ok)
                          ->text(QAccessible::Description);
        QVERIFY(descricoes.last().contains(palavra, Qt::CaseInsensitive));
    }
    QCOMPARE(descricoes.size(), 8);
    QCOMPARE(QSet<QString>(descricoes.begin(), descricoes.end()).size(), 8);
}

void TesteAcessibilidadeTelas::cabecalhosSelecionaveis_data() {
    QTest::addColumn<int>("tela");
    QTest::addColumn<QString>("rotulo");
    const auto linha = [](IdTela tela, const QString &rotulo) {
        QTest::addRow("%s %s", qPrintable(navegacao::tela(tela)->objectName()), qPrintable(rotulo))
            << int(tela) << rotulo;
    };
    linha(IdTela::FormDescricao, u"obj_Lb_Descr_Familia"_s);
    linha(IdTela::FormDescricao, u"obj_Lb_Afins"_s);
    linha(IdTela::FormDescricaoCaracteristicas, u"obj_Lb_Titulo"_s);
    linha(IdTela::FormDescricaoConversao, u"obj_Lb_Titulo"_s);
    linha(IdTela::FormRespostaTabua, u"obj_Lb_BemVindo"_s);
    linha(IdTela::FormRespostaTabua, u"obj_Lb_Titulo_Base"_s);
    linha(IdTela::FormRespostaTabuaTitulo, u"obj_Lb_Total_Encontrados"_s);
}

// The headings of the family and conversion screens: the mouse selects
// their text, and "Copiar" copies the selection, or the whole text.
void TesteAcessibilidadeTelas::cabecalhosSelecionaveis() {
    QFETCH(int, tela);
    QFETCH(QString, rotulo);
    auto *titulo = navegacao::tela(IdTela(tela))->findChild<QLabel *>(rotulo);
    QVERIFY(titulo);
    QVERIFY(titulo->textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY(!titulo->text().isEmpty());
    QCOMPARE(titulo->actions().size(), 1);
    QCOMPARE(titulo->actions().first()->text(), u"Copiar"_s);
    titulo->setSelection(0, 3);
    titulo->actions().first()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), titulo->text().left(3));
    titulo->setSelection(0, 0);
    titulo->actions().first()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), titulo->text());
}

void TesteAcessibilidadeTelas::memosCopiamSemMudar_data() {
    QTest::addColumn<int>("tela");
    QTest::addColumn<QString>("memo");
    QTest::newRow("descrição sumária") << int(IdTela::FormDescricao) << u"obj_Memo_Descricao"_s;
    QTest::newRow("exceções") << int(IdTela::FormDescricao) << u"obj_MemoExcecao"_s;
    QTest::newRow("condições") << int(IdTela::FormDescricaoCaracteristicas)
                               << u"obj_Memo_Descricao"_s;
    QTest::newRow("formação") << int(IdTela::FormDescricaoCaracteristicas) << u"obj_MemoFormacao"_s;
}

// A memo's text is selected and copied with the keyboard; typing changes
// nothing.
void TesteAcessibilidadeTelas::memosCopiamSemMudar() {
    QFETCH(int, tela);
    QFETCH(QString, memo);
    auto *texto = navegacao::tela(IdTela(tela))->findChild<QPlainTextEdit *>(memo);
    QVERIFY(texto);
    texto->setPlainText(u"Primeira linha.\nSegunda linha."_s);
    QVERIFY(texto->isReadOnly());
    QTest::keyClick(texto, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(texto, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Primeira linha."_s);
    QTest::keyClick(texto, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(texto, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Primeira linha.\nSegunda linha."_s);
    QTest::keyClicks(texto, u"xyz"_s);
    QTest::keyClick(texto, Qt::Key_Delete);
    QCOMPARE(texto->toPlainText(), u"Primeira linha.\nSegunda linha."_s);
}

void TesteAcessibilidadeTelas::nomes_data() {
    QTest::addColumn<int>("tela"); // an IdTela, or -1 About, -2 notice, -3 exit
    for (int id = 0; id <= int(IdTela::FormRespostaTabuaTitulo); ++id)
        QTest::addRow("%s", qPrintable(navegacao::tela(IdTela(id))->objectName())) << id;
    QTest::newRow("sobre") << -1;
    QTest::newRow("aviso") << -2;
    QTest::newRow("sair") << -3;
}

// Every visible control of every screen has a name of its own: not a group
// box's caption, and not the name and description of another control.
void TesteAcessibilidadeTelas::nomes() {
    QFETCH(int, tela);
    QWidget *janela = nullptr;
    if (tela >= 0) {
        janela = navegacao::tela(IdTela(tela));
        navegacao::irPara(navegacao::telaAtual(), static_cast<TelaPrincipal *>(janela));
    } else if (tela == -1) {
        navegacao::mostrarSobre();
        janela = obj_Form_FormAbout;
    } else {
        janela = tela == -2 ? static_cast<QWidget *>(obj_Form_Aviso_MODAL) : obj_Form_MODAL_Sair;
        janela->show();
    }
    const QStringList faltas = faltasDeNome(janela);
    if (tela == -1)
        navegacao::sobreFechado();
    else if (tela < -1)
        janela->hide();
    QVERIFY2(faltas.isEmpty(), qPrintable(faltas.join(u", "_s)));
}

void TesteAcessibilidadeTelas::nomesQueDistinguem_data() {
    QTest::addColumn<int>("tela");
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("nome");
    const auto linha = [](IdTela tela, const QString &controle, const QString &nome) {
        QTest::addRow("%s", qPrintable(nome)) << int(tela) << controle << nome;
    };
    for (const char16_t letra : {u'A', u'E', u'O', u'Z'})
        linha(IdTela::FormBuscaTituloAZ, u"obj_Bt_BuscaTitulosAZ_"_s + QChar(letra),
              u"Letra "_s + QChar(letra));
    linha(IdTela::FormBuscaTituloAZ, u"obj_Bt_BuscaTitulosAZ_Ok"_s, u"Buscar por palavra"_s);
    linha(IdTela::FormInicial, u"obj_Bt_ProcurarTitulo"_s, u"Procurar título"_s);
    linha(IdTela::FormInicial, u"obj_Bt_ProcurarCodigo"_s, u"Procurar código"_s);
}

// Controls that look alike are heard for what they do: each letter of the
// A–Z index by its letter, its word box's OK apart from the quick search's,
// each "Procurar" of the home screen by its search.
void TesteAcessibilidadeTelas::nomesQueDistinguem() {
    QFETCH(int, tela);
    QFETCH(QString, controle);
    QFETCH(QString, nome);
    TelaPrincipal *janela = navegacao::tela(IdTela(tela));
    navegacao::irPara(navegacao::telaAtual(), janela);
    auto *alvo = janela->findChild<QWidget *>(controle);
    QVERIFY(alvo);
    QCOMPARE(QAccessible::queryAccessibleInterface(alvo)->text(QAccessible::Name), nome);
}

void TesteAcessibilidadeTelas::tabelasDeResultado_data() {
    QTest::addColumn<int>("tela");
    QTest::addColumn<QString>("nome");
    QTest::newRow("busca por título") << int(IdTela::FormRespostaBusca)
                                      << u"Resultado de títulos encontrados (20), Famílias, Tipo"_s;
    QTest::newRow("índice de A a Z") << int(IdTela::FormBuscaTituloAZ)
                                     << u"Resultado de títulos encontrados (20), ZEL2002, ZEL94"_s;
    QTest::newRow("busca por código")
        << int(IdTela::FormRespostaBuscaCodigo) << u"Código, Família / Ocupação (2)"_s;
}

// Each result table is named by what it lists and how many (its header
// texts), and the new name is announced: after a title search from the home
// screen, a word searched in the A–Z index, and a family's code from the
// home screen.
void TesteAcessibilidadeTelas::tabelasDeResultado() {
    QFETCH(int, tela);
    QFETCH(QString, nome);
    Grade *grade = nullptr;
    switch (IdTela(tela)) {
    case IdTela::FormRespostaBusca:
        EXIGIR(buscarPeloTeclado());
        grade = obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ;
        break;
    case IdTela::FormBuscaTituloAZ:
        navegacao::irPara(navegacao::telaAtual(), obj_Form_FormBuscaTituloAZ);
        programa::digitar(obj_Form_FormBuscaTituloAZ->obj_Edit_BuscaTitulosAZ, palavra);
        programa::enter(obj_Form_FormBuscaTituloAZ->obj_Edit_BuscaTitulosAZ);
        grade = obj_Form_FormBuscaTituloAZ->obj_SortGrid_BuscaTitulosAZ;
        break;
    default:
        navegacao::irPara(navegacao::telaAtual(), obj_Form_FormInicial);
        programa::digitar(obj_Form_FormInicial->obj_Edit_BuscaCodigo, u"4910"_s);
        programa::enter(obj_Form_FormInicial->obj_Edit_BuscaCodigo);
        grade = obj_Form_FormRespostaBuscaCodigo->obj_SortGrid_BuscaTitulosAZ;
        break;
    }
    QCOMPARE(programa::avisos(), QStringList());
    QCOMPARE(int(navegacao::telaAtual()->id()), tela);
    QCOMPARE(QAccessible::queryAccessibleInterface(grade)->text(QAccessible::Name), nome);
    QTRY_VERIFY(eventosDe(grade).contains(QAccessible::NameChanged));
}

// The controls that draw themselves, in a group box and given no name, are
// heard by what they show (a picture button by its tooltip, a link by its
// text, a grid by the label beside it or else its header), never by the
// box's caption.
void TesteAcessibilidadeTelas::controlesNumGrupo() {
    QGroupBox grupo(u".:: Grupo ::."_s);
    auto *botao = new BotaoFigura(&grupo, u"bt_voltar"_s, QRect(10, 20, 36, 18));
    botao->setToolTip(u"Voltar"_s);
    auto *link =
        new RotuloLink(&grupo, u"B"_s, QPoint(60, 20), QFont(), RotuloLink::Destaque::Sublinhado);
    auto *semRotulo = new Grade(&grupo, QRect(10, 50, 200, 40), 2, true, 17);
    semRotulo->definirCelula(0, 0, u"Resultado (3)"_s);
    semRotulo->definirCelula(1, 0, u"Tipo"_s);
    auto *rotulo = new QLabel(&grupo);
    auto *comRotulo = new Grade(&grupo, QRect(10, 100, 200, 40), 1, false, 17);
    acessivel::nomearPeloRotulo(rotulo, comRotulo);
    rotulo->setText(u"Ocupações:"_s);
    const auto nome = [](QWidget *controle) {
        return QAccessible::queryAccessibleInterface(controle)->text(QAccessible::Name);
    };
    QCOMPARE(nome(botao), u"Voltar"_s);
    QCOMPARE(nome(link), u"B"_s);
    QCOMPARE(nome(semRotulo), u"Resultado (3), Tipo"_s);
    QCOMPARE(nome(comRotulo), u"Ocupações"_s);
}

void TesteAcessibilidadeTelas::tabAlcancaTudo_data() {
    QTest::addColumn<int>("tela");
    for (int id = 0; id <= int(IdTela::FormRespostaTabuaTitulo); ++id)
        QTest::addRow("%s", qPrintable(navegacao::tela(IdTela(id))->objectName())) << id;
}

// Tab visits every control a user can click; Shift+Tab visits them in the
// opposite order.
void TesteAcessibilidadeTelas::tabAlcancaTudo() {
    QFETCH(int, tela);
    TelaPrincipal *janela = navegacao::tela(IdTela(tela));
    navegacao::irPara(navegacao::telaAtual(), janela);
    QTRY_VERIFY(focado() && focado()->window() == janela);
    const QList<QWidget *> esperados = clicaveis(janela);
    QVERIFY(!esperados.isEmpty());

    QList<QWidget *> ida;
    const QWidget *inicio = focado();
    for (int i = 0; i < 400; ++i) {
        EXIGIR(tecla(Qt::Key_Tab));
        if (!ida.contains(focado()))
            ida << focado();
        if (focado() == inicio && ida.size() > 1)
            break;
    }
    QStringList faltam;
    for (QWidget *w : esperados)
        if (!ida.contains(w))
            faltam << w->objectName() + u" "_s + QString::fromLatin1(w->metaObject()->className());
    QVERIFY2(faltam.isEmpty(), qPrintable(faltam.join(u", "_s)));

    // Back from where the turn began: the same controls, the other way round.
    QList<QWidget *> volta;
    for (int i = 0; i < 400 && volta.size() < ida.size(); ++i) {
        EXIGIR(tecla(Qt::Key_Backtab));
        if (!volta.contains(focado()))
            volta << focado();
    }
    QList<QWidget *> invertida(ida.rbegin(), ida.rend());
    // Viewers with links visit them on the way: compare the controls only.
    const auto soControles = [&esperados](QList<QWidget *> lista) {
        lista.removeIf([&](QWidget *w) { return !esperados.contains(w); });
        return lista;
    };
    QList<QWidget *> voltaControles = soControles(volta);
    QList<QWidget *> esperada = soControles(invertida);
    // The turn back starts at the control before the start.
    std::rotate(esperada.begin(), esperada.begin() + 1, esperada.end());
    QCOMPARE(voltaControles.size(), esperada.size());
    QCOMPARE(QSet<QWidget *>(voltaControles.begin(), voltaControles.end()),
             QSet<QWidget *>(esperada.begin(), esperada.end()));
}

QTEST_MAIN(TesteAcessibilidadeTelas)
#include "tst_acessibilidade_telas.moc"
