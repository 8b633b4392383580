// Two monitors side by side, the primary one on the right: the program
// starts on the primary monitor, and its dialogs and About screen open on
// the monitor of the screen they answer, as that window's dialogs. Run on
// the offscreen platform with dois_monitores.json.

#include "botao_figura.h"
#include "fixtures.h"
#include "navegacao.h"
#include "programa.h"
#include "tela_principal.h"
#include "unit_About.h"
#include "unit_FormBusca.h"
#include "unit_FormInicial.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormMODALSair.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

QScreen *monitor(const QString &nome) {
    for (QScreen *tela : QGuiApplication::screens())
        if (tela->name() == nome)
            return tela;
    return nullptr;
}

// Where `janela` is centred on `tela`'s free area.
QPoint centro(const QWidget *janela, const QString &tela) {
    return monitor(tela)->availableGeometry().center() - janela->rect().center();
}

} // namespace

class TesteMonitores : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void comecaNoPrincipal();
    void dialogosNoMonitorDaTela_data();
    void dialogosNoMonitorDaTela();
    void sobreNoMonitorDaTela();
};

void TesteMonitores::initTestCase() {
    QVERIFY2(monitor(u"Principal"_s) && monitor(u"Secundario"_s),
             "dois_monitores.json não foi lido");
    QCOMPARE(QGuiApplication::primaryScreen()->name(), u"Principal"_s);
    programa::instalar(fixtures::banco(u"basica"_s));
    programa::iniciar();
}

void TesteMonitores::cleanup() {
    programa::encerrarTeste();
}

void TesteMonitores::comecaNoPrincipal() {
    QCOMPARE(obj_Form_FormInicial->pos(), centro(obj_Form_FormInicial, u"Principal"_s));
}

void TesteMonitores::dialogosNoMonitorDaTela_data() {
    QTest::addColumn<bool>("aviso");
    QTest::newRow("pergunta de saída") << false;
    QTest::newRow("aviso") << true;
}

// Opened over the home screen on each monitor in turn: centred there each
// time the screen has moved to the other monitor, and the screen's dialog.
void TesteMonitores::dialogosNoMonitorDaTela() {
    QFETCH(bool, aviso);
    programa::avisosReais(true);
    DialogoModal *dialogo = aviso ? static_cast<DialogoModal *>(obj_Form_Aviso_MODAL)
                                  : static_cast<DialogoModal *>(obj_Form_MODAL_Sair);
    TelaPrincipal *tela = obj_Form_FormInicial;
    const auto abrir = [&] {
        if (aviso)
            aviso::prcMostrarAviso(u"Digite a palavra para Busca"_s);
        else
            programa::clicar(tela->obj_Bt_Fechar);
    };
    const auto fechar = [&] {
        programa::clicar(aviso ? obj_Form_Aviso_MODAL->obj_Img_Bt_Ok
                               : obj_Form_MODAL_Sair->obj_Img_Bt_Nao);
    };
    const QPoint inicial = tela->pos();
    for (const QString &nome : {u"Secundario"_s, u"Principal"_s}) {
        tela->move(monitor(nome)->geometry().topLeft() + QPoint(40, 30));
        tela->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(tela));
        QPoint onde;
        const QWindow *dono = nullptr;
        QVERIFY(programa::responderDialogo(dialogo, abrir, [&] {
            onde = dialogo->pos();
            dono = dialogo->windowHandle()->transientParent();
            fechar();
        }));
        QCOMPARE(onde, centro(dialogo, nome));
        QCOMPARE(dono, tela->windowHandle());
    }
    tela->move(inicial);
}

void TesteMonitores::sobreNoMonitorDaTela() {
    TelaPrincipal *tela = obj_Form_FormInicial;
    const QPoint inicial = tela->pos();
    for (const QString &nome : {u"Secundario"_s, u"Principal"_s}) {
        tela->move(monitor(nome)->geometry().topLeft() + QPoint(40, 30));
        programa::clicar(tela->obj_Bt_About);
        QVERIFY(obj_Form_FormAbout->isVisible());
        QCOMPARE(obj_Form_FormAbout->pos(), centro(obj_Form_FormAbout, nome));
        programa::clicar(obj_Form_FormAbout->obj_Bt_Ok_About);
    }
    tela->move(inicial);
}

QTEST_MAIN(TesteMonitores)
#include "tst_monitores.moc"
