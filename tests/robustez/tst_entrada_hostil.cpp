// Hostile input in every text box of every screen: a paste of 100,000
// characters, quotes, the engine's wildcards, backslashes, Greek, Chinese
// and emoji, blanks around the text, control characters. Each box keeps its
// own rule (its notices, the six characters of the code search box, the
// wildcards acting as wildcards, the text matched as typed, neither trimmed
// nor escaped); nothing reaches the user as an error of the engine, and
// nothing changes but what the action changes.

#include "apoio_busca.h"
#include "apoio_paginas.h"
#include "apoio_robustez.h"
#include "botao_figura.h"
#include "exigir.h"
#include "fixtures.h"
#include "grade.h"
#include "grade_html.h"
#include "navegacao.h"
#include "programa.h"
#include "unit_FormBusca.h"
#include "unit_FormBuscaCodigo.h"
#include "unit_FormBuscaTituloAZ.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabua.h"
#include "unit_FormTabuaTitulo.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString nada = u"Não foi encontrado\rnenhum registro para busca"_s;
const QString nadaParaConverter = u"Não foi encontrado\rnenhum registro para\rconversão"_s;
const QString codigoInvalido =
    u"O código digitado\rnão parece ser válido\rexemplo: 1234 ou 123466"_s;
const QString codigoInvalidoTabua =
    u"O código digitado\rnão parece ser válido\rex: 1234, 12345 ou 123466"_s;

// Qt keeps at most this many characters in a text box unless told.
constexpr int limiteDaCaixa = 32767;

// The sample classification with synonyms that hold what users type
// against the program, all of one occupation that every search lists once.
QString bancoComTitulosEstranhos() {
    fixtures::Classificacao classificacao(u"basica"_s);
    const QStringList estranhos = {
        u"Mestre d'obras"_s,
        u"Assistente \"júnior\""_s,
        u"Gerente 100% remoto"_s,
        u"Operador_de_caixa"_s,
        u"Analista de redes\\sistemas"_s,
        u"Ελληνικός δάσκαλος"_s,
        u"幼儿教师"_s,
        u"Educador 🧸"_s,
    };
    for (int i = 0; i < estranhos.size(); ++i)
        classificacao.linha(u"TSinonimo"_s, {u"7"_s, estranhos[i], QString::number(i + 1)});
    return classificacao.criar();
}

// ------------------------------------------------------------ title boxes

// A box that searches titles: how the user gets to it, what it leaves in
// the box, and where the titles it finds are listed.
struct CaixaTitulo {
    QString nome;
    std::function<QLineEdit *()> caixa;
    std::function<void()> preparar;
    IdTela lista;       // the screen on view when titles are found
    bool esvaziaSempre; // the box is emptied whatever the outcome
    QString avisoVazio; // the notice when nothing is found
};

// What a title search listed: the count it announced and the titles of the
// first page, without their bold or italic, in small letters.
struct Achados {
    int total = -1;
    QStringList titulos;
};

int contagem(const QString &texto) {
    const QRegularExpressionMatch achado =
        QRegularExpression(u"\\((\\d+)\\)$"_s).match(texto.trimmed());
    return achado.hasMatch() ? achado.captured(1).toInt() : -1;
}

Achados daGrade(const Grade &grade) {
    Achados a{contagem(grade.celula(0, 0)), {}};
    for (int linha = 1; linha < grade.totalLinhas(); ++linha)
        a.titulos << grade_html::textoVisivel(grade.celula(0, linha)).toLower();
    return a;
}

Achados achados(IdTela lista) {
    if (lista == IdTela::FormBuscaTituloAZ)
        return daGrade(*obj_Form_FormBuscaTituloAZ->obj_SortGrid_BuscaTitulosAZ);
    if (lista == IdTela::FormRespostaBusca)
        return daGrade(*obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ);
    Tobj_Form_FormRespostaTabuaTitulo *tela = obj_Form_FormRespostaTabuaTitulo;
    Achados a{contagem(tela->obj_Lb_Total->text()), {}};
    for (const auto &linha : tela->linhasTitulos)
        if (!linha.obj_Lb_Titulo->isHidden())
            a.titulos << linha.obj_Lb_Titulo->text().toLower();
    return a;
}

