// The conversion by title and its results: the search and its notices, the
// eight rows of a page with their styles, targets and bands, the cut of long
// titles, the conversion of one row and the way back.

#include "apoio_conversao.h"
#include "botao_figura.h"
#include "cursor.h"
#include "exigir.h"
#include "fixtures.h"
#include "navegacao.h"
#include "paginador.h"
#include "programa.h"
#include "rotulo_link.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabua.h"
#include "unit_FormTabuaTitulo.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using apoio_conversao::escolher;

namespace {

const QString titulo62 = u"Soldador 16 de estruturas metálicas pesadas em estaleiro naval"_s;
const QString titulo63 = u"Soldador 17 de estruturas metálicas pesadas, em estaleiro naval"_s;
const QString avisoNada = u"Não foi encontrado\rnenhum registro para\rconversão"_s;

Tobj_Form_FormTabuaTitulo *busca() {
    return obj_Form_FormTabuaTitulo;
}
Tobj_Form_FormRespostaTabuaTitulo *lista() {
    return obj_Form_FormRespostaTabuaTitulo;
}

// The base classification and 17 previous-edition occupations whose titles
// hold "Soldador"; only the tenth is linked to a 2002 occupation.
QString banco() {
    fixtures::Classificacao classificacao(u"basica"_s);
    for (int i = 1; i <= 17; ++i) {
        const QString n = u"%1"_s.arg(i, 2, 10, QLatin1Char('0'));
        const QString titulo = i == 16 ? titulo62 : i == 17 ? titulo63 : u"Soldador "_s + n;
        classificacao.linha(u"TOcupacao94"_s, {u"900"_s + n, titulo, u"AT"_s});
    }
    classificacao.linha(u"TOcup_2000_94"_s, {u"1"_s, u"90010"_s});
    return classificacao.criar();
}

void procurar(const QString &base, const QString &palavra) {
    apoio_conversao::irPara(busca());
    if (base.isEmpty())
        busca()->obj_Combo_De->setCurrentIndex(-1); // as at start: nothing ever chosen
    else
        EXIGIR(escolher(busca()->obj_Combo_De, base));
    busca()->obj_Edit_ConverteTitulo->clear();
    programa::digitar(busca()->obj_Edit_ConverteTitulo, palavra);
    programa::clicar(busca()->obj_Bt_Converter_Procurar);
}

// The titles of the rows on view.
QStringList titulos() {
    QStringList textos;
    for (const auto &linha : lista()->linhasTitulos)
        if (linha.obj_Lb_Titulo->isVisible())
            textos << linha.obj_Lb_Titulo->text();
    return textos;
}

// The style of each row on view: "N" bold, "I" italic, "R" regular.
QString estilos() {
    QString letras;
    for (const auto &linha : lista()->linhasTitulos) {
        if (!linha.obj_Lb_Titulo->isVisible())
            continue;
        const QFont fonte = linha.obj_Lb_Titulo->font();
        letras += fonte.bold() ? u'N' : fonte.italic() ? u'I' : u'R';
    }
    return letras;
}

// The even rows whose band shows.
QList<int> faixas() {
    QList<int> linhas;
    for (int i = 0; i < lista()->linhas; ++i)
        if (Figura *faixa = lista()->linhasTitulos[i].obj_Bg_Titulos; faixa && faixa->isVisible())
            linhas << i + 1;
    return linhas;
}

QList<bool> cursorAoMostrar;

void observar(navegacao::Evento evento, TelaPrincipal *tela) {
    if (evento == navegacao::Evento::Mostrada && tela == lista())
        cursorAoMostrar << cursor::ocupado();
}

} // namespace

class TesteTabuaTitulo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void avisosDaBusca_data();
    void avisosDaBusca();
    void cursorOcupadoDuranteABusca();
    void buscaIgnoraMaiusculasEAcentos();
    void enterProcura();
    void baseEPalavraFicamEntreVisitas();
    void linhas_data();
    void linhas();
    void paginasDe8();
    void okSemDestino();
    void conversaoSemResultado();
    void conversaoDaLinhaEVolta();
    void voltarParaABusca();
};

void TesteTabuaTitulo::initTestCase() {
    programa::instalar(banco());
    programa::iniciar();
    navegacao::definirObservador(observar);
}

