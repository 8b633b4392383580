// A fresh start of the program installed without its html directory: the
// first activation of each page screen reports the missing page and shows
// the screen with an empty viewer where it was; with the pages back, the
// same screens load them.

#include "apoio_paginas.h"
#include "fixtures.h"
#include "posicao.h"
#include "visualizador_html.h"

using namespace Qt::StringLiterals;

class TestePaginasSemHtml : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void primeiraAtivacaoSemPagina_data() { linhasDasPaginas(); }
    void primeiraAtivacaoSemPagina();
    void comAsPaginasDeVolta_data() { linhasDasPaginas(); }
    void comAsPaginasDeVolta();

private:
    QString m_raiz;
};

void TestePaginasSemHtml::initTestCase() {
    m_raiz = programa::instalar(fixtures::banco(u"basica"_s), false);
    programa::iniciar();
}

void TestePaginasSemHtml::cleanup() {
    programa::encerrarTeste();
}

void TestePaginasSemHtml::primeiraAtivacaoSemPagina() {
    QFETCH(QString, nome);
    QFETCH(QString, arquivo);
    QFETCH(QString, botao);
    TelaPagina *tela = telaDePagina(nome);
    navegacao::irPara(navegacao::telaAtual(), obj_Form_FormInicial);
    programa::erros();
    tela->move(123, 77);
    intJanelaX = 40;
    intJanelaY = 30;
    abrirPagina(tela, botao);
    QCOMPARE(programa::erros(),
             QStringList{u"Can't locate file: "_s + m_raiz + u"/html/"_s + arquivo});
    QCOMPARE(navegacao::telaAtual(), tela);
    QVERIFY(tela->isVisible());
    QCOMPARE(tela->pos(), QPoint(123, 77));
    QVERIFY(tela->obj_WebBrowser->source().isEmpty());
    QCOMPARE(tela->obj_WebBrowser->toPlainText(), QString());
    // Usable: its home button leads home (whose welcome page is missing too).
    programa::clicar(::botao(tela, u"obj_Bt_Home"_s), QPoint(5, 5));
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormInicial);
    QCOMPARE(programa::erros(),
             QStringList{u"Can't locate file: "_s + m_raiz + u"/html/inicial.htm"_s});
}

void TestePaginasSemHtml::comAsPaginasDeVolta() {
    QFETCH(QString, nome);
    QFETCH(QString, arquivo);
    QFETCH(QString, botao);
    const QString raiz = programa::instalar(fixtures::banco(u"basica"_s));
    TelaPagina *tela = telaDePagina(nome);
    navegacao::irPara(navegacao::telaAtual(), obj_Form_FormInicial);
    programa::erros();
    intJanelaX = 40;
    intJanelaY = 30;
    abrirPagina(tela, botao);
    QVERIFY(programa::erros().isEmpty());
    QCOMPARE(tela->obj_WebBrowser->source(), QUrl::fromLocalFile(raiz + u"/html/"_s + arquivo));
    QVERIFY(!tela->obj_WebBrowser->toPlainText().isEmpty());
    QCOMPARE(tela->pos(), QPoint(40, 30));
}

QTEST_MAIN(TestePaginasSemHtml)
#include "tst_paginas_sem_html.moc"
