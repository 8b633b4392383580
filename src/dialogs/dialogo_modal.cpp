#include "dialogo_modal.h"

#include "figura.h"
#include "fontes.h"

#include <QKeyEvent>

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
    if (!m_centrado) {
        m_centrado = true;
        centrarNaTela(this);
    }
    return QDialog::exec();
}