void TesteTabuaTitulo::init() {
    apoio_conversao::irPara(obj_Form_FormInicial);
    programa::avisos();
    programa::erros();
    cursorAoMostrar.clear();
}

void TesteTabuaTitulo::cleanup() {
    programa::encerrarTeste();
}

void TesteTabuaTitulo::avisosDaBusca_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<QString>("foco"); // "": the focus stays where it was
    QTest::newRow("sem base") << ""
                              << "soldador"
                              << "Você deve informar a\rbase para conversão"
                              << "obj_Combo_De";
    QTest::newRow("sem palavra") << "ZEL2002"
                                 << ""
                                 << "Você deve informar uma\rpalavra para busca"
                                 << "obj_Edit_ConverteTitulo";
    QTest::newRow("nada encontrado") << "ZEL94"
                                     << "xyzw" << avisoNada << "";
    QTest::newRow("a palavra só existe em outra base") << "CIUO88"
                                                       << "soldador" << avisoNada << "";
}

void TesteTabuaTitulo::avisosDaBusca() {
    QFETCH(QString, base);
    QFETCH(QString, palavra);
    QFETCH(QString, aviso);
    QFETCH(QString, foco);
    apoio_conversao::irPara(busca());
    busca()->obj_Edit_BuscaRapida->setFocus();
    procurar(base, palavra);
    QCOMPARE(programa::avisos(), QStringList{aviso});
    QCOMPARE(navegacao::telaAtual(), busca());
    QCOMPARE(busca()->focusWidget()->objectName(),
             foco.isEmpty() ? u"obj_Edit_BuscaRapida"_s : foco);
    QCOMPARE(busca()->obj_Edit_ConverteTitulo->text(), palavra);
    QVERIFY(!cursor::ocupado());
}

void TesteTabuaTitulo::cursorOcupadoDuranteABusca() {
    procurar(u"ZEL94"_s, u"soldador"_s);
    QCOMPARE(navegacao::telaAtual(), lista());
    QCOMPARE(cursorAoMostrar, QList<bool>{true});
    QVERIFY(!cursor::ocupado());
}

void TesteTabuaTitulo::buscaIgnoraMaiusculasEAcentos() {
    procurar(u"ZEL94"_s, u"SOLDADOR"_s);
    QCOMPARE(apoio_conversao::textoDe(lista(), u"obj_Lb_Total"_s), u"(17)"_s);
    procurar(u"ZEL94"_s, u"soldador"_s);
    QCOMPARE(apoio_conversao::textoDe(lista(), u"obj_Lb_Total"_s), u"(17)"_s);
    procurar(u"ZEL94"_s, u"METALICAS"_s);
    QCOMPARE(titulos(), (QStringList{titulo62, titulo63.left(62) + u"..."_s}));
}

void TesteTabuaTitulo::enterProcura() {
    apoio_conversao::irPara(busca());
    EXIGIR(escolher(busca()->obj_Combo_De, u"CIUO88"_s));
    busca()->obj_Edit_ConverteTitulo->clear();
    programa::digitar(busca()->obj_Edit_ConverteTitulo, u"medic"_s);
    programa::enter(busca()->obj_Edit_ConverteTitulo);
    QCOMPARE(navegacao::telaAtual(), lista());
    QCOMPARE(titulos(), QStringList{u"MÉDICOS"_s});
    QCOMPARE(busca()->obj_Edit_ConverteTitulo->text(), u"medic"_s);
}

void TesteTabuaTitulo::baseEPalavraFicamEntreVisitas() {
    apoio_conversao::irPara(busca());
    EXIGIR(escolher(busca()->obj_Combo_De, u"ZEL94"_s));
    busca()->obj_Edit_ConverteTitulo->clear();
    programa::digitar(busca()->obj_Edit_ConverteTitulo, u"tecn"_s);
    programa::clicar(busca()->obj_Bt_Home);
    programa::clicar(obj_Form_FormInicial->obj_Bt_Tabua);
    programa::clicar(obj_Form_FormTabua->links().at(1)); // "por base-título"
    QCOMPARE(navegacao::telaAtual(), busca());
    QCOMPARE(busca()->obj_Combo_De->currentText(), u"ZEL94"_s);
    QCOMPARE(busca()->obj_Edit_ConverteTitulo->text(), u"tecn"_s);
}

