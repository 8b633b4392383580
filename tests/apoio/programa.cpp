#include "programa.h"

#include "aplicacao.h"
#include "fronteira.h"
#include "navegacao.h"
#include "tela_principal.h"
#include "unit_FormMODALAviso.h"
#include "unit_global.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

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
    static std::vector<std::unique_ptr<QTemporaryDir>> instalacoes;
    instalacoes.push_back(std::make_unique<QTemporaryDir>());
    const QString raiz = instalacoes.back()->path() + u"/Programa ZEL"_s;
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
    gravarAvisos(&avisosGravados);
    fronteira::definirRelator([](const QString &texto) { errosGravados << texto; });
    navegacao::definirObservador(observar);
    aplicacao::configurar(*qApp);
    aplicacao::iniciar();
}

void avisosReais(bool reais) {
    gravarAvisos(reais ? nullptr : &avisosGravados);
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
