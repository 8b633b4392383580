#include "dialogo_modal.h"

#include "figura.h"
#include "fontes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

namespace {

// The window the user last pressed a button or a key in. Under Wayland a
// click reaches the program before the compositor makes its window the
// active one, so a dialog opened by that click (the close button's question)
// finds no active window; it opens over this one instead.
class UltimaJanelaUsada : public QObject {
public:
    QPointer<QWidget> janela;

    bool eventFilter(QObject *objeto, QEvent *evento) override {
        const QEvent::Type tipo = evento->type();
        if ((tipo == QEvent::MouseButtonPress || tipo == QEvent::KeyPress) &&
            objeto->isWidgetType())
            janela = static_cast<QWidget *>(objeto)->window();
        return false;
    }
};

UltimaJanelaUsada *ultimaJanelaUsada() {
    static QPointer<UltimaJanelaUsada> filtro;
    if (!filtro) {
        filtro = new UltimaJanelaUsada;
        filtro->setParent(qApp);
        qApp->installEventFilter(filtro);
    }
    return filtro;
}

} // namespace

DialogoModal::DialogoModal(const QString &fundo, const QString &nomeFundo, QSize tamanho)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint) {
    ultimaJanelaUsada();
    setFixedSize(tamanho);
    setModal(true);
    setFont(fontes::sansSerif(fontes::pt8));
    m_fundo = new Figura(this, fundo, QRect(QPoint(0, 0), tamanho));
    m_fundo->setObjectName(nomeFundo);
    connect(m_fundo, &Figura::pressionada, this, &DialogoModal::prcIniciaArrastarJanela);
    connect(m_fundo, &Figura::movida, this, &DialogoModal::prcArrastarJanela);
    connect(m_fundo, &Figura::solta, this, &DialogoModal::prcFinalizaArrastarJanela);
}

void DialogoModal::keyPressEvent(QKeyEvent *evento) {
    evento->accept();
}

int DialogoModal::exec() {
    // Over the window it answers (the one the user was in): on its monitor,
    // and that window's dialog for the window manager, which would otherwise
    // place a dialog of no window as it likes.
    QWidget *sobre = QApplication::activeWindow();
    if (!sobre && ultimaJanelaUsada()->janela && ultimaJanelaUsada()->janela->isVisible())
        sobre = ultimaJanelaUsada()->janela;
    if (sobre == this)
        sobre = nullptr;
    centrarNoMonitorDe(this, sobre, m_centrado);
    winId();
    windowHandle()->setTransientParent(sobre ? sobre->windowHandle() : nullptr);
    return QDialog::exec();
}
