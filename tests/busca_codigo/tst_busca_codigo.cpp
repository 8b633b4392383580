// The code search screen and the code search results screen, driven through
// the real widgets over a small classification: families of 12, 13 and 30
// occupations beside the fixture's own (one of which has a code beginning
// with 0).

#include "apoio_busca.h"
#include "botao_figura.h"
#include "fixtures.h"
#include "grade.h"
#include "paginador.h"
#include "programa.h"
#include "rotulo_link.h"
#include "unit_FormBuscaCodigo.h"
#include "unit_FormDescricao.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_global.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace apoio_busca;

namespace {

const QString avisoVazio = u"Digite um código para Busca\rexemplo: 5151 ou 515105"_s;
const QString avisoInvalido =
    u"O código digitado\rnão parece ser válido\rexemplo: 1234 ou 123466"_s;
const QString avisoNada = u"Não foi encontrado\rnenhum registro para busca"_s;

// Family `codigo` with `ocupacoes` occupations numbered 01, 02, ...
void familia(fixtures::Classificacao &classificacao, const QString &codigo, const QString &titulo,
             int ocupacoes, int &interno) {
    classificacao.linha(u"TFamilia"_s, {codigo, titulo, u"Descrição."_s, u"321"_s});
    for (int n = 1; n <= ocupacoes; ++n)
        classificacao.linha(u"TOcupacao"_s,
                            {QString::number(++interno), codigo, u"%1"_s.arg(n, 2, 10, QChar(u'0')),
                             titulo + u" "_s + QString::number(n), u"3211"_s});
}

QString banco() {
    fixtures::Classificacao classificacao(u"basica"_s);
    int interno = 100;
    familia(classificacao, u"5151"_s, u"Técnicos em eletrônica"_s, 30, interno);
    familia(classificacao, u"5152"_s, u"Técnicos em ótica"_s, 12, interno);
    familia(classificacao, u"5153"_s, u"Técnicos em acústica"_s, 13, interno);
    return classificacao.criar();
}

Tobj_Form_FormBuscaCodigo *tela() {
    return obj_Form_FormBuscaCodigo;
}
Tobj_Form_FormRespostaBuscaCodigo *resposta() {
    return obj_Form_FormRespostaBuscaCodigo;
}
Grade &grade() {
    return *resposta()->obj_SortGrid_BuscaTitulosAZ;
}
Paginador &paginador() {
    return *resposta()->paginador;
}

// Types the code on the code search screen and presses its button.
void buscar(const QString &codigo) {
    irPara(tela());
    tela()->obj_Edit_BuscaCodigo->setText(codigo);
    programa::clicar(tela()->obj_Bt_ProcurarCodigo, QPoint(10, 10));
}

QList<int> larguras() {
    return {grade().larguraColuna(0), grade().larguraColuna(1)};
}

// The page labels on view, with "*" for the disabled (current) one.
QStringList rotulosVisiveis() {
    QStringList rotulos;
    for (auto *rotulo : resposta()->obj_Grupo_Pesquisa->findChildren<RotuloLink *>())
        if (rotulo->objectName().startsWith(u"obj_Bt_Pagina_"_s) && rotulo->isVisible())
            rotulos << rotulo->text() + (rotulo->isEnabled() ? u""_s : u"*"_s);
    return rotulos;
}

} // namespace

class TesteBuscaCodigo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void semBuscaNadaALer(); // first: no search has run yet
    void validacao_data();
    void validacao();
    void enterBuscaENaoDigita();
    void seteCaracteresNaoCabem();
    void familiaPrimeiroOcupacoesEmOrdem_data();
    void familiaPrimeiroOcupacoesEmOrdem();
    void paginasELarguras_data();
    void paginasELarguras();
    void mostrarVoltaAPaginaUm();
    void reativacaoReleMesmaPagina();
    void origemCapaLeConsultaDaInicial();
    void duploCliqueAbreFamilia_data();
    void duploCliqueAbreFamilia();
};

