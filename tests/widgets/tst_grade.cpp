// The result grid driven as a user drives it: real mouse and
// wheel events on the viewport, the picture read back from a render.

#include "fontes.h"
#include "grade.h"
#include "grade_html.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <memory>

using namespace Qt::StringLiterals;
using grade_html::Trecho;

Q_DECLARE_METATYPE(QList<Trecho>)

namespace {

const QRgb fundo = qRgb(0xFF, 0xF7, 0xDF);
const QRgb fundoCabecalho = qRgb(0xFE, 0xEE, 0xBD);
const QRgb fundoSelecao = qRgb(0xFF, 0xE0, 0xC0);
const QRgb linhaGrade = qRgb(0xFF, 0xFF, 0xFF);

// A grid like the search results screen's: 644 x 238, header + 13 rows of 17,
// columns 460, 91, 92.
std::unique_ptr<Grade> gradeBusca(QWidget *pai = nullptr) {
    auto grade = std::make_unique<Grade>(pai, QRect(0, 0, 644, 238), 3, true, 17);
    grade->definirLarguraColuna(0, 460);
    grade->definirLarguraColuna(1, 91);
    grade->definirLarguraColuna(2, 92);
    return grade;
}

// The screens' filling of a page: header + one row, clear, header
// texts, one appended row per record but the first, cells appended in order.
void preencher(Grade &grade, const QStringList &cabecalho, const QList<QStringList> &registros) {
    grade.definirTotalLinhas(2);
    grade.limpar();
    for (int c = 0; c < cabecalho.size(); ++c)
        grade.definirCelula(c, 0, cabecalho[c]);
    for (int r = 0; r < registros.size(); ++r) {
        if (r > 0)
            grade.adicionarLinha();
        grade.acrescentarNaLinha(r + 1, registros[r]);
    }
}

QStringList coluna(const Grade &grade, int c) {
    QStringList textos;
    for (int r = 0; r < grade.totalLinhas(); ++r)
        textos.append(grade.celula(c, r));
    return textos;
}

QPoint centroCelula(const Grade &grade, int c, int r) {
    return grade.retanguloCelula(c, r).center();
}

void clicar(Grade &grade, QPoint ponto, Qt::KeyboardModifiers teclas = {}) {
    QTest::mouseClick(grade.viewport(), Qt::LeftButton, teclas, ponto);
}

// A double click as the platform delivers it: press, release, press, double
// click, release.
void duploCliqueReal(Grade &grade, QPoint ponto) {
    QWidget *vista = grade.viewport();
    QTest::mousePress(vista, Qt::LeftButton, {}, ponto);
    QTest::mouseRelease(vista, Qt::LeftButton, {}, ponto);
    QTest::mousePress(vista, Qt::LeftButton, {}, ponto);
    QTest::mouseDClick(vista, Qt::LeftButton, {}, ponto);
    QTest::mouseRelease(vista, Qt::LeftButton, {}, ponto);
}

QImage retrato(Grade &grade) {
    return grade.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of `area` whose colour is none of `cores`: the ink of the text.
QList<QRgb> tinta(const QImage &imagem, const QRect &area, std::initializer_list<QRgb> cores) {
    QList<QRgb> pixels;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = imagem.pixel(x, y) | 0xFF000000u;
            if (std::find(cores.begin(), cores.end(), p) == cores.end())
                pixels.append(p);
        }
    return pixels;
}

// The horizontal extent of the ink in `area` (left, right), or (-1, -1).
QPair<int, int> extensaoTinta(const QImage &imagem, const QRect &area, QRgb fundoCelula) {
    int esquerda = -1, direita = -1;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if ((imagem.pixel(x, y) | 0xFF000000u) != fundoCelula) {
                if (esquerda < 0)
                    esquerda = x;
                direita = x;
                break;
            }
    return {esquerda, direita};
}

QString descrever(const QList<Trecho> &trechos) {
    QString s;
    for (const Trecho &t : trechos)
        s += u'[' + QString(t.negrito ? u"b"_s : QString()) +
             QString(t.italico ? u"i"_s : QString()) + u':' + t.texto + u']';
    return s;
}

} // namespace

class TstGrade : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void trechos_data();
    void trechos();
    void textoSemMarcacaoCompartilhado();

    void estadoInicial_data();
    void estadoInicial();
    void totalLinhas_data();
    void totalLinhas();
    void limparEsvaziaTudoEMantemLinhas();
    void foraDaGrade();
    void acrescentarNaLinha_data();
    void acrescentarNaLinha();
    void larguras();

    void ordenarPeloCabecalho_data();
    void ordenarPeloCabecalho();
    void ordemPortuguesaSemMarcacao_data();
    void ordemPortuguesaSemMarcacao();
    void ordenacaoEstavel();
    void linhasMudamComOTexto();
    void semCabecalhoNaoOrdena();
    void ordenarEPreencherDeNovo();
    void colunaInicialDoCodigo();
    void indicadorDeOrdenacao();

    void duploClique_data();
    void duploClique();

    void selecao_data();
    void selecao();
    void semSelecaoDepoisDePreencher_data();
    void semSelecaoDepoisDePreencher();
    void teclasMovemASelecao();

    void cores();
    void corTextoSelecionado_data();
    void corTextoSelecionado();
    void negritoEItalicoDesenhados();
    void textoRecortadoNaCelula();
    void textoQueNaoCabe_data();
    void textoQueNaoCabe();
    void glifosComoOTextoDaFonte_data();
    void glifosComoOTextoDaFonte();
    void celulasSemTinta_data();
    void celulasSemTinta();
    void alinhamento_data();
    void alinhamento();

    void rodaRolaAsLinhas_data();
    void rodaRolaAsLinhas();
    void barraVertical();
};

void TstGrade::initTestCase() {
    fontes::registrarSubstituicoes();
}

// ---------------------------------------------------------------- mini-HTML

void TstGrade::trechos_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("vazio") << u""_s << u""_s;
    QTest::newRow("simples") << u"Médico clínico"_s << u"[:Médico clínico]"_s;
    QTest::newRow("negrito") << u"<b>2111-02</b>"_s << u"[b:2111-02]"_s;
    QTest::newRow("italico") << u"<i>sinônimo</i>"_s << u"[i:sinônimo]"_s;
    QTest::newRow("misto") << u"a<b>b</b>c<i>d</i>e"_s << u"[:a][b:b][:c][i:d][:e]"_s;
    QTest::newRow("aninhado") << u"<b>x<i>y</i>z</b>"_s << u"[b:x][bi:y][b:z]"_s;
    QTest::newRow("aninhado cruzado") << u"<b>x<i>y</b>z</i>"_s << u"[b:x][bi:y][i:z]"_s;
    QTest::newRow("mesmo duas vezes") << u"<b>a<b>b</b>c</b>d"_s << u"[b:abc][:d]"_s;
    QTest::newRow("nao fechado") << u"<b>código 2111"_s << u"[b:código 2111]"_s;
    QTest::newRow("italico nao fechado") << u"x<i>y"_s << u"[:x][i:y]"_s;
    QTest::newRow("fecho sem abertura") << u"a</b>b"_s << u"[:ab]"_s;
    QTest::newRow("maiusculas") << u"<B>A</B><I>b</I>"_s << u"[b:A][i:b]"_s;
    QTest::newRow("marca vazia") << u"<b></b>x"_s << u"[:x]"_s;
    QTest::newRow("outra marca fica texto") << u"<u>a</u> <br>"_s << u"[:<u>a</u> <br>]"_s;
    QTest::newRow("menor solto") << u"a < b <"_s << u"[:a < b <]"_s;
    QTest::newRow("quase marca") << u"<b x>y<bb>"_s << u"[:<b x>y<bb>]"_s;
    QTest::newRow("so marcas") << u"<b><i></i></b>"_s << u""_s;
    QTest::newRow("entidades") << u"<b>&amp;</b>&lt;i&gt;x"_s << u"[b:&][:<i>x]"_s;
    QTest::newRow("entidade de entidade") << u"&amp;amp;"_s << u"[:&amp;]"_s;
    QTest::newRow("outro e comercial fica texto") << u"A&B &quot; &a"_s << u"[:A&B &quot; &a]"_s;
}