QList<CaixaTitulo> caixasDeTitulo() {
    QList<CaixaTitulo> caixas;
    for (TelaPrincipal *tela : robustez::telas())
        caixas << CaixaTitulo{u"busca rápida, "_s + tela->objectName().mid(9),
                              [tela] { return tela->obj_Edit_BuscaRapida; },
                              [tela] { apoio_busca::irPara(tela); },
                              IdTela::FormRespostaBusca,
                              false,
                              nada};
    caixas << CaixaTitulo{u"título da tela inicial"_s,
                          [] { return obj_Form_FormInicial->obj_Edit_BuscaTitulo; },
                          [] { apoio_busca::irPara(obj_Form_FormInicial); },
                          IdTela::FormRespostaBusca,
                          true,
                          nada};
    caixas << CaixaTitulo{u"palavra-chave da busca por título"_s,
                          [] { return obj_Form_FormBusca->obj_Edit_BuscaTitulo; },
                          [] { apoio_busca::irPara(obj_Form_FormBusca); },
                          IdTela::FormRespostaBusca,
                          true,
                          nada};
    caixas << CaixaTitulo{u"palavra da busca de A a Z"_s,
                          [] { return obj_Form_FormBuscaTituloAZ->obj_Edit_BuscaTitulosAZ; },
                          [] { apoio_busca::irPara(obj_Form_FormBuscaTituloAZ); },
                          IdTela::FormBuscaTituloAZ,
                          false,
                          nada};
    caixas << CaixaTitulo{
        u"título da conversão por título"_s,
        [] { return obj_Form_FormTabuaTitulo->obj_Edit_ConverteTitulo; },
        [] {
            apoio_busca::irPara(obj_Form_FormTabuaTitulo);
            EXIGIR(robustez::escolher(obj_Form_FormTabuaTitulo->obj_Combo_De, u"ZEL2002"_s));
        },
        IdTela::FormRespostaTabuaTitulo,
        false,
        nadaParaConverter};
    return caixas;
}

// The Enter key in the box, as every search box takes it.
struct Busca {
    QStringList avisos;
    QStringList erros;
    TelaPrincipal *tela = nullptr;
    QString naCaixa;
    Achados achados;
};

Busca buscar(const CaixaTitulo &c, const QString &texto) {
    c.preparar();
    QLineEdit *caixa = c.caixa();
    robustez::substituir(caixa, texto);
    programa::enter(caixa);
    Busca b{programa::avisos(), programa::erros(), navegacao::telaAtual(), caixa->text(), {}};
    if (b.avisos.isEmpty())
        b.achados = achados(c.lista);
    return b;
}

// ------------------------------------------------------------ code boxes

struct CaixaCodigo {
    QString nome;
    std::function<QLineEdit *()> caixa;
    std::function<void()> preparar;
    QString avisoInvalido;
};

QList<CaixaCodigo> caixasDeCodigo() {
    return {
        {u"código da tela inicial"_s, [] { return obj_Form_FormInicial->obj_Edit_BuscaCodigo; },
         [] { apoio_busca::irPara(obj_Form_FormInicial); }, codigoInvalido},
        {u"busca por código"_s, [] { return obj_Form_FormBuscaCodigo->obj_Edit_BuscaCodigo; },
         [] { apoio_busca::irPara(obj_Form_FormBuscaCodigo); }, codigoInvalido},
        {u"código da conversão"_s, [] { return obj_Form_FormTabua->obj_Edit_ConverteCodigo; },
         [] {
             apoio_busca::irPara(obj_Form_FormTabua);
             EXIGIR(robustez::escolher(obj_Form_FormTabua->obj_Combo_De, u"ZEL2002"_s));
             EXIGIR(robustez::escolher(obj_Form_FormTabua->obj_Combo_Para, u"ZEL94"_s));
         },
         codigoInvalidoTabua},
    };
}

QString colagemLonga(QChar c) {
    return QString(100000, c);
}

} // namespace

class TesteEntradaHostil : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void caixaDeTitulo_data();
    void caixaDeTitulo();
    void caixaDeCodigo_data();
    void caixaDeCodigo();
};

void TesteEntradaHostil::initTestCase() {
    robustez::iniciar(bancoComTitulosEstranhos());
}

