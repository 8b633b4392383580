// The work characteristics view of a family: its two memos filled from the
// family's TTemplate rows, the family menu that carries the family between
// the views, and the re-reading at every activation.

#include "apoio_paginas.h"
#include "fixtures.h"
#include "memo.h"
#include "rotulo_link.h"
#include "unit_FormDescricao.h"
#include "unit_FormDescricaoCaracteristicas.h"
#include "unit_FormDescricaoConversao.h"
#include "unit_global.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

// The paragraphs of a memo, as the document holds them.
QStringList paragrafos(const QPlainTextEdit *memo) {
    if (memo->document()->isEmpty() && memo->document()->blockCount() == 1)
        return {};
    QStringList lista;
    for (QTextBlock bloco = memo->document()->begin(); bloco.isValid(); bloco = bloco.next())
        lista << bloco.text();
    return lista;
}

// Opens the family description of `codigo`, then the work characteristics
// through the family menu, as a user does.
void abrirCaracteristicas(const QString &codigo) {
    obj_Form_FormDescricao->strCodigoFamilia = codigo;
    navegacao::irPara(navegacao::telaAtual(), obj_Form_FormDescricao);
    programa::clicar(obj_Form_FormDescricao->links()[1], QPoint(3, 3));
}

const QString textoLongo = [] {
    QString texto;
    for (int i = 1; i <= 40; ++i)
        texto += u"Frase %1 de um texto mais longo que o memo. "_s.arg(i);
    return texto;
}();

// The basic fixture (0111: two rows; 2111: one; 2112: none) with families
// whose texts hold the cases of the memo: an empty first row, line breaks
// inside a text, a text longer than the memo.
QString bancoDeTestes() {
    return fixtures::Classificacao(u"basica"_s)
        .linha(u"TTemplate"_s, {u"2211"_s, QString(), u"Magistério."_s, QString()})
        .linha(u"TTemplate"_s,
               {u"2211"_s, u"Escolas de educação infantil."_s, QString(), QString()})
        .linha(u"TTemplate"_s,
               {u"3111"_s, u"Estádios\r\nginásios\rquadras\nparques"_s, u"Curso."_s, QString()})
        .linha(u"TTemplate"_s, {u"1111"_s, textoLongo, textoLongo, QString()})
        .criar();
}

} // namespace

class TesteCaracteristicas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void umParagrafoPorLinha_data();
    void umParagrafoPorLinha();
    void familiaMantidaEntreAsVistas();
    void textoLongoRolaENaoMuda();
    void molduraPretaEFundoCreme();
    void releAoVoltarDoSobreNaoDoAviso();
    void buscaRapidaVazia();
    void erroDoBancoNaoApagaOsTextos();
};

void TesteCaracteristicas::initTestCase() {
    programa::instalar(bancoDeTestes());
    programa::iniciar();
}

void TesteCaracteristicas::init() {
    programa::limparEventos();
    programa::avisos();
    programa::erros();
}

void TesteCaracteristicas::cleanup() {
    programa::encerrarTeste();
}

void TesteCaracteristicas::umParagrafoPorLinha_data() {
    QTest::addColumn<QString>("familia");
    QTest::addColumn<QStringList>("condicoes");
    QTest::addColumn<QStringList>("formacao");
    QTest::newRow("duas linhas")
        << u"0111"_s
        << QStringList{u"Trabalham em universidades e centros de pesquisa."_s,
                       u"Podem atuar em intercâmbios internacionais."_s}
        << QStringList{u"Formação em programa de doutorado."_s, u"Estágios de pós-doutorado."_s};
    QTest::newRow("uma linha") << u"2111"_s
                               << QStringList{u"Trabalham em hospitais e clínicas, em turnos e "
                                              "plantões."_s}
                               << QStringList{u"Exige-se curso superior em Medicina."_s};
    QTest::newRow("nenhuma linha") << u"2112"_s << QStringList() << QStringList();
    QTest::newRow("família que não existe") << u"9999"_s << QStringList() << QStringList();
    QTest::newRow("aspa no código") << u"01'1"_s << QStringList() << QStringList();
    QTest::newRow("primeira linha vazia")
        << u"2211"_s << QStringList{QString(), u"Escolas de educação infantil."_s}
        << QStringList{u"Magistério."_s, QString()};
    QTest::newRow("quebras de linha no texto")
        << u"3111"_s << QStringList{u"Estádios"_s, u"ginásios"_s, u"quadras"_s, u"parques"_s}
        << QStringList{u"Curso."_s};
}