void TesteBuscaCodigo::initTestCase() {
    programa::instalar(banco());
    programa::iniciar();
}

void TesteBuscaCodigo::init() {
    programa::avisos();
    programa::erros();
}

void TesteBuscaCodigo::cleanup() {
    programa::encerrarTeste();
}

void TesteBuscaCodigo::semBuscaNadaALer() {
    irPara(resposta());
    QCOMPARE(cabecalho(grade()), (QStringList{u"Código"_s, u"Família / Ocupação (0)"_s}));
    QCOMPARE(linhas(grade()), QStringList{u"|"_s});
    QVERIFY(programa::erros().isEmpty());
}

// Each refusal shows its notice and runs no query; the focus goes back into
// the box for an empty box and for a character that is not a digit, not for
// a wrong length.
void TesteBuscaCodigo::validacao_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<bool>("focoNaCaixa");
    QTest::newRow("vazio") << "" << avisoVazio << true;
    QTest::newRow("três dígitos") << "515" << avisoInvalido << false;
    QTest::newRow("cinco dígitos") << "51515" << avisoInvalido << false;
    QTest::newRow("branco antes") << " 5151" << avisoInvalido << false;
    QTest::newRow("branco depois") << "5151 " << avisoInvalido << false;
    QTest::newRow("letra em quatro") << "51a1" << avisoInvalido << true;
    QTest::newRow("branco em seis") << "515 05" << avisoInvalido << true;
    QTest::newRow("aspa em seis") << "5151'0" << avisoInvalido << true;
    QTest::newRow("dígitos de outra escrita") << u"٥١٥١"_s << avisoInvalido << true;
    QTest::newRow("não encontrado") << "9999" << avisoNada << false;
    QTest::newRow("ocupação não encontrada") << "515199" << avisoNada << false;
}

void TesteBuscaCodigo::validacao() {
    QFETCH(QString, codigo);
    QFETCH(QString, aviso);
    QFETCH(bool, focoNaCaixa);
    buscar(u"5151"_s);
    const QStringList sqlAnterior = tela()->obj_DB_QUERY_BuscaCodigo.sql();
    irPara(tela());
    tela()->obj_Edit_BuscaRapida->setFocus();
    tela()->obj_Edit_BuscaCodigo->setText(codigo);
    programa::clicar(tela()->obj_Bt_ProcurarCodigo, QPoint(10, 10));
    QCOMPARE(programa::avisos(), QStringList{aviso});
    QCOMPARE(navegacao::telaAtual(), tela());
    QCOMPARE(tela()->obj_Edit_BuscaCodigo->text(), codigo);
    QWidget *foco = focoNaCaixa ? static_cast<QWidget *>(tela()->obj_Edit_BuscaCodigo)
                                : tela()->obj_Edit_BuscaRapida;
    QCOMPARE(tela()->focusWidget(), foco);
    // Only a valid code reaches the database.
    if (aviso != avisoNada)
        QCOMPARE(tela()->obj_DB_QUERY_BuscaCodigo.sql(), sqlAnterior);
}

void TesteBuscaCodigo::enterBuscaENaoDigita() {
    irPara(tela());
    tela()->obj_Edit_BuscaCodigo->clear();
    programa::digitar(tela()->obj_Edit_BuscaCodigo, u"515205"_s);
    programa::enter(tela()->obj_Edit_BuscaCodigo);
    QVERIFY(programa::avisos().isEmpty());
    QCOMPARE(navegacao::telaAtual(), resposta());
    QCOMPARE(linhas(grade()), QStringList{u"5152-05|<b>Técnicos em ótica 5</b>"_s});
    // The box is emptied by a search that found something.
    QCOMPARE(tela()->obj_Edit_BuscaCodigo->text(), QString());
}