void TesteEntradaHostil::init() {
    programa::avisos();
    programa::erros();
}

void TesteEntradaHostil::cleanup() {
    programa::encerrarTeste();
}

void TesteEntradaHostil::caixaDeTitulo_data() {
    QTest::addColumn<int>("caixa");
    QTest::addColumn<QString>("texto");
    // Found: the title listed on the first page and the count (-1: the
    // count of the search `equivalente`, a search that must find the same).
    QTest::addColumn<QString>("achado");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("equivalente");

    struct Entrada {
        const char *nome;
        QString texto;
        QString achado; // empty: nothing is found
        int total;
        QString equivalente;
    };
    const Entrada entradas[] = {
        {"apóstrofo", u"d'obras"_s, u"mestre d'obras"_s, 1, {}},
        {"só um apóstrofo", u"'"_s, u"mestre d'obras"_s, 1, {}},
        {"aspas duplas", u"\"júnior\""_s, u"assistente \"júnior\""_s, 1, {}},
        {"injeção de SQL", u"' OR '1'='1"_s, {}, 0, {}},
        {"comentário de SQL", u"%' --"_s, {}, 0, {}},
        {"porcentagem é curinga", u"prof%infantil"_s, u"professor de educação infantil"_s, 2, {}},
        {"porcentagem no título", u"100%"_s, u"gerente 100% remoto"_s, 1, {}},
        {"sublinhado é curinga", u"mestre_d"_s, u"mestre d'obras"_s, 1, {}},
        {"sublinhado sozinho acha todos", u"_"_s, {}, -1, u"%"_s},
        {"barra invertida", u"\\"_s, u"analista de redes\\sistemas"_s, 1, {}},
        {"grego em maiúsculas sem acento", u"ΕΛΛΗΝΙΚΟΣ"_s, u"ελληνικός δάσκαλος"_s, 1, {}},
        {"chinês", u"教师"_s, u"幼儿教师"_s, 1, {}},
        {"emoji", u"🧸"_s, u"educador 🧸"_s, 1, {}},
        {"branco antes", u" d'obras"_s, u"mestre d'obras"_s, 1, {}},
        {"branco depois", u"mestre "_s, u"mestre d'obras"_s, 1, {}},
        {"brancos em volta", u" d'obras "_s, {}, 0, {}},
        {"só brancos", u"   "_s, {}, 0, {}},
        // Pasted: a tab or a line break between words is one space.
        {"tabulação", u"mestre\td'obras"_s, u"mestre d'obras"_s, 1, {}},
        {"fim de linha", u"mestre\nd'obras"_s, u"mestre d'obras"_s, 1, {}},
        {"célula de planilha", u"mestre d'obras\r\n"_s, u"mestre d'obras"_s, 1, {}},
        {"caractere de controle", u"mestre\u0001"_s, {}, 0, {}},
        {"caractere nulo", u"d'obras"_s + QChar(0) + u"zzz"_s, {}, 0, {}},
        {"100 000 letras coladas", colagemLonga(u'a'), {}, 0, {}},
        {"100 000 ideogramas colados", colagemLonga(QChar(0x6559)), {}, 0, {}},
        {"100 000 curingas colados", colagemLonga(u'%'), {}, -1, u"%"_s},
    };
    const QList<CaixaTitulo> caixas = caixasDeTitulo();
    for (int i = 0; i < caixas.size(); ++i)
        for (const Entrada &e : entradas)
            QTest::addRow("%s: %s", qPrintable(caixas[i].nome), e.nome)
                << i << e.texto << e.achado << e.total << e.equivalente;
}