void TesteTabuaTitulo::linhas_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<QString>("cabecalho");
    QTest::addColumn<QStringList>("titulos");
    QTest::addColumn<QString>("estilos");
    QTest::addColumn<QStringList>("destinos");
    // Families in capitals, occupations in bold, synonyms in italics, all
    // sorted together by title.
    QTest::newRow("ZEL2002") << "ZEL2002"
                             << "medic"
                             << "Títulos encontrados na busca da base ZEL2002"
                             << QStringList{"Médico cirurgião", "Médico clínico", "Médico operador",
                                            "Médico pediatra", "MÉDICOS"}
                             << "NNINR" << QStringList{"ZEL94", "CIUO88"};
    QTest::newRow("ZEL94") << "ZEL94"
                           << "medico"
                           << "Ocupações encontradas na busca da base ZEL94"
                           << QStringList{"Médico cirurgião", "Médico de clínica geral",
                                          "Outros médicos"}
                           << "NNN" << QStringList{"ZEL2002"};
    QTest::newRow("CIUO88") << "CIUO88"
                            << "dent"
                            << "Famílias encontradas na busca da base CIUO88"
                            << QStringList{"DENTISTAS"} << "R" << QStringList{"ZEL2002"};
}

void TesteTabuaTitulo::linhas() {
    QFETCH(QString, base);
    QFETCH(QString, palavra);
    QFETCH(QString, cabecalho);
    QFETCH(QStringList, titulos);
    QFETCH(QString, estilos);
    QFETCH(QStringList, destinos);
    procurar(base, palavra);
    QCOMPARE(navegacao::telaAtual(), lista());
    QCOMPARE(apoio_conversao::textoDe(lista(), u"obj_Lb_Total_Encontrados"_s), cabecalho);
    QCOMPARE(apoio_conversao::textoDe(lista(), u"obj_Lb_Total"_s), u"(%1)"_s.arg(titulos.size()));
    QCOMPARE(::titulos(), titulos);
    QCOMPARE(::estilos(), estilos);
    for (int i = 0; i < lista()->linhas; ++i) {
        const auto &linha = lista()->linhasTitulos[i];
        // A synonym cannot be converted from the list.
        const bool convertivel = i < estilos.size() && estilos[i] != u'I';
        QCOMPARE(linha.obj_Combo_De->isVisible(), convertivel);
        QCOMPARE(linha.obj_Bt_Ok->isVisible(), convertivel);
        if (convertivel) {
            QCOMPARE(apoio_conversao::entradas(linha.obj_Combo_De), destinos);
            QCOMPARE(linha.obj_Combo_De->currentIndex(), -1);
        }
    }
    QList<int> pares;
    for (int n = 2; n <= titulos.size(); n += 2)
        pares << n;
    QCOMPARE(faixas(), pares);
    QCOMPARE(lista()->strBaseDe, base);
}

void TesteTabuaTitulo::paginasDe8() {
    procurar(u"ZEL94"_s, u"soldador"_s);
    Paginador *paginador = lista()->paginador;
    QStringList primeira;
    for (int i = 1; i <= 8; ++i)
        primeira << u"Soldador 0"_s + QString::number(i);
    QCOMPARE(titulos(), primeira);
    QCOMPARE(faixas(), (QList<int>{2, 4, 6, 8}));
    QCOMPARE(lista()->strCodigoLinha[0], u"90001"_s);
    QVERIFY(paginador->obj_Bt_Pagina_Terceiro->isVisible());

    programa::clicar(paginador->obj_Bt_RespostaBusca_Mais);
    QCOMPARE(titulos(),
             (QStringList{u"Soldador 09"_s, u"Soldador 10"_s, u"Soldador 11"_s, u"Soldador 12"_s,
                          u"Soldador 13"_s, u"Soldador 14"_s, u"Soldador 15"_s, titulo62}));
    QCOMPARE(lista()->linhasTitulos[7].obj_Lb_Titulo->toolTip(), QString());
    QCOMPARE(apoio_conversao::textoDe(lista(), u"obj_Lb_Total"_s), u"(17)"_s);

    programa::clicar(paginador->obj_Bt_Pagina_Terceiro);
    // 63 characters: the first 62 and "...", the whole title as tooltip.
    QCOMPARE(titulos(), QStringList{titulo63.left(62) + u"..."_s});
    QCOMPARE(lista()->linhasTitulos[0].obj_Lb_Titulo->toolTip(), titulo63);
    QCOMPARE(faixas(), QList<int>{});
    QCOMPARE(lista()->strCodigoLinha[0], u"90017"_s);
    QCOMPARE(lista()->strCodigoLinha[1], QString());
    QVERIFY(lista()->linhasTitulos[0].obj_Combo_De->isVisible());
    QVERIFY(!lista()->linhasTitulos[1].obj_Bt_Ok->isVisible());
    QCOMPARE(apoio_conversao::textoDe(lista(), u"obj_Lb_Total"_s), u"(17)"_s);
    QCOMPARE(apoio_conversao::textoDe(lista(), u"obj_Lb_Total_Encontrados"_s),
             u"Ocupações encontradas na busca da base ZEL94"_s);
}

