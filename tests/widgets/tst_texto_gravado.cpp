// Texts from the database that look like markup ("&", "<b>", "&amp;",
// "<script>") are shown, copied, read out and given as tooltips exactly as
// stored, by the grid's cells (plain, or in the bold or italic the program
// gives them), by labels and headings, and by the drop-down list.

#include "elisao.h"
#include "fontes.h"
#include "grade.h"
#include "grade_html.h"
#include "lista_suspensa.h"
#include "rotulos.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// Stored texts, each with what a reader of markup would do to it.
const QList<std::pair<const char *, QString>> gravados = {
    {"e comercial", u"A&B dentista"_s},
    {"negrito gravado", u"Ocupação antiga & <b>múltipla</b> 100%"_s},
    {"itálico gravado", u"Grupo & <i>amplo</i> “teste”"_s},
    {"entidade gravada", u"Dentista &amp; cia"_s},
    {"script", u"Sinônimo <script>alert(1)</script>"_s},
    {"entidade de menor", u"&lt;z&gt; e y"_s},
    {"fecho solto e maiúsculas", u"a </b> <B>b</B> <I>"_s},
};

// How the program puts a text into a cell: plain, bold or italic.
QString compor(const QString &texto, char estilo) {
    if (estilo == 'N')
        return grade_html::negrito(texto);
    if (estilo == 'I')
        return grade_html::italico(texto);
    return grade_html::simples(texto);
}

// The text the tooltip on view shows (a rich text as the tooltip draws it),
// empty when none shows; the tooltip is then hidden.
QString dicaMostrada() {
    QString texto = QToolTip::isVisible() ? QToolTip::text() : QString();
    if (Qt::mightBeRichText(texto)) {
        QTextDocument documento;
        documento.setHtml(texto);
        texto = documento.toPlainText();
    }
    QToolTip::hideText();
    return texto;
}

// The tooltip of a pause of the pointer at `ponto` of `alvo`.
QString dicaEm(QWidget *alvo, QPoint ponto) {
    QToolTip::hideText();
    QHelpEvent evento(QEvent::ToolTip, ponto, alvo->mapToGlobal(ponto));
    QApplication::sendEvent(alvo, &evento);
    return dicaMostrada();
}

QString nomeAcessivel(QObject *objeto) {
    return QAccessible::queryAccessibleInterface(objeto)->text(QAccessible::Name);
}

// A long tail, so that the text is cut in any room below 300 pixels.
const QString cauda = u" e mais palavras que não cabem no espaço dado"_s;

} // namespace

class TesteTextoGravado : public QObject {
    Q_OBJECT
private slots:
    void celula_data();
    void celula();
    void rotulo_data();
    void rotulo();
    void dica_data();
    void dica();
};

void TesteTextoGravado::celula_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<char>("estilo");
    for (const auto &[nome, texto] : gravados)
        for (const char estilo : {'R', 'N', 'I'})
            QTest::addRow("%s, %c", nome, estilo) << texto << estilo;
}

// The cell shows the stored text whole, in one run of the style the program
// gave it; the header sort, the copy and assistive technology read it as
// stored too.
void TesteTextoGravado::celula() {
    QFETCH(QString, texto);
    QFETCH(char, estilo);
    Grade grade(nullptr, QRect(0, 0, 644, 3 * 17), 1, false, 17);
    grade.definirLarguraColuna(0, 640);
    grade.definirCelula(0, 0, compor(texto, estilo));

    const QList<grade_html::Trecho> trechos = grade_html::analisar(grade.celula(0, 0));
    QCOMPARE(trechos.size(), 1);
    QCOMPARE(trechos.first().texto, texto);
    QCOMPARE(trechos.first().negrito, estilo == 'N');
    QCOMPARE(trechos.first().italico, estilo == 'I');
    QCOMPARE(grade.textoVisivel(0, 0), texto);
    QCOMPARE(grade.textoMostrado(0, 0), texto);

    grade.selecionarLinhas(0, 0);
    grade.copiar();
    QCOMPARE(QGuiApplication::clipboard()->text(), texto);

    QAccessibleInterface *tabela = QAccessible::queryAccessibleInterface(&grade);
    QCOMPARE(tabela->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), texto);
}

void TesteTextoGravado::rotulo_data() {
    QTest::addColumn<QString>("texto");
    for (const auto &[nome, texto] : gravados)
        QTest::newRow(nome) << texto;
}

// A heading shows, copies and names the stored text as it is.
void TesteTextoGravado::rotulo() {
    QFETCH(QString, texto);
    QWidget janela;
    QLabel *rotulo =
        rotulos::novo(&janela, u"titulo"_s, QString(), QPoint(0, 0), fontes::verdana(fontes::pt10));
    rotulos::tornarSelecionavel(rotulo);
    elisao::ajustarRotulo(rotulo, texto, 600);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));

    QCOMPARE(rotulo->textFormat(), Qt::PlainText);
    QCOMPARE(rotulo->text(), texto);
    QCOMPARE(rotulo->toolTip(), QString());
    // Laid out as plain text: as wide as the text in the label's font.
    QCOMPARE(rotulo->width(), QFontMetrics(rotulo->font()).horizontalAdvance(texto));
    QCOMPARE(nomeAcessivel(rotulo), texto);
    rotulo->actions().first()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), texto);
}

void TesteTextoGravado::dica_data() {
    QTest::addColumn<QString>("onde");
    QTest::addColumn<QString>("texto");
    for (const QString &onde : {u"grade"_s, u"rótulo"_s, u"lista"_s})
        for (const auto &[nome, texto] : gravados)
            QTest::addRow("%s, %s", qPrintable(onde), nome) << onde << texto + cauda;
}

// Cut to its room, a stored text ends with "…" and shows whole, as stored,
// as the tooltip of the grid cell, the label or the list.
void TesteTextoGravado::dica() {
    QFETCH(QString, onde);
    QFETCH(QString, texto);
    QWidget janela;
    janela.resize(400, 100);
    QWidget *alvo = nullptr;
    QPoint ponto(5, 5);
    if (onde == u"grade"_s) {
        auto *grade = new Grade(&janela, QRect(0, 0, 200, 2 * 17), 1, false, 17);
        grade->definirLarguraColuna(0, 200);
        grade->definirCelula(0, 0, grade_html::negrito(texto));
        alvo = grade->viewport();
    } else if (onde == u"rótulo"_s) {
        QLabel *rotulo = rotulos::novo(&janela, QString(), QString(), QPoint(0, 0),
                                       fontes::verdana(fontes::pt10));
        elisao::ajustarRotulo(rotulo, texto, 200);
        QVERIFY(rotulo->text().endsWith(elisao::reticencias));
        QCOMPARE(nomeAcessivel(rotulo), texto);
        alvo = rotulo;
    } else {
        auto *lista = new ListaSuspensa(&janela);
        lista->setGeometry(0, 0, 200, 21);
        lista->addItem(texto);
        lista->setCurrentIndex(0);
        QVERIFY(lista->textoMostrado().endsWith(elisao::reticencias));
        alvo = lista;
    }
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    QCOMPARE(dicaEm(alvo, ponto), texto);
}

QTEST_MAIN(TesteTextoGravado)
#include "tst_texto_gravado.moc"