// Each family is opened right after the one with two rows, so a memo that
// kept anything from before would show it.
void TesteCaracteristicas::umParagrafoPorLinha() {
    QFETCH(QString, familia);
    QFETCH(QStringList, condicoes);
    QFETCH(QStringList, formacao);
    abrirCaracteristicas(u"0111"_s);
    abrirCaracteristicas(familia);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricaoCaracteristicas);
    QCOMPARE(paragrafos(obj_Form_FormDescricaoCaracteristicas->obj_Memo_Descricao), condicoes);
    QCOMPARE(paragrafos(obj_Form_FormDescricaoCaracteristicas->obj_MemoFormacao), formacao);
    QVERIFY(programa::avisos().isEmpty());
    QVERIFY(programa::erros().isEmpty());
}

void TesteCaracteristicas::familiaMantidaEntreAsVistas() {
    abrirCaracteristicas(u"0111"_s);
    Tobj_Form_FormDescricaoCaracteristicas *tela = obj_Form_FormDescricaoCaracteristicas;
    QCOMPARE(tela->strCodigoFamilia, u"0111"_s);
    // The current view's own entry leads nowhere.
    programa::limparEventos();
    programa::clicar(tela->links()[1], QPoint(3, 3));
    QVERIFY(programa::eventos().isEmpty());

    programa::clicar(tela->links()[2], QPoint(3, 3));
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricaoConversao);
    QCOMPARE(obj_Form_FormDescricaoConversao->strCodigoFamilia, u"0111"_s);
    // Meanwhile another family is opened in the description; the conversion
    // view still holds its own.
    obj_Form_FormDescricao->strCodigoFamilia = u"2111"_s;
    programa::clicar(obj_Form_FormDescricaoConversao->links()[1], QPoint(3, 3));
    QCOMPARE(navegacao::telaAtual(), tela);
    QCOMPARE(tela->strCodigoFamilia, u"0111"_s);
    QCOMPARE(paragrafos(tela->obj_Memo_Descricao).size(), 2);

    programa::clicar(tela->links()[0], QPoint(3, 3));
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricao);
    QCOMPARE(obj_Form_FormDescricao->strCodigoFamilia, u"0111"_s);
    programa::clicar(obj_Form_FormDescricao->links()[1], QPoint(3, 3));
    QCOMPARE(tela->strCodigoFamilia, u"0111"_s);
}

void TesteCaracteristicas::textoLongoRolaENaoMuda() {
    abrirCaracteristicas(u"1111"_s);
    for (Memo *memo : {obj_Form_FormDescricaoCaracteristicas->obj_Memo_Descricao,
                       obj_Form_FormDescricaoCaracteristicas->obj_MemoFormacao}) {
        const QString texto = memo->toPlainText();
        QVERIFY(texto.contains(u"Frase 40"_s));
        QVERIFY(memo->verticalScrollBar()->isVisible());
        QVERIFY(memo->verticalScrollBar()->maximum() > 0);
        // Wrapped at the memo's width, the first line on view.
        QVERIFY(!memo->horizontalScrollBar()->isVisible());
        QCOMPARE(memo->verticalScrollBar()->value(), 0);
        const QTextBlock longo = memo->document()->lastBlock();
        QVERIFY(longo.layout()->lineCount() > 5);
        QVERIFY(longo.layout()->boundingRect().width() <= memo->viewport()->width());
        // Read-only: typing and pasting change nothing.
        memo->setFocus();
        QTest::keyClicks(memo, u"xyz"_s);
        QTest::keyClick(memo, Qt::Key_Delete);
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(memo->toPlainText(), texto);
    }
}