void TesteBuscaCodigo::seteCaracteresNaoCabem() {
    irPara(tela());
    tela()->obj_Edit_BuscaCodigo->clear();
    programa::digitar(tela()->obj_Edit_BuscaCodigo, u"5151059"_s);
    QCOMPARE(tela()->obj_Edit_BuscaCodigo->text(), u"515105"_s);
}

// The code is searched as typed, a leading zero included; the family row
// comes first, in capitals (accents included), its occupations in bold and
// in code order.
void TesteBuscaCodigo::familiaPrimeiroOcupacoesEmOrdem_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QStringList>("esperadas");
    QTest::newRow("família") << "2111"
                             << QStringList{u"2111   |MÉDICOS"_s,
                                            u"2111-01|<b>Médico clínico</b>"_s,
                                            u"2111-02|<b>Médico cirurgião</b>"_s,
                                            u"2111-03|<b>Médico pediatra</b>"_s};
    QTest::newRow("zero à esquerda") << "0111"
                                     << QStringList{u"0111   |DOCENTES UNIVERSITÁRIOS"_s,
                                                    u"0111-01|<b>Docente catedrático</b>"_s,
                                                    u"0111-02|<b>Docente adjunto</b>"_s};
    QTest::newRow("ocupação com zero")
        << "011102" << QStringList{u"0111-02|<b>Docente adjunto</b>"_s};
}

void TesteBuscaCodigo::familiaPrimeiroOcupacoesEmOrdem() {
    QFETCH(QString, codigo);
    QFETCH(QStringList, esperadas);
    buscar(codigo);
    QVERIFY(programa::avisos().isEmpty());
    QCOMPARE(resposta()->strOrigem, u"BuscaCodigo"_s);
    QCOMPARE(linhas(grade()), esperadas);
    QCOMPARE(cabecalho(grade()).at(1),
             u"Família / Ocupação ("_s + QString::number(esperadas.size()) + u")"_s);
}

// Labels at their design places; the widths are 80 and 565 after a fill,
// 160 and 483 after an arrow has moved the page.
void TesteBuscaCodigo::paginasELarguras_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QStringList>("rotulos");
    QTest::addColumn<int>("linhasPagina2"); // 0: there is no page 2
    QTest::newRow("13 linhas") << "5152" << QStringList{u"1*"_s} << 0;
    QTest::newRow("14 linhas") << "5153" << QStringList{u"1*"_s, u"2"_s} << 1;
    QTest::newRow("31 linhas") << "5151" << QStringList{u"1*"_s, u"2"_s, u"3"_s} << 13;
}

