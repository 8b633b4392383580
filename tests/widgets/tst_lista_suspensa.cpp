// The drop-down list of the structure browser: its list opens below the box
// and exactly as wide as it, whatever the length of its entries; an entry or
// a chosen text too long for its room ends with "…" and shows whole as a
// tooltip.

#include "fontes.h"
#include "lista_suspensa.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

const QString curta = u"2 - Profissionais das ciências e das artes"_s;
const QString longa = u"1 - Membros superiores do poder público, dirigentes de organizações de "
                      u"interesse público e de empresas, gerentes e supervisores de produção"_s;

// The tooltip that `alvo` shows for a pause of the pointer at `ponto`.
QString dica(QWidget *alvo, QPoint ponto) {
    QToolTip::hideText();
    QHelpEvent evento(QEvent::ToolTip, ponto, alvo->mapToGlobal(ponto));
    QApplication::sendEvent(alvo, &evento);
    const QString texto = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return texto;
}

} // namespace

class TesteListaSuspensa : public QObject {
    Q_OBJECT
private slots:
    void listaAbertaAbaixoDaCaixa();
    void textoQueNaoCabe_data();
    void textoQueNaoCabe();
};

void TesteListaSuspensa::listaAbertaAbaixoDaCaixa() {
    QWidget janela;
    janela.resize(713, 460);
    ListaSuspensa lista(&janela);
    lista.setFont(fontes::sansSerif(fontes::pt8));
    lista.setGeometry(208, 141, 465, 21);
    lista.addItems({curta, longa, curta});
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    lista.setCurrentIndex(2);
    lista.showPopup();
    QWidget *aberta = lista.view()->window();
    QTRY_VERIFY(aberta->isVisible());
    const QRect caixa(lista.mapToGlobal(QPoint(0, 0)), lista.size());
    QCOMPARE(aberta->geometry().left(), caixa.left());
    QCOMPARE(aberta->geometry().width(), caixa.width());
    // On the box's bottom line at the most, as Qt places a list below.
    QVERIFY(aberta->geometry().top() >= caixa.bottom());
    lista.hidePopup();
}

void TesteListaSuspensa::textoQueNaoCabe_data() {
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<bool>("corta");
    QTest::newRow("cabe") << curta << false;
    QTest::newRow("longa demais") << longa << true;
}

void TesteListaSuspensa::textoQueNaoCabe() {
    QFETCH(QString, entrada);
    QFETCH(bool, corta);
    QWidget janela;
    janela.resize(713, 460);
    ListaSuspensa lista(&janela);
    lista.setFont(fontes::sansSerif(fontes::pt8));
    lista.setGeometry(208, 141, 465, 21);
    lista.addItem(entrada);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));

    // In the box.
    lista.setCurrentIndex(0);
    const QString mostrado = lista.textoMostrado();
    QCOMPARE(mostrado != entrada, corta);
    if (corta) {
        QVERIFY(mostrado.endsWith(QChar(0x2026)));
        QVERIFY(entrada.startsWith(mostrado.chopped(1)));
        QVERIFY(lista.fontMetrics().horizontalAdvance(mostrado) < lista.width() - 20);
    }
    QCOMPARE(dica(&lista, QPoint(20, 10)), corta ? entrada : QString());

    // In the open list.
    lista.showPopup();
    QTRY_VERIFY(lista.view()->window()->isVisible());
    const QString naLista = lista.textoMostradoEntrada(0);
    QCOMPARE(naLista != entrada, corta);
    const QRect linha = lista.view()->visualRect(lista.model()->index(0, 0));
    QVERIFY(lista.fontMetrics().horizontalAdvance(naLista) <= linha.width());
    QCOMPARE(dica(lista.view()->viewport(), linha.center()), corta ? entrada : QString());
    lista.hidePopup();
}

QTEST_MAIN(TesteListaSuspensa)
#include "tst_lista_suspensa.moc"
