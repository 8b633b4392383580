#include "dialogo_modal.h"

#include "figura.h"
#include "fontes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

DialogoModal::DialogoModal(const QString &fundo, const QString &nomeFundo, QSize tamanho)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint) {
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
    if (sobre == this)
        sobre = nullptr;
    centrarNoMonitorDe(this, sobre, m_centrado);
    winId();
    windowHandle()->setTransientParent(sobre ? sobre->windowHandle() : nullptr);
    return QDialog::exec();
}