void TesteBuscaCodigo::paginasELarguras() {
    QFETCH(QString, codigo);
    QFETCH(QStringList, rotulos);
    QFETCH(int, linhasPagina2);
    buscar(codigo);
    QCOMPARE(rotulosVisiveis(), rotulos);
    QCOMPARE(grade().totalLinhas(), 14);
    QCOMPARE(grade().celula(0, 1), codigo + u"   "_s);
    QCOMPARE(larguras(), (QList<int>{80, 565}));
    QCOMPARE(paginador().obj_Bt_Pagina_Segundo->x(), 156);

    BotaoFigura *proxima = paginador().obj_Bt_RespostaBusca_Mais;
    programa::mover(proxima, QPoint(5, 5));
    QCOMPARE(proxima->cursor().shape(),
             linhasPagina2 ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
    programa::clicar(proxima, QPoint(5, 5));
    if (!linhasPagina2) {
        QCOMPARE(paginador().estado().intPaginaAtual(), 1);
        QCOMPARE(larguras(), (QList<int>{80, 565}));
        return;
    }
    QCOMPARE(paginador().estado().intPaginaAtual(), 2);
    QCOMPARE(grade().totalLinhas(), linhasPagina2 + 1);
    QCOMPARE(grade().celula(0, 1), codigo + u"-13"_s);
    QCOMPARE(larguras(), (QList<int>{160, 483}));
    programa::clicar(paginador().obj_Bt_Pagina_Primeiro);
    QCOMPARE(paginador().estado().intPaginaAtual(), 1);
    QCOMPARE(larguras(), (QList<int>{80, 565}));
}

void TesteBuscaCodigo::mostrarVoltaAPaginaUm() {
    buscar(u"5151"_s);
    programa::clicar(paginador().obj_Bt_Pagina_Terceiro);
    QCOMPARE(grade().celula(0, 1), u"5151-26"_s);
    buscar(u"5151"_s);
    QCOMPARE(paginador().estado().intPaginaAtual(), 1);
    QCOMPARE(grade().celula(0, 1), u"5151   "_s);
    QCOMPARE(rotulosVisiveis(), (QStringList{u"1*"_s, u"2"_s, u"3"_s}));
}

void TesteBuscaCodigo::reativacaoReleMesmaPagina() {
    buscar(u"5151"_s);
    programa::clicar(paginador().obj_Bt_RespostaBusca_Mais, QPoint(5, 5));
    resposta()->LDescricao->setText(u"Tela Inicial"_s);
    reativar();
    QCOMPARE(paginador().estado().intPaginaAtual(), 2);
    QCOMPARE(grade().celula(0, 1), u"5151-13"_s);
    QCOMPARE(rotulosVisiveis(), (QStringList{u"1"_s, u"2*"_s, u"3"_s}));
    QCOMPARE(larguras(), (QList<int>{80, 565}));
    QCOMPARE(resposta()->LDescricao->text(), QString());
}

// Sent from the home screen's code box, the list is that screen's query,
// whatever the code search screen last found.
void TesteBuscaCodigo::origemCapaLeConsultaDaInicial() {
    buscar(u"5151"_s);
    irPara(obj_Form_FormInicial);
    Consulta &capa = obj_Form_FormInicial->obj_DB_QUERY_BuscaCodigo;
    capa.definirSql(fncSqlBuscaCodigoFamilia());
    capa.definirBanco(fncCaminhoDados());
    capa.fechar();
    capa.definirBusca(u"3111"_s);
    capa.abrir();
    resposta()->strOrigem = u"capa"_s;
    irPara(resposta());
    QCOMPARE(linhas(grade()), (QStringList{u"3111   |ÁRBITROS DESPORTIVOS"_s,
                                           u"3111-01|<b>Árbitro de futebol</b>"_s}));
    QCOMPARE(cabecalho(grade()).at(1), u"Família / Ocupação (2)"_s);
    // The query read is left on its first row.
    QCOMPARE(capa.campo(u"codigo"_s), u"3111   "_s);
}

// Any row opens its family; the header does not.
void TesteBuscaCodigo::duploCliqueAbreFamilia_data() {
    QTest::addColumn<int>("linha");
    QTest::addColumn<int>("coluna");
    QTest::addColumn<QString>("familia"); // empty: nothing opens
    QTest::newRow("linha da família") << 1 << 1 << "2111";
    QTest::newRow("ocupação, coluna do título") << 3 << 1 << "2111";
    QTest::newRow("ocupação, coluna do código") << 4 << 0 << "2111";
    QTest::newRow("cabeçalho") << 0 << 0 << "";
}

void TesteBuscaCodigo::duploCliqueAbreFamilia() {
    QFETCH(int, linha);
    QFETCH(int, coluna);
    QFETCH(QString, familia);
    obj_Form_FormDescricao->strCodigoFamilia.clear();
    buscar(u"2111"_s);
    duploClique(grade(), linha, coluna);
    if (familia.isEmpty()) {
        QCOMPARE(navegacao::telaAtual(), resposta());
        QVERIFY(obj_Form_FormDescricao->strCodigoFamilia.isEmpty());
        return;
    }
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormDescricao);
    QCOMPARE(obj_Form_FormDescricao->strCodigoFamilia, familia);
}

QTEST_MAIN(TesteBuscaCodigo)
#include "tst_busca_codigo.moc"