void TesteTabuaTitulo::okSemDestino() {
    procurar(u"ZEL94"_s, u"soldador"_s);
    programa::clicar(lista()->linhasTitulos[2].obj_Bt_Ok);
    QCOMPARE(programa::avisos(), QStringList{u"Você deve informar a\rbase final para conversão"_s});
    QCOMPARE(lista()->focusWidget(), lista()->linhasTitulos[2].obj_Combo_De);
    QCOMPARE(navegacao::telaAtual(), lista());
}

void TesteTabuaTitulo::conversaoSemResultado() {
    procurar(u"ZEL94"_s, u"soldador"_s);
    EXIGIR(escolher(lista()->linhasTitulos[0].obj_Combo_De, u"ZEL2002"_s));
    programa::clicar(lista()->linhasTitulos[0].obj_Bt_Ok);
    QCOMPARE(programa::avisos(),
             QStringList{u"Não foi encontrado\rnenhum registro para conversão"_s});
    QCOMPARE(navegacao::telaAtual(), lista());
    QCOMPARE(lista()->linhasTitulos[0].obj_Combo_De->currentText(), u"ZEL2002"_s);
}

// A row of the second page converts; "Voltar" from the results comes back
// to the first page with no target chosen.
void TesteTabuaTitulo::conversaoDaLinhaEVolta() {
    procurar(u"ZEL94"_s, u"soldador"_s);
    programa::clicar(lista()->paginador->obj_Bt_Pagina_Segundo);
    EXIGIR(escolher(lista()->linhasTitulos[1].obj_Combo_De, u"ZEL2002"_s));
    programa::clicar(lista()->linhasTitulos[1].obj_Bt_Ok);
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormRespostaTabua);
    QCOMPARE(obj_Form_FormRespostaTabua->strOrigem, u"conversaoTitulo"_s);
    QCOMPARE(lista()->strBaseDe, u"ZEL94"_s);
    QCOMPARE(lista()->strBasePara, u"ZEL2002"_s);
    QCOMPARE(lista()->strCodigoConverter, u"90010"_s);
    QCOMPARE(apoio_conversao::linhasDaGrade(), QStringList{u"0111-01 - DOCENTE CATEDRÁTICO"_s});
    QCOMPARE(apoio_conversao::textoDe(obj_Form_FormRespostaTabua, u"obj_Lb_BemVindo"_s),
             u"90010 - Soldador 10"_s);

    programa::clicar(obj_Form_FormRespostaTabua->obj_bt_voltar);
    QCOMPARE(navegacao::telaAtual(), lista());
    QCOMPARE(lista()->paginador->estado().intPaginaAtual(), 1);
    QCOMPARE(titulos().first(), u"Soldador 01"_s);
    for (const auto &linha : lista()->linhasTitulos)
        QCOMPARE(linha.obj_Combo_De->currentIndex(), -1);
}

void TesteTabuaTitulo::voltarParaABusca() {
    procurar(u"ZEL94"_s, u"soldador"_s);
    QCOMPARE(lista()->obj_bt_voltar->toolTip(), u"Voltar"_s);
    programa::clicar(lista()->obj_bt_voltar);
    QCOMPARE(navegacao::telaAtual(), busca());
    QCOMPARE(busca()->obj_Edit_ConverteTitulo->text(), u"soldador"_s);
}

QTEST_MAIN(TesteTabuaTitulo)
#include "tst_tabua_titulo.moc"