void TstGrade::trechos() {
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    const QList<Trecho> trechos = grade_html::analisar(texto);
    QCOMPARE(descrever(trechos), esperado);
    QString visivel;
    for (const Trecho &t : trechos)
        visivel += t.texto;
    QCOMPARE(grade_html::textoVisivel(texto), visivel);
}

void TstGrade::textoSemMarcacaoCompartilhado() {
    const QString texto = QString::fromUtf8("ENGENHEIROS CIVIS");
    const QList<Trecho> trechos = grade_html::analisar(texto);
    QCOMPARE(trechos.size(), 1);
    QCOMPARE(trechos.first().texto.constData(), texto.constData());
}

// ---------------------------------------------------------------- contents

void TstGrade::estadoInicial_data() {
    QTest::addColumn<bool>("cabecalho");
    QTest::addColumn<int>("linhas");
    QTest::newRow("com cabecalho") << true << 2;
    QTest::newRow("sem cabecalho") << false << 1;
}

void TstGrade::estadoInicial() {
    QFETCH(bool, cabecalho);
    QFETCH(int, linhas);
    Grade grade(nullptr, QRect(10, 20, 481, 62), 2, cabecalho, 17);
    QCOMPARE(grade.geometry(), QRect(10, 20, 481, 62));
    QCOMPARE(grade.totalLinhas(), linhas);
    QCOMPARE(grade.totalColunas(), 2);
    QCOMPARE(grade.frameWidth(), 0);
    QCOMPARE(grade.colunaOrdenacao(), 0);
    QVERIFY(!grade.ordemDescendente());
    QVERIFY(grade.linhasSelecionadas().isEmpty());
    QCOMPARE(grade.corTextoSelecionado(), QColor(Qt::red));
    QCOMPARE(grade.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(grade.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void TstGrade::totalLinhas_data() {
    QTest::addColumn<int>("antes");
    QTest::addColumn<int>("depois");
    QTest::newRow("cresce") << 3 << 6;
    QTest::newRow("encolhe") << 6 << 2;
    QTest::newRow("igual") << 4 << 4;
    QTest::newRow("uma") << 5 << 1;
    QTest::newRow("zero") << 3 << 0;
}

void TstGrade::totalLinhas() {
    QFETCH(int, antes);
    QFETCH(int, depois);
    auto grade = gradeBusca();
    grade->definirTotalLinhas(antes);
    for (int r = 0; r < antes; ++r)
        for (int c = 0; c < 3; ++c)
            grade->definirCelula(c, r, u"%1,%2"_s.arg(c).arg(r));
    grade->selecionarLinhas(1, antes - 1);
    grade->definirTotalLinhas(depois);
    QCOMPARE(grade->totalLinhas(), depois);
    QVERIFY(grade->linhasSelecionadas().isEmpty());
    for (int r = 0; r < depois; ++r)
        for (int c = 0; c < 3; ++c)
            QCOMPARE(grade->celula(c, r), r < antes ? u"%1,%2"_s.arg(c).arg(r) : QString());
    // Rows that went and came back are empty.
    grade->definirTotalLinhas(antes + 2);
    for (int r = std::min(antes, depois); r < antes + 2; ++r)
        QCOMPARE(grade->celula(0, r), QString());
    grade->adicionarLinha();
    QCOMPARE(grade->totalLinhas(), antes + 3);
    QCOMPARE(grade->celula(2, antes + 2), QString());
}

void TstGrade::limparEsvaziaTudoEMantemLinhas() {
    auto grade = gradeBusca();
    preencher(*grade, {u"Resultado (3)"_s, u"Famílias"_s, u"Tipo"_s},
              {{u"a"_s, u"1"_s, u"x"_s}, {u"b"_s, u"2"_s, u"y"_s}, {u"c"_s, u"3"_s, u"z"_s}});
    grade->selecionarLinhas(1, 2);
    grade->limpar();
    QCOMPARE(grade->totalLinhas(), 4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            QVERIFY(grade->celula(c, r).isEmpty());
    QVERIFY(grade->linhasSelecionadas().isEmpty());
    // Cleared cells take appended texts again from the first column.
    grade->acrescentarNaLinha(2, {u"novo"_s});
    QCOMPARE(grade->celula(0, 2), u"novo"_s);
}

void TstGrade::foraDaGrade() {
    auto grade = gradeBusca();
    grade->definirCelula(3, 0, u"x"_s);
    grade->definirCelula(0, 2, u"x"_s);
    grade->definirCelula(-1, 0, u"x"_s);
    grade->acrescentarNaLinha(5, {u"x"_s});
    QCOMPARE(grade->celula(3, 0), QString());
    QCOMPARE(grade->celula(0, 2), QString());
    QCOMPARE(grade->celula(0, -1), QString());
    QCOMPARE(grade->totalLinhas(), 2);
    QCOMPARE(coluna(*grade, 0), QStringList({QString(), QString()}));
    grade->definirTotalLinhas(-3);
    QCOMPARE(grade->totalLinhas(), 0);
    grade->grab(); // paints an empty grid
}

void TstGrade::acrescentarNaLinha_data() {
    QTest::addColumn<QStringList>("jaNaLinha"); // cells before, column by column
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QStringList>("esperado");
    QTest::newRow("em ordem") << QStringList{u""_s, u""_s, u""_s}
                              << QStringList{u"Médico"_s, u"2111"_s, u"Ocupação"_s}
                              << QStringList{u"Médico"_s, u"2111"_s, u"Ocupação"_s};
    QTest::newRow("vazio guarda a coluna")
        << QStringList{u""_s, u""_s, u""_s} << QStringList{u"Médico"_s, u""_s, u"Sinônimo"_s}
        << QStringList{u"Médico"_s, u" "_s, u"Sinônimo"_s};
    QTest::newRow("primeiro vazio")
        << QStringList{u""_s, u""_s, u""_s} << QStringList{u""_s, u"2111"_s}
        << QStringList{u" "_s, u"2111"_s, u""_s};
    QTest::newRow("sobra descartada")
        << QStringList{u""_s, u""_s, u""_s} << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}
        << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("pula celulas ocupadas")
        << QStringList{u"x"_s, u""_s, u"z"_s} << QStringList{u"y"_s, u"w"_s}
        << QStringList{u"x"_s, u"y"_s, u"z"_s};
    QTest::newRow("espaco conta como cheio")
        << QStringList{u" "_s, u""_s, u""_s} << QStringList{u"a"_s}
        << QStringList{u" "_s, u"a"_s, u""_s};
    QTest::newRow("duas chamadas") << QStringList{u""_s, u""_s, u""_s} << QStringList{u"a"_s}
                                   << QStringList{u"a"_s, u"b"_s, u""_s};
    QTest::newRow("lista vazia") << QStringList{u"x"_s, u""_s, u""_s} << QStringList{}
                                 << QStringList{u"x"_s, u""_s, u""_s};
}

void TstGrade::acrescentarNaLinha() {
    QFETCH(QStringList, jaNaLinha);
    QFETCH(QStringList, textos);
    QFETCH(QStringList, esperado);
    auto grade = gradeBusca();
    for (int c = 0; c < 3; ++c)
        grade->definirCelula(c, 1, jaNaLinha[c]);
    grade->acrescentarNaLinha(1, textos);
    if (QByteArray(QTest::currentDataTag()) == "duas chamadas")
        grade->acrescentarNaLinha(1, {u"b"_s});
    QCOMPARE(QStringList({grade->celula(0, 1), grade->celula(1, 1), grade->celula(2, 1)}),
             esperado);
    QCOMPARE(coluna(*grade, 0).first(), QString()); // the header row is untouched
}

void TstGrade::larguras() {
    Grade grade(nullptr, QRect(0, 0, 644, 241), 2, true, 16);
    QCOMPARE(grade.larguraColuna(0), 64);
    grade.definirLarguraColuna(0, 80);
    grade.definirLarguraColuna(1, 565);
    QCOMPARE(grade.larguraColuna(0), 80);
    QCOMPARE(grade.larguraColuna(1), 565);
    QCOMPARE(grade.larguraColuna(2), 0);
    grade.definirTotalLinhas(4);
    QCOMPARE(grade.retanguloCelula(1, 3), QRect(80, 48, 565, 16));
    QCOMPARE(grade.colunaEm(QPoint(79, 5)), 0);
    QCOMPARE(grade.colunaEm(QPoint(80, 5)), 1);
    QCOMPARE(grade.colunaEm(QPoint(645, 5)), -1);
}

// ---------------------------------------------------------------- sorting

void TstGrade::ordenarPeloCabecalho_data() {
    QTest::addColumn<QStringList>("coluna0");  // data rows in query order
    QTest::addColumn<QList<int>>("cliques");   // header columns clicked, in order
    QTest::addColumn<QStringList>("esperado"); // column 0 afterwards
    QTest::addColumn<int>("colunaFinal");
    QTest::addColumn<bool>("descendenteFinal");

    const QStringList tres{u"Bombeiro"_s, u"Carteiro"_s, u"Açougueiro"_s};
    QTest::newRow("uma linha nao ordena")
        << QStringList{u"Bombeiro"_s} << QList<int>{0} << QStringList{u"Bombeiro"_s} << 0 << false;
    QTest::newRow("uma linha outra coluna")
        << QStringList{u"Bombeiro"_s} << QList<int>{2} << QStringList{u"Bombeiro"_s} << 0 << false;
    QTest::newRow("primeiro clique descendente")
        << tres << QList<int>{0} << QStringList{u"Carteiro"_s, u"Bombeiro"_s, u"Açougueiro"_s} << 0
        << true;
    QTest::newRow("segundo clique ascendente")
        << tres << QList<int>{0, 0} << QStringList{u"Açougueiro"_s, u"Bombeiro"_s, u"Carteiro"_s}
        << 0 << false;
    QTest::newRow("outra coluna ascendente") // column 2: z, x, y in query order
        << tres << QList<int>{2} << QStringList{u"Carteiro"_s, u"Açougueiro"_s, u"Bombeiro"_s} << 2
        << false;
    QTest::newRow("outra coluna repetida descendente")
        << tres << QList<int>{2, 2} << QStringList{u"Bombeiro"_s, u"Açougueiro"_s, u"Carteiro"_s}
        << 2 << true;
    QTest::newRow("volta a coluna inicial ascendente")
        << tres << QList<int>{2, 0} << QStringList{u"Açougueiro"_s, u"Bombeiro"_s, u"Carteiro"_s}
        << 0 << false;
    QTest::newRow("duas linhas ordenam") << QStringList{u"b"_s, u"a"_s} << QList<int>{1}
                                         << QStringList{u"a"_s, u"b"_s} << 1 << false;
}

void TstGrade::ordenarPeloCabecalho() {
    QFETCH(QStringList, coluna0);
    QFETCH(QList<int>, cliques);
    QFETCH(QStringList, esperado);
    QFETCH(int, colunaFinal);
    QFETCH(bool, descendenteFinal);
    auto grade = gradeBusca();
    const QStringList coluna1{u"2"_s, u"1"_s, u"3"_s};
    const QStringList coluna2{u"z"_s, u"x"_s, u"y"_s};
    QList<QStringList> registros;
    for (int i = 0; i < coluna0.size(); ++i)
        registros.append({coluna0[i], coluna1[i], coluna2[i]});
    preencher(*grade, {u"Resultado de títulos encontrados (3)"_s, u"Famílias"_s, u"Tipo"_s},
              registros);
    grade->show();
    for (int c : cliques)
        clicar(*grade, centroCelula(*grade, c, 0));
    QCOMPARE(coluna(*grade, 0).mid(1), esperado);
    QCOMPARE(grade->celula(0, 0), u"Resultado de títulos encontrados (3)"_s); // the header stays
    QCOMPARE(grade->colunaOrdenacao(), colunaFinal);
    QCOMPARE(grade->ordemDescendente(), descendenteFinal);
}

void TstGrade::ordemPortuguesaSemMarcacao_data() {
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QStringList>("ascendente");
    QTest::newRow("acentos e caixa") << QStringList{u"Zelador"_s, u"éter"_s,   u"Árbitro"_s,
                                                    u"abacate"_s, u"Médico"_s, u"medico"_s}
                                     << QStringList{u"abacate"_s, u"Árbitro"_s, u"éter"_s,
                                                    u"medico"_s,  u"Médico"_s,  u"Zelador"_s};
    QTest::newRow("marcacao ignorada") << QStringList{u"<b>Zootecnista</b>"_s, u"<i>ajudante</i>"_s,
                                                      u"ENGENHEIRO"_s, u"<b>c<i>b</i></b>"_s}
                                       << QStringList{u"<i>ajudante</i>"_s, u"<b>c<i>b</i></b>"_s,
                                                      u"ENGENHEIRO"_s, u"<b>Zootecnista</b>"_s};
    QTest::newRow("codigos") << QStringList{u"2111-02"_s, u"0111"_s, u"2111"_s, u"9113-05"_s}
                             << QStringList{u"0111"_s, u"2111"_s, u"2111-02"_s, u"9113-05"_s};
}

void TstGrade::ordemPortuguesaSemMarcacao() {
    QFETCH(QStringList, textos);
    QFETCH(QStringList, ascendente);
    auto grade = gradeBusca();
    QList<QStringList> registros;
    for (const QString &t : textos)
        registros.append({t});
    preencher(*grade, {u"Títulos"_s}, registros);
    grade->definirColunaOrdenacaoInicial(2);
    QVERIFY(grade->ordenarPeloCabecalho(0)); // another column: ascending
    QCOMPARE(coluna(*grade, 0).mid(1), ascendente);
    QVERIFY(grade->ordenarPeloCabecalho(0));
    QStringList descendente = ascendente;
    std::reverse(descendente.begin(), descendente.end());
    QCOMPARE(coluna(*grade, 0).mid(1), descendente);
}

void TstGrade::ordenacaoEstavel() {
    auto grade = gradeBusca();
    preencher(*grade, {u"T"_s, u"F"_s, u"Tipo"_s},
              {{u"a"_s, u"1"_s, u"Ocupação"_s},
               {u"b"_s, u"2"_s, u"Família"_s},
               {u"c"_s, u"3"_s, u"Ocupação"_s},
               {u"d"_s, u"4"_s, u"Família"_s},
               {u"e"_s, u"5"_s, u"Ocupação"_s}});
    QVERIFY(grade->ordenarPeloCabecalho(2));
    QCOMPARE(coluna(*grade, 0).mid(1), QStringList({u"b"_s, u"d"_s, u"a"_s, u"c"_s, u"e"_s}));
    QVERIFY(grade->ordenarPeloCabecalho(2));
    // Descending keeps equal texts in their order too.
    QCOMPARE(coluna(*grade, 0).mid(1), QStringList({u"a"_s, u"c"_s, u"e"_s, u"b"_s, u"d"_s}));
}

void TstGrade::linhasMudamComOTexto() {
    auto grade = gradeBusca();
    preencher(*grade, {u"T"_s, u"F"_s, u"Tipo"_s},
              {{u"Carteiro"_s, u"4152"_s, u"Ocupação"_s},
               {u"Agrônomo"_s, u"2101"_s, u"Sinônimo"_s},
               {u"Bombeiro"_s, u"5171"_s, u"Família"_s}});
    grade->selecionarLinhas(2, 2); // Agrônomo
    QVERIFY(grade->ordenarPeloCabecalho(1));
    QCOMPARE(coluna(*grade, 0).mid(1), QStringList({u"Agrônomo"_s, u"Carteiro"_s, u"Bombeiro"_s}));
    QCOMPARE(coluna(*grade, 1).mid(1), QStringList({u"2101"_s, u"4152"_s, u"5171"_s}));
    QCOMPARE(coluna(*grade, 2).mid(1), QStringList({u"Sinônimo"_s, u"Ocupação"_s, u"Família"_s}));
    QCOMPARE(grade->linhasSelecionadas(), QList<int>({1})); // the selection follows its row
}

void TstGrade::semCabecalhoNaoOrdena() {
    Grade grade(nullptr, QRect(0, 0, 644, 241), 1, false, 16);
    grade.definirTotalLinhas(3);
    grade.definirCelula(0, 0, u"c"_s);
    grade.definirCelula(0, 1, u"b"_s);
    grade.definirCelula(0, 2, u"a"_s);
    grade.show();
    clicar(grade, centroCelula(grade, 0, 0));
    QVERIFY(!grade.ordenarPeloCabecalho(0));
    QCOMPARE(coluna(grade, 0), QStringList({u"c"_s, u"b"_s, u"a"_s}));
    QCOMPARE(grade.linhasSelecionadas(), QList<int>({0})); // row 0 is a data row here
}

void TstGrade::ordenarEPreencherDeNovo() {
    // Sorting the page by "Tipo", then the next page: query order again, the
    // sort column and direction as they were.
    auto grade = gradeBusca();
    const QStringList cabecalho{u"Resultado de títulos encontrados (26)"_s, u"Famílias"_s,
                                u"Tipo"_s};
    const QList<QStringList> pagina1{{u"Zelador"_s, u"5141"_s, u"Ocupação"_s},
                                     {u"Auxiliar"_s, u"4110"_s, u"Família"_s},
                                     {u"Mestre"_s, u"7102"_s, u"Sinônimo"_s}};
    const QList<QStringList> pagina2{{u"Vigia"_s, u"5174"_s, u"Sinônimo"_s},
                                     {u"Operador"_s, u"7823"_s, u"Família"_s}};
    preencher(*grade, cabecalho, pagina1);
    grade->show();
    clicar(*grade, centroCelula(*grade, 2, 0));
    QCOMPARE(coluna(*grade, 2).mid(1), QStringList({u"Família"_s, u"Ocupação"_s, u"Sinônimo"_s}));
    QCOMPARE(grade->colunaOrdenacao(), 2);
    QVERIFY(!grade->ordemDescendente());

    preencher(*grade, cabecalho, pagina2);
    QCOMPARE(coluna(*grade, 0), QStringList({cabecalho[0], u"Vigia"_s, u"Operador"_s}));
    QCOMPARE(grade->colunaOrdenacao(), 2);
    QVERIFY(!grade->ordemDescendente());

    preencher(*grade, cabecalho, pagina1);
    QCOMPARE(coluna(*grade, 0).mid(1), QStringList({u"Zelador"_s, u"Auxiliar"_s, u"Mestre"_s}));
    clicar(*grade, centroCelula(*grade, 2, 0)); // the same column again: descending
    QCOMPARE(coluna(*grade, 2).mid(1), QStringList({u"Sinônimo"_s, u"Ocupação"_s, u"Família"_s}));
    QVERIFY(grade->ordemDescendente());
}

void TstGrade::colunaInicialDoCodigo() {
    Grade grade(nullptr, QRect(0, 0, 644, 241), 2, true, 16);
    grade.definirLarguraColuna(0, 80);
    grade.definirLarguraColuna(1, 565);
    grade.definirColunaOrdenacaoInicial(1);
    QCOMPARE(grade.colunaOrdenacao(), 1);
    QVERIFY(!grade.ordemDescendente());
    preencher(grade, {u"Código"_s, u"Família / Ocupação (3)"_s},
              {{u"2111"_s, u"MÉDICOS"_s},
               {u"2111-02"_s, u"<b>Anestesista</b>"_s},
               {u"2111-03"_s, u"<b>Cirurgião</b>"_s}});
    grade.show();
    clicar(grade, centroCelula(grade, 1, 0));
    QCOMPARE(coluna(grade, 1).mid(1),
             QStringList({u"MÉDICOS"_s, u"<b>Cirurgião</b>"_s, u"<b>Anestesista</b>"_s}));
    QVERIFY(grade.ordemDescendente());
    clicar(grade, centroCelula(grade, 0, 0));
    QCOMPARE(grade.colunaOrdenacao(), 0);
    QVERIFY(!grade.ordemDescendente());
    QCOMPARE(coluna(grade, 0).mid(1), QStringList({u"2111"_s, u"2111-02"_s, u"2111-03"_s}));
}

void TstGrade::indicadorDeOrdenacao() {
    auto grade = gradeBusca();
    preencher(*grade, {u"T"_s, u"F"_s, u"Tipo"_s}, {{u"a"_s}, {u"b"_s}});
    auto temIndicador = [&](int c) {
        const QRect r = grade->retanguloCelula(c, 0);
        // The right end of the header cell, where no header text reaches.
        const QRect canto(r.right() - 14, r.top(), 13, r.height() - 1);
        return !tinta(retrato(*grade), canto, {fundoCabecalho}).isEmpty();
    };
    QVERIFY(temIndicador(0));
    QVERIFY(!temIndicador(1));
    QVERIFY(!temIndicador(2));
    const QImage ascendente = retrato(*grade).copy(grade->retanguloCelula(0, 0));
    grade->ordenarPeloCabecalho(0);
    const QImage descendente = retrato(*grade).copy(grade->retanguloCelula(0, 0));
    QVERIFY(ascendente != descendente); // the triangle turns
    grade->ordenarPeloCabecalho(2);
    QVERIFY(!temIndicador(0));
    QVERIFY(temIndicador(2));
    Grade semCabecalho(nullptr, QRect(0, 0, 200, 50), 1, false, 17);
    semCabecalho.definirLarguraColuna(0, 200);
    const QRect canto(200 - 15, 0, 13, 16);
    QVERIFY(tinta(retrato(semCabecalho), canto, {fundo, linhaGrade}).isEmpty());
}

// ---------------------------------------------------------------- double click

void TstGrade::duploClique_data() {
    QTest::addColumn<bool>("cabecalho");
    QTest::addColumn<QPoint>("ponto");
    QTest::addColumn<int>("linha");
    QTest::addColumn<int>("coluna");
    // Header + 3 data rows of 17 (rows end at y = 68), columns 460, 91, 92.
    QTest::newRow("cabecalho") << true << QPoint(500, 8) << 0 << 1;
    QTest::newRow("primeira linha") << true << QPoint(10, 17 + 8) << 1 << 0;
    QTest::newRow("ultima linha") << true << QPoint(600, 3 * 17 + 16) << 3 << 2;
    QTest::newRow("abaixo da ultima") << true << QPoint(100, 4 * 17 + 1) << 0 << 0;
    QTest::newRow("abaixo da ultima coluna 2") << true << QPoint(560, 200) << 0 << 2;
    QTest::newRow("sem cabecalho linha 0") << false << QPoint(10, 8) << 0 << 0;
    QTest::newRow("sem cabecalho linha 2") << false << QPoint(470, 2 * 17 + 3) << 2 << 1;
    QTest::newRow("sem cabecalho abaixo") << false << QPoint(10, 3 * 17 + 2) << 0 << 0;
}

void TstGrade::duploClique() {
    QFETCH(bool, cabecalho);
    QFETCH(QPoint, ponto);
    QFETCH(int, linha);
    QFETCH(int, coluna);
    Grade grade(nullptr, QRect(0, 0, 644, 238), 3, cabecalho, 17);
    grade.definirLarguraColuna(0, 460);
    grade.definirLarguraColuna(1, 91);
    grade.definirLarguraColuna(2, 92);
    grade.definirTotalLinhas(cabecalho ? 4 : 3);
    for (int r = 0; r < grade.totalLinhas(); ++r)
        grade.definirCelula(1, r, u"%1-xx"_s.arg(5000 + r));
    grade.show();
    QSignalSpy espiao(&grade, &Grade::duploClique);
    duploCliqueReal(grade, ponto);
    QCOMPARE(espiao.size(), 1);
    QCOMPARE(espiao.first().at(0).toInt(), linha);
    QCOMPARE(espiao.first().at(1).toInt(), coluna);
    // A double click on the header sorts once (its first click), ascending.
    if (cabecalho && ponto.y() < 17) {
        QCOMPARE(grade.colunaOrdenacao(), 1);
        QVERIFY(!grade.ordemDescendente());
    }
}

// ---------------------------------------------------------------- selection

void TstGrade::selecao_data() {
    QTest::addColumn<QString>("gesto");
    QTest::addColumn<QList<int>>("selecionadas");
    QTest::newRow("clique") << u"clique"_s << QList<int>{3};
    QTest::newRow("shift clique") << u"shift"_s << QList<int>{3, 4, 5, 6};
    QTest::newRow("shift clique acima") << u"shiftAcima"_s << QList<int>{1, 2, 3};
    QTest::newRow("arrasto") << u"arrasto"_s << QList<int>{3, 4, 5};
    QTest::newRow("clique abaixo nada muda") << u"abaixo"_s << QList<int>{3};
    QTest::newRow("clique no cabecalho nada muda") << u"cabecalho"_s << QList<int>{3};
    QTest::newRow("novo clique substitui") << u"outro"_s << QList<int>{5};
    QTest::newRow("botao direito nada faz") << u"direito"_s << QList<int>{3};
}

void TstGrade::selecao() {
    QFETCH(QString, gesto);
    QFETCH(QList<int>, selecionadas);
    auto grade = gradeBusca();
    QList<QStringList> registros;
    for (int i = 0; i < 8; ++i)
        registros.append({u"Título %1"_s.arg(i), u"%1"_s.arg(1000 + i), u"Ocupação"_s});
    preencher(*grade, {u"T"_s, u"F"_s, u"Tipo"_s}, registros);
    grade->show();
    QWidget *vista = grade->viewport();
    clicar(*grade, centroCelula(*grade, 0, 3));
    if (gesto == u"shift")
        clicar(*grade, centroCelula(*grade, 2, 6), Qt::ShiftModifier);
    else if (gesto == u"shiftAcima")
        clicar(*grade, centroCelula(*grade, 1, 1), Qt::ShiftModifier);
    else if (gesto == u"arrasto") {
        QTest::mousePress(vista, Qt::LeftButton, {}, centroCelula(*grade, 0, 3));
        QMouseEvent mover(QEvent::MouseMove, centroCelula(*grade, 1, 4),
                          vista->mapToGlobal(centroCelula(*grade, 1, 4)), Qt::NoButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(vista, &mover);
        QMouseEvent mover2(QEvent::MouseMove, centroCelula(*grade, 1, 5),
                           vista->mapToGlobal(centroCelula(*grade, 1, 5)), Qt::NoButton,
                           Qt::LeftButton, {});
        QApplication::sendEvent(vista, &mover2);
        QTest::mouseRelease(vista, Qt::LeftButton, {}, centroCelula(*grade, 1, 5));
    } else if (gesto == u"abaixo")
        clicar(*grade, QPoint(10, 200));
    else if (gesto == u"cabecalho")
        clicar(*grade, centroCelula(*grade, 1, 0));
    else if (gesto == u"outro")
        clicar(*grade, centroCelula(*grade, 2, 5));
    else if (gesto == u"direito")
        QTest::mouseClick(vista, Qt::RightButton, {}, centroCelula(*grade, 0, 6));
    QCOMPARE(grade->linhasSelecionadas(), selecionadas);
}

void TstGrade::semSelecaoDepoisDePreencher_data() {
    QTest::addColumn<QString>("operacao");
    QTest::newRow("definirTotalLinhas") << u"total"_s;
    QTest::newRow("limpar") << u"limpar"_s;
    QTest::newRow("preencher") << u"preencher"_s;
}

void TstGrade::semSelecaoDepoisDePreencher() {
    QFETCH(QString, operacao);
    auto grade = gradeBusca();
    preencher(*grade, {u"T"_s}, {{u"a"_s}, {u"b"_s}, {u"c"_s}});
    grade->show();
    clicar(*grade, centroCelula(*grade, 0, 1));
    clicar(*grade, centroCelula(*grade, 0, 3), Qt::ShiftModifier);
    QCOMPARE(grade->linhasSelecionadas(), QList<int>({1, 2, 3}));
    if (operacao == u"total")
        grade->definirTotalLinhas(4);
    else if (operacao == u"limpar")
        grade->limpar();
    else
        preencher(*grade, {u"T"_s}, {{u"a"_s}, {u"b"_s}, {u"c"_s}});
    QVERIFY(grade->linhasSelecionadas().isEmpty());
    // Nothing selected is drawn either.
    const QImage imagem = retrato(*grade);
    for (int r = 1; r < 4; ++r)
        QCOMPARE(imagem.pixel(450, grade->retanguloCelula(0, r).top() + 8) | 0xFF000000u, fundo);
    // A shift click with no anchor selects just that row.
    clicar(*grade, centroCelula(*grade, 0, 2), Qt::ShiftModifier);
    QCOMPARE(grade->linhasSelecionadas(), QList<int>({2}));
}

void TstGrade::teclasMovemASelecao() {
    Grade grade(nullptr, QRect(0, 0, 481, 62), 2, false, 17); // 3 rows fit
    grade.definirBarraVertical(true);
    grade.definirTotalLinhas(8);
    grade.show();
    grade.setFocus();
    QTest::keyClick(&grade, Qt::Key_Down);
    QCOMPARE(grade.linhasSelecionadas(), QList<int>({0}));
    QTest::keyClick(&grade, Qt::Key_Down);
    QTest::keyClick(&grade, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(grade.linhasSelecionadas(), QList<int>({1, 2}));
    QTest::keyClick(&grade, Qt::Key_End);
    QCOMPARE(grade.linhasSelecionadas(), QList<int>({7}));
    QCOMPARE(grade.primeiraLinhaVisivel(), 5); // scrolled so the row shows
    QTest::keyClick(&grade, Qt::Key_Home);
    QCOMPARE(grade.linhasSelecionadas(), QList<int>({0}));
    QCOMPARE(grade.primeiraLinhaVisivel(), 0);
}

// ---------------------------------------------------------------- look

void TstGrade::cores() {
    auto grade = gradeBusca();
    preencher(*grade, {u"Resultado"_s, u"Famílias"_s, u"Tipo"_s},
              {{u"a"_s, u"1"_s, u"x"_s}, {u"b"_s, u"2"_s, u"y"_s}, {u"c"_s, u"3"_s, u"z"_s}});
    grade->show();
    clicar(*grade, centroCelula(*grade, 0, 2));
    const QImage imagem = retrato(*grade);
    QCOMPARE(imagem.size(), QSize(644, 238));
    // Points with no text: the right part of each cell.
    QCOMPARE(imagem.pixel(400, 8) | 0xFF000000u, fundoCabecalho);        // header
    QCOMPARE(imagem.pixel(400, 17 + 8) | 0xFF000000u, fundo);            // row 1
    QCOMPARE(imagem.pixel(400, 2 * 17 + 8) | 0xFF000000u, fundoSelecao); // row 2, selected
    QCOMPARE(imagem.pixel(540, 2 * 17 + 8) | 0xFF000000u, fundoSelecao); // the whole row
    QCOMPARE(imagem.pixel(630, 2 * 17 + 8) | 0xFF000000u, fundoSelecao);
    QCOMPARE(imagem.pixel(400, 3 * 17 + 8) | 0xFF000000u, fundo); // row 3: no banding
    QCOMPARE(imagem.pixel(400, 150) | 0xFF000000u, fundo);        // below the rows
    // Grid lines: bottom of each row, right of each column, header and body.
    QCOMPARE(imagem.pixel(400, 16) | 0xFF000000u, linhaGrade);
    QCOMPARE(imagem.pixel(400, 17 + 16) | 0xFF000000u, linhaGrade);
    QCOMPARE(imagem.pixel(400, 2 * 17 + 16) | 0xFF000000u, linhaGrade);
    QCOMPARE(imagem.pixel(459, 8) | 0xFF000000u, linhaGrade);
    QCOMPARE(imagem.pixel(459, 17 + 8) | 0xFF000000u, linhaGrade);
    QCOMPARE(imagem.pixel(550, 3 * 17 + 8) | 0xFF000000u, linhaGrade);
    // No border: the first row and column start at the very edge.
    QCOMPARE(imagem.pixel(0, 10) | 0xFF000000u, fundoCabecalho);
    // Header text is blue: where the ink covers most of a pixel, blue stays
    // and red and green go.
    int fortes = 0;
    for (QRgb p : tinta(imagem, QRect(0, 0, 200, 16), {fundoCabecalho}))
        if (qRed(p) < 128) {
            ++fortes;
            QVERIFY2(qBlue(p) > 200 && qGreen(p) < 128, qPrintable(QColor(p).name()));
        }
    QVERIFY(fortes > 3);
    // Body text in the window-text colour (black offscreen).
    fortes = 0;
    for (QRgb p : tinta(imagem, QRect(0, 17, 200, 16), {fundo}))
        if (qRed(p) < 128) {
            ++fortes;
            QVERIFY2(qBlue(p) < 128 && qGreen(p) < 128, qPrintable(QColor(p).name()));
        }
    QVERIFY(fortes > 0);
}

void TstGrade::corTextoSelecionado_data() {
    QTest::addColumn<bool>("vermelho");
    QTest::newRow("busca e conversao: vermelho") << true;
    QTest::newRow("descricao: cor do texto") << false;
}

void TstGrade::corTextoSelecionado() {
    QFETCH(bool, vermelho);
    Grade grade(nullptr, QRect(0, 0, 481, 62), 2, false, 17);
    grade.definirLarguraColuna(0, 241);
    grade.definirLarguraColuna(1, 222);
    if (!vermelho)
        grade.definirCorTextoSelecionado(grade.palette().color(QPalette::WindowText));
    grade.definirTotalLinhas(2);
    grade.definirCelula(0, 0, u"<b>MMMMMMMM</b>"_s);
    grade.definirCelula(0, 1, u"<b>MMMMMMMM</b>"_s);
    grade.show();
    clicar(grade, centroCelula(grade, 1, 0));
    QCOMPARE(grade.linhasSelecionadas(), QList<int>({0}));
    const QImage imagem = retrato(grade);
    const QList<QRgb> selecionado = tinta(imagem, QRect(0, 0, 200, 16), {fundoSelecao});
    const QList<QRgb> normal = tinta(imagem, QRect(0, 17, 200, 16), {fundo});
    QVERIFY(!selecionado.isEmpty());
    QVERIFY(!normal.isEmpty());
    const auto vermelhos = [](const QList<QRgb> &pixels) {
        return std::count_if(pixels.begin(), pixels.end(), [](QRgb p) {
            return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
        });
    };
    if (vermelho)
        QVERIFY(vermelhos(selecionado) > 10);
    else
        QCOMPARE(vermelhos(selecionado), 0);
    QCOMPARE(vermelhos(normal), 0);
}

void TstGrade::negritoEItalicoDesenhados() {
    Grade grade(nullptr, QRect(0, 0, 644, 241), 1, false, 16);
    grade.definirLarguraColuna(0, 645);
    grade.definirTotalLinhas(4);
    grade.definirCelula(0, 0, u"Engenheiro civil"_s);
    grade.definirCelula(0, 1, u"<b>Engenheiro civil</b>"_s);
    grade.definirCelula(0, 2, u"<i>Engenheiro civil</i>"_s);
    grade.definirCelula(0, 3, u"<b>Engenheiro civil"_s); // unclosed: the same as closed
    const QImage imagem = retrato(grade);
    auto celula = [&](int r) { return imagem.copy(QRect(0, r * 16, 300, 15)); };
    QVERIFY(celula(0) != celula(1));
    QVERIFY(celula(0) != celula(2));
    QVERIFY(celula(1) != celula(2));
    QCOMPARE(celula(3), celula(1));
    // Bold is wider; the markup is not drawn.
    const auto larguraTinta = [&](int r) {
        const auto [e, d] = extensaoTinta(imagem, QRect(0, r * 16, 300, 14), fundo);
        return d - e;
    };
    QVERIFY(larguraTinta(1) > larguraTinta(0));
    QVERIFY(larguraTinta(1) < larguraTinta(0) * 3 / 2);
}

void TstGrade::textoRecortadoNaCelula() {
    auto grade = gradeBusca();
    grade->definirTotalLinhas(3);
    grade->definirCelula(0, 1, QString(200, u'M')); // far wider than 460
    grade->definirCelula(2, 2, QString(200, u'W')); // the last column, past the grid's width
    grade->definirCelula(0, 2, u"<b>"_s + QString(200, u'M'));
    const QImage imagem = retrato(*grade);
    // The neighbouring cells stay empty: the text stops at its cell's line.
    QVERIFY(tinta(imagem, QRect(459, 17, 92, 16), {fundo, linhaGrade}).isEmpty());
    QVERIFY(tinta(imagem, QRect(459, 34, 92, 16), {fundo, linhaGrade}).isEmpty());
    QVERIFY(!tinta(imagem, QRect(400, 17, 58, 15), {fundo}).isEmpty());
    QVERIFY(!tinta(imagem, QRect(560, 34, 80, 15), {fundo}).isEmpty());
    // One line only, at the top: the next row's area has no ink.
    QVERIFY(tinta(imagem, QRect(0, 51, 644, 100), {fundo}).isEmpty());
}

void TstGrade::textoQueNaoCabe_data() {
    QTest::addColumn<QList<int>>("larguras");
    QTest::addColumn<int>("larguraGrade");
    QTest::addColumn<int>("coluna");
    QTest::addColumn<int>("linha");
    QTest::addColumn<QString>("celula");
    QTest::addColumn<bool>("corta");

    const QString longo = u"Supervisor de manutenção de máquinas e equipamentos de "_s
                          u"movimentação de cargas em terminais portuários e aeroportuários"_s;
    const QList<int> busca{460, 91, 92};
    QTest::newRow("cabe") << busca << 644 << 0 << 1 << u"Médico"_s << false;
    QTest::newRow("texto simples longo") << busca << 644 << 0 << 1 << longo << true;
    QTest::newRow("negrito e itálico")
        << busca << 644 << 0 << 1 << u"<b>2232-05  Título</b> <i>"_s + longo + u"</i>"_s << true;
    QTest::newRow("corte no negrito")
        << busca << 644 << 0 << 1 << u"<b>"_s + longo + u"</b> <i>sinônimo</i>"_s << true;
    QTest::newRow("coluna centrada")
        << busca << 644 << 1 << 1 << u"2232-05 / 2232-10 / 2232-15"_s << true;
    QTest::newRow("cabeçalho com indicador")
        << busca << 644 << 0 << 0 << u"Resultado de títulos encontrados ("_s + longo + u")"_s
        << true;
    // The related families: one column of 645 in a grid 481 wide.
    QTest::newRow("além da borda da grade")
        << QList<int>{645} << 481 << 0 << 1 << u"2231 - "_s + longo << true;
    QTest::newRow("cabe na parte visível")
        << QList<int>{645} << 481 << 0 << 1 << u"2231 - Médicos clínicos"_s << false;
}

// A text that does not fit the visible part of its cell ends with "…" there
// and shows whole as the cell's tooltip; one that fits is drawn whole and
// has no tooltip.
void TstGrade::textoQueNaoCabe() {
    QFETCH(QList<int>, larguras);
    QFETCH(int, larguraGrade);
    QFETCH(int, coluna);
    QFETCH(int, linha);
    QFETCH(QString, celula);
    QFETCH(bool, corta);
    Grade grade(nullptr, QRect(0, 0, larguraGrade, 3 * 17), int(larguras.size()), true, 17);
    for (int c = 0; c < larguras.size(); ++c)
        grade.definirLarguraColuna(c, larguras[c]);
    grade.definirCelula(coluna, linha, celula);
    grade.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grade));

    const QString inteiro = grade_html::textoVisivel(celula);
    const QString mostrado = grade.textoMostrado(coluna, linha);
    const QRect celulaVisivel =
        grade.retanguloCelula(coluna, linha).intersected(grade.viewport()->rect());
    const QRect texto = grade.retanguloTexto(coluna, linha);
    QVERIFY2(celulaVisivel.contains(texto), qPrintable(mostrado));
    if (corta) {
        QVERIFY2(mostrado.endsWith(QChar(0x2026)), qPrintable(mostrado));
        QVERIFY(inteiro.startsWith(mostrado.chopped(1)));
        QVERIFY(!mostrado.chopped(1).endsWith(u' '));
    } else {
        QCOMPARE(mostrado, inteiro);
    }

    QHelpEvent dica(QEvent::ToolTip, texto.center(), grade.viewport()->mapToGlobal(texto.center()));
    QApplication::sendEvent(grade.viewport(), &dica);
    QCOMPARE(QToolTip::isVisible(), corta);
    if (corta)
        QCOMPARE(QToolTip::text(), inteiro);
    QToolTip::hideText();
}

void TstGrade::glifosComoOTextoDaFonte_data() {
    QTest::addColumn<QString>("celula");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("negrito");
    QTest::addColumn<bool>("italico");
    QTest::newRow("simples") << u"Médico anestesiologista (2111-02)"_s
                             << u"Médico anestesiologista (2111-02)"_s << false << false;
    QTest::newRow("negrito") << u"<b>AVAÇÃO Tráfego, WAVE</b>"_s << u"AVAÇÃO Tráfego, WAVE"_s
                             << true << false;
    QTest::newRow("italico") << u"<i>sinônimo: Técnico</i>"_s << u"sinônimo: Técnico"_s << false
                             << true;
    QTest::newRow("acento combinado") << u"Me\u0301dico"_s << u"Me\u0301dico"_s << false << false;
    QTest::newRow("outra escrita") << u"Ocupação 職業"_s << u"Ocupação 職業"_s << false << false;
}

// The grid draws cached glyphs; they must look as the font's own text.
void TstGrade::glifosComoOTextoDaFonte() {
    QFETCH(QString, celula);
    QFETCH(QString, texto);
    QFETCH(bool, negrito);
    QFETCH(bool, italico);
    Grade grade(nullptr, QRect(0, 0, 400, 34), 1, false, 17);
    grade.definirLarguraColuna(0, 400);
    grade.definirTotalLinhas(1);
    grade.definirCelula(0, 0, celula);
    const QImage imagem = retrato(grade);

    QImage esperada(imagem.size(), QImage::Format_RGB32);
    esperada.fill(fundo);
    {
        QPainter pintor(&esperada);
        const QFont fonte = fontes::fonte(u"Tahoma"_s, fontes::pt8, negrito, italico);
        pintor.setFont(fonte);
        pintor.setPen(grade.palette().color(QPalette::WindowText));
        pintor.drawText(QPoint(2, 2 + QFontMetrics(fontes::tahoma(fontes::pt8)).ascent()), texto);
    }
    const QRect area(0, 0, 399, 16);
    QVERIFY(!tinta(imagem, area, {fundo}).isEmpty());
    QCOMPARE(imagem.copy(area), esperada.copy(area));
}

void TstGrade::celulasSemTinta_data() {
    QTest::addColumn<QString>("celula");
    QTest::newRow("espaco de acrescentarNaLinha") << u" "_s;
    QTest::newRow("espacos") << u"   "_s;
    QTest::newRow("so marcas") << u"<b></b><i></i>"_s;
    QTest::newRow("espaco de largura zero") << u"\u200B"_s;
    QTest::newRow("espaco em negrito") << u"<b> </b>"_s;
}

void TstGrade::celulasSemTinta() {
    QFETCH(QString, celula);
    Grade grade(nullptr, QRect(0, 0, 300, 34), 2, true, 17);
    grade.definirLarguraColuna(0, 150);
    grade.definirLarguraColuna(1, 150);
    grade.definirAlinhamento([](int, int c) { return c ? Qt::AlignHCenter : Qt::AlignLeft; });
    grade.definirCelula(0, 1, celula);
    grade.definirCelula(1, 1, celula);
    const QImage imagem = retrato(grade);
    QVERIFY(tinta(imagem, QRect(0, 17, 300, 16), {fundo, linhaGrade}).isEmpty());
    QCOMPARE(grade.celula(0, 1), celula);
}

void TstGrade::alinhamento_data() {
    QTest::addColumn<int>("linha");
    QTest::addColumn<int>("coluna");
    QTest::addColumn<bool>("centrado");
    QTest::newRow("cabecalho coluna 1") << 0 << 1 << true;
    QTest::newRow("dados coluna 1") << 1 << 1 << true;
    QTest::newRow("dados coluna 2") << 2 << 2 << true;
    QTest::newRow("dados coluna 0") << 1 << 0 << false;
    QTest::newRow("cabecalho coluna 0") << 0 << 0 << false;
}

void TstGrade::alinhamento() {
    QFETCH(int, linha);
    QFETCH(int, coluna);
    QFETCH(bool, centrado);
    auto grade = gradeBusca();
    grade->definirColunaOrdenacaoInicial(2);
    grade->definirTotalLinhas(3);
    QList<QPair<int, int>> pedidos;
    grade->definirAlinhamento([&](int r, int c) {
        pedidos.append({r, c});
        return c == 1 || c == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    });
    grade->definirCelula(coluna, linha, u"2111"_s);
    const QImage imagem = retrato(*grade);
    QVERIFY(pedidos.contains(qMakePair(linha, coluna)));
    QRect r = grade->retanguloCelula(coluna, linha);
    if (linha == 0 && coluna == 2)
        r.setRight(r.right() - 14); // not the sort triangle
    const auto [e, d] =
        extensaoTinta(imagem, r.adjusted(0, 0, -1, -1), linha == 0 ? fundoCabecalho : fundo);
    QVERIFY(e >= 0);
    if (centrado)
        QVERIFY2(std::abs((e + d) / 2 - (r.left() + (grade->larguraColuna(coluna) - 1) / 2)) <= 2,
                 qPrintable(u"%1..%2 in %3"_s.arg(e).arg(d).arg(r.left())));
    else
        QVERIFY2(e - r.left() <= 4, qPrintable(u"%1 in %2"_s.arg(e).arg(r.left())));
}

// ---------------------------------------------------------------- scrolling

void TstGrade::rodaRolaAsLinhas_data() {
    QTest::addColumn<int>("linhas");   // data rows
    QTest::addColumn<int>("entalhes"); // wheel notches down
    QTest::addColumn<int>("primeiraVisivel");
    // The titles grid of the family description: 62 high, rows of 17, no header.
    QTest::newRow("cabem todas") << 3 << 2 << 0;
    QTest::newRow("uma a mais") << 4 << 2 << 1;
    QTest::newRow("um entalhe") << 10 << 1 << 1;
    QTest::newRow("ate o fim") << 10 << 20 << 7;
}

void TstGrade::rodaRolaAsLinhas() {
    QFETCH(int, linhas);
    QFETCH(int, entalhes);
    QFETCH(int, primeiraVisivel);
    Grade grade(nullptr, QRect(0, 0, 481, 62), 2, false, 17);
    grade.definirLarguraColuna(0, 241);
    grade.definirLarguraColuna(1, 222);
    grade.definirTotalLinhas(linhas);
    for (int r = 0; r < linhas; ++r)
        grade.definirCelula(0, r, u"<b>linha %1</b>"_s.arg(r));
    grade.show();
    QCOMPARE(grade.linhasVisiveis(), 3);
    const QPoint ponto(100, 20);
    for (int i = 0; i < entalhes; ++i) {
        QWheelEvent roda(ponto, grade.viewport()->mapToGlobal(ponto), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grade.viewport(), &roda);
    }
    QCOMPARE(grade.primeiraLinhaVisivel(), primeiraVisivel);
    QCOMPARE(grade.linhaEm(QPoint(10, 2)), primeiraVisivel);
    // The double click reports the row shown under the pointer.
    QSignalSpy espiao(&grade, &Grade::duploClique);
    duploCliqueReal(grade, QPoint(10, 17 + 5));
    QCOMPARE(espiao.first().at(0).toInt(), linhas > 1 ? primeiraVisivel + 1 : 0);
    // Wheel up goes back to the top.
    QWheelEvent roda(ponto, grade.viewport()->mapToGlobal(ponto), QPoint(), QPoint(0, 120 * 30),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grade.viewport(), &roda);
    QCOMPARE(grade.primeiraLinhaVisivel(), 0);
}

void TstGrade::barraVertical() {
    Grade grade(nullptr, QRect(0, 0, 481, 35), 1, false, 17);
    grade.definirLarguraColuna(0, 645);
    grade.show();
    grade.definirBarraVertical(true);
    QCOMPARE(grade.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    grade.definirTotalLinhas(2);
    QTRY_VERIFY(!grade.verticalScrollBar()->isVisible());
    grade.definirTotalLinhas(5);
    QTRY_VERIFY(grade.verticalScrollBar()->isVisible());
    QCOMPARE(grade.verticalScrollBar()->maximum(), 3);
    // The header grid of the search results: header + 13 rows fit exactly.
    auto busca = gradeBusca();
    busca->definirTotalLinhas(14);
    QCOMPARE(busca->linhasVisiveis(), 13);
    QCOMPARE(busca->verticalScrollBar()->maximum(), 0);
    busca->definirTotalLinhas(15);
    QCOMPARE(busca->verticalScrollBar()->maximum(), 1);
    QVERIFY(!busca->verticalScrollBar()->isVisible());
}

QTEST_MAIN(TstGrade)
#include "tst_grade.moc"