// A text that finds titles lists them as any search does; one that finds
// none gets the box's notice and the screen stays, every other input as it
// was. Never an error.
void TesteEntradaHostil::caixaDeTitulo() {
    QFETCH(int, caixa);
    QFETCH(QString, texto);
    QFETCH(QString, achado);
    QFETCH(int, total);
    QFETCH(QString, equivalente);
    const CaixaTitulo c = caixasDeTitulo()[caixa];
    if (!equivalente.isEmpty()) {
        const Busca referencia = buscar(c, equivalente);
        QVERIFY(referencia.avisos.isEmpty() && referencia.erros.isEmpty());
        total = referencia.achados.total;
    }
    c.preparar();
    TelaPrincipal *tela = navegacao::telaAtual();
    const QStringList antes = robustez::entradas(tela, {c.caixa()->objectName()});

    const Busca b = buscar(c, texto);
    QCOMPARE(b.erros, QStringList());
    const bool encontra = total != 0;
    if (!encontra) {
        QCOMPARE(b.avisos, QStringList{c.avisoVazio});
        QCOMPARE(b.tela, tela);
        QCOMPARE(robustez::entradas(tela, {c.caixa()->objectName()}), antes);
        QCOMPARE(b.naCaixa, c.esvaziaSempre ? QString() : texto.left(limiteDaCaixa));
        return;
    }
    QCOMPARE(b.avisos, QStringList());
    QCOMPARE(b.tela, navegacao::tela(c.lista));
    QCOMPARE(b.achados.total, total);
    if (!achado.isEmpty())
        QVERIFY2(b.achados.titulos.contains(achado), qPrintable(b.achados.titulos.join(u" | "_s)));
}

void TesteEntradaHostil::caixaDeCodigo_data() {
    QTest::addColumn<int>("caixa");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<QString>("guardado"); // what the box holds

    struct Entrada {
        const char *nome;
        QString texto;
        QString naCaixa = {}; // what the box makes of the paste, when not the text itself
    };
    const Entrada entradas[] = {
        {"apóstrofo", u"22'1"_s},
        {"injeção de SQL", u"2111' OR '1'='1"_s},
        {"aspas duplas", u"\"2111\""_s},
        {"porcentagem", u"22%1"_s},
        {"sublinhado", u"22_1"_s},
        {"barra invertida", u"2111\\"_s},
        {"algarismos de largura dupla", u"２２３１"_s},
        {"algarismos arábico-índicos", u"٢٢٣١"_s},
        {"grego", u"ΑΒΓΔ"_s},
        {"dois emoji (quatro unidades)", u"🧸🧸"_s},
        {"branco antes", u" 2111"_s},
        {"branco depois", u"2111 "_s},
        {"tabulação", u"22\t1"_s, u"22 1"_s},
        {"controle", u"2111\u0001"_s},
        {"100 000 letras coladas", colagemLonga(u'x')},
        {"100 000 algarismos colados", colagemLonga(u'2')},
    };
    const QList<CaixaCodigo> caixas = caixasDeCodigo();
    for (int i = 0; i < caixas.size(); ++i)
        for (const Entrada &e : entradas) {
            // The code search box takes six characters: six digits make a
            // code that is looked for, and is not there.
            const bool seis = caixas[i].nome == u"busca por código"_s;
            const QString guardado =
                (e.naCaixa.isEmpty() ? e.texto : e.naCaixa).left(seis ? 6 : limiteDaCaixa);
            const bool codigoDeSeisAlgarismos = seis && guardado == u"222222"_s;
            QTest::addRow("%s: %s", qPrintable(caixas[i].nome), e.nome)
                << i << e.texto << (codigoDeSeisAlgarismos ? nada : caixas[i].avisoInvalido)
                << guardado;
        }
}

// A text that is not a code gets the box's notice; the box keeps it (the
// code search box its first six characters) and nothing else changes.
void TesteEntradaHostil::caixaDeCodigo() {
    QFETCH(int, caixa);
    QFETCH(QString, texto);
    QFETCH(QString, aviso);
    QFETCH(QString, guardado);
    const CaixaCodigo c = caixasDeCodigo()[caixa];
    c.preparar();
    TelaPrincipal *tela = navegacao::telaAtual();
    const QStringList antes = robustez::entradas(tela, {c.caixa()->objectName()});
    robustez::substituir(c.caixa(), texto);
    programa::enter(c.caixa());
    QCOMPARE(programa::erros(), QStringList());
    QCOMPARE(programa::avisos(), QStringList{aviso});
    QCOMPARE(navegacao::telaAtual(), tela);
    QCOMPARE(c.caixa()->text(), guardado);
    QCOMPARE(robustez::entradas(tela, {c.caixa()->objectName()}), antes);
}

QTEST_MAIN(TesteEntradaHostil)
#include "tst_entrada_hostil.moc"