// Each memo lies on a black panel one pixel larger on every side, and shows
// its text on cream.
void TesteCaracteristicas::molduraPretaEFundoCreme() {
    abrirCaracteristicas(u"2111"_s);
    Tobj_Form_FormDescricaoCaracteristicas *tela = obj_Form_FormDescricaoCaracteristicas;
    const QImage imagem = tela->grab().toImage();
    using Par = std::pair<QWidget *, QWidget *>;
    const QList<Par> pares{Par(tela->obj_Memo_Descricao, tela->obj_Painel_Memo_Descricao_Sombra),
                           Par(tela->obj_MemoFormacao, tela->obj_Panel_Excecao_Sombra)};
    for (const auto &[memo, painel] : pares) {
        QCOMPARE(painel->geometry(), memo->geometry().adjusted(-1, -1, 1, 1));
        const QRect borda = painel->geometry();
        for (const QPoint &p :
             {borda.topLeft(), borda.bottomRight(), borda.bottomLeft() + QPoint(40, 0)})
            QCOMPARE(imagem.pixelColor(p), QColor(Qt::black));
        // The lower left of the memo is below its one line of text.
        const QPoint fundo = memo->geometry().bottomLeft() + QPoint(4, -4);
        QCOMPARE(imagem.pixelColor(fundo), QColor(0xFF, 0xF7, 0xDF));
        QCOMPARE(memo->font().pixelSize(), 11);
        QCOMPARE(memo->font().family(), QFont::substitute(u"Verdana"_s));
    }
}

// Reading the family again at activation: the About screen going away
// re-reads it; a notice closing above the screen does not.
void TesteCaracteristicas::releAoVoltarDoSobreNaoDoAviso() {
    abrirCaracteristicas(u"0111"_s);
    Tobj_Form_FormDescricaoCaracteristicas *tela = obj_Form_FormDescricaoCaracteristicas;
    QCOMPARE(paragrafos(tela->obj_Memo_Descricao).size(), 2);
    programa::instalar(fixtures::Classificacao(u"basica"_s)
                           .linha(u"TTemplate"_s, {u"0111"_s, u"Terceira linha."_s,
                                                   u"Terceira formação."_s, QString()})
                           .criar());

    QVERIFY(fecharAvisoReal(tela));
    QCOMPARE(paragrafos(tela->obj_Memo_Descricao).size(), 2);

    abrirEFecharSobre(tela);
    QCOMPARE(paragrafos(tela->obj_Memo_Descricao).last(), u"Terceira linha."_s);
    QCOMPARE(paragrafos(tela->obj_MemoFormacao).last(), u"Terceira formação."_s);
    QCOMPARE(paragrafos(tela->obj_Memo_Descricao).size(), 3);
    programa::instalar(bancoDeTestes());
}

void TesteCaracteristicas::buscaRapidaVazia() {
    abrirCaracteristicas(u"0111"_s);
    Tobj_Form_FormDescricaoCaracteristicas *tela = obj_Form_FormDescricaoCaracteristicas;
    programa::limparEventos();
    programa::enter(tela->obj_Edit_BuscaRapida);
    QCOMPARE(programa::avisos(), QStringList{u"Digite a palavra para Busca"_s});
    QVERIFY(programa::eventos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), tela);
    QCOMPARE(paragrafos(tela->obj_Memo_Descricao).size(), 2);
}

// An engine error ends the fill: the message box shows it, the screen is on
// view at the shared position, and the memos keep their texts.
void TesteCaracteristicas::erroDoBancoNaoApagaOsTextos() {
    abrirCaracteristicas(u"0111"_s);
    Tobj_Form_FormDescricaoCaracteristicas *tela = obj_Form_FormDescricaoCaracteristicas;
    programa::instalar(fixtures::semTabela(u"basica"_s, u"TTemplate"_s));
    abrirEFecharSobre(tela);
    QCOMPARE(programa::erros(),
             QStringList{u"O banco de dados não tem a estrutura que o programa espera: "_s +
                         fncCaminhoDados() + u"/zel2002.db\n(no such table: TTemplate)"_s});
    QCOMPARE(navegacao::telaAtual(), tela);
    QVERIFY(tela->isVisible());
    QCOMPARE(paragrafos(tela->obj_Memo_Descricao).size(), 2);
    QCOMPARE(paragrafos(tela->obj_MemoFormacao).size(), 2);
    programa::instalar(bancoDeTestes());
    abrirEFecharSobre(tela);
    QVERIFY(programa::erros().isEmpty());
}

QTEST_MAIN(TesteCaracteristicas)
#include "tst_caracteristicas.moc"
