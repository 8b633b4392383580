#include "programa.h"

#include "aplicacao.h"
#include "fixtures.h"
#include "fronteira.h"
#include "navegacao.h"
#include "tela_principal.h"
#include "unit_About.h"
#include "unit_FormInicial.h"
#include "unit_FormMODALAviso.h"
#include "unit_global.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace programa {
namespace {

QStringList avisosGravados;
QStringList eventosGravados;

void observar(navegacao::Evento evento, TelaPrincipal *tela) {
    static const char *nomes[] = {"mostrada", "ativada", "escondida"};
    eventosGravados << tela->objectName().mid(9) + u" "_s + QString::fromLatin1(nomes[int(evento)]);
}
QStringList errosGravados;

QtMessageHandler registroAnterior = nullptr;

void filtrarElevacao(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto) {
    if (texto != u"This plugin does not support raise()"_s)
        registroAnterior(tipo, contexto, texto);
}

Qt::MouseButton botaoQt(int botao) {
    return botao == 2 ? Qt::RightButton : Qt::LeftButton;
}

void enviar(QWidget *alvo, QEvent::Type tipo, QPoint local, Qt::MouseButton botao,
            Qt::MouseButtons botoes) {
    const QPointF global = alvo->mapToGlobal(QPointF(local));
    QMouseEvent evento(tipo, QPointF(local), global, botao, botoes, Qt::NoModifier);
    QApplication::sendEvent(alvo, &evento);
}

} // namespace

QString instalar(const QString &banco, bool comHtml) {
    const QString raiz = fixtures::novoDiretorio() + u"/Programa ZEL"_s;
    QDir().mkpath(raiz);
    QFile::link(banco, raiz + u"/dados"_s);
    if (comHtml)
        QFile::link(QStringLiteral(ZEL_DIR_HTML), raiz + u"/html"_s);
    definirDiretorioPrograma(raiz);
    return raiz;
}

void calarElevacao() {
    if (!registroAnterior)
        registroAnterior = qInstallMessageHandler(filtrarElevacao);
}

void iniciar() {
    static bool iniciado = false;
    if (iniciado)
        return;
    iniciado = true;
    aviso::gravarAvisos(&avisosGravados);
    fronteira::definirRelator([](const QString &texto) { errosGravados << texto; });
    navegacao::definirObservador(observar);
    aplicacao::configurar(*qApp);
    aplicacao::iniciar();
}

void avisosReais(bool reais) {
    aviso::gravarAvisos(reais ? nullptr : &avisosGravados);
}

QStringList &eventos() {
    return eventosGravados;
}
void limparEventos() {
    eventosGravados.clear();
}

QStringList avisos() {
    return std::exchange(avisosGravados, {});
}
QStringList erros() {
    return std::exchange(errosGravados, {});
}

void encerrarTeste() {
    const QStringList avisosNaoLidos = avisos();
    const QStringList errosNaoLidos = erros();
    avisosReais(false);
    if (obj_Form_FormAbout && obj_Form_FormAbout->isVisible())
        navegacao::sobreFechado();
    if (TelaPrincipal *atual = navegacao::telaAtual(); atual && atual != obj_Form_FormInicial)
        navegacao::irPara(atual, obj_Form_FormInicial);
    // The home screen also holds the keyboard, even when it was already the
    // current screen and a dialog has just gone.
    obj_Form_FormInicial->activateWindow();
    const bool inicialAtiva =
        QTest::qWaitFor([] { return QApplication::activeWindow() == obj_Form_FormInicial; });
    avisos();
    erros();
    limparEventos();
    QVERIFY2(avisosNaoLidos.isEmpty(),
             qPrintable(u"avisos não lidos: "_s + avisosNaoLidos.join(u" | "_s)));
    QVERIFY2(errosNaoLidos.isEmpty(),
             qPrintable(u"erros não lidos: "_s + errosNaoLidos.join(u" | "_s)));
    QVERIFY2(inicialAtiva, "a tela inicial não ficou ativa");
}

bool responderDialogo(QDialog *dialogo, const std::function<void()> &acao,
                      const std::function<void()> &resposta) {
    bool apareceu = false;
    bool preso = false;
    QElapsedTimer desdeAResposta;
    QTimer vigia;
    vigia.setInterval(5);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        if (!dialogo->isVisible())
            return;
        if (!apareceu) {
            apareceu = true;
            desdeAResposta.start();
            resposta();
        } else if (desdeAResposta.elapsed() > 5000) {
            preso = true;
            dialogo->done(QDialog::Rejected);
        }
    });
    vigia.start();
    acao();
    vigia.stop();
    if (!apareceu)
        qWarning("o diálogo %s não apareceu", qPrintable(dialogo->objectName()));
    if (preso)
        qWarning("o diálogo %s não fechou com a resposta", qPrintable(dialogo->objectName()));
    return apareceu && !preso && !dialogo->isVisible();
}

std::optional<QString> fecharAvisoReal(const std::function<void()> &acao) {
    QString texto;
    avisosReais(true);
    const bool fechado = responderDialogo(obj_Form_Aviso_MODAL, acao, [&texto] {
        texto = obj_Form_Aviso_MODAL->obj_Lb_Texto->text();
        QTest::keyClick(obj_Form_Aviso_MODAL, Qt::Key_Return);
    });
    avisosReais(false);
    if (!fechado)
        return std::nullopt;
    return texto;
}

void pressionar(QWidget *alvo, QPoint local, int botao) {
    enviar(alvo, QEvent::MouseButtonPress, local, botaoQt(botao), botaoQt(botao));
}

void mover(QWidget *alvo, QPoint local, int botoes) {
    enviar(alvo, QEvent::MouseMove, local, Qt::NoButton,
           botoes ? Qt::MouseButtons(botaoQt(botoes)) : Qt::MouseButtons());
}

void soltar(QWidget *alvo, QPoint local, int botao) {
    enviar(alvo, QEvent::MouseButtonRelease, local, botaoQt(botao), Qt::NoButton);
}

void clicar(QWidget *alvo, QPoint local) {
    pressionar(alvo, local);
    soltar(alvo, local + QPoint(-1, -1)); // the pressed picture sits one pixel lower
}

// Each character as the keyboard gives it, accented and non-Latin ones too.
void digitar(QWidget *alvo, const QString &texto) {
    for (const QChar c : texto) {
        QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(alvo, &tecla);
        QKeyEvent solta(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(alvo, &solta);
    }
}

void enter(QWidget *alvo) {
    QTest::keyClick(alvo, Qt::Key_Return);
}

} // namespace programa
