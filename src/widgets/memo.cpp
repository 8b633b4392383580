#include "memo.h"

#include "fontes.h"

#include <QTextCursor>

Memo::Memo(QWidget *pai, const QRect &geometria) : QPlainTextEdit(pai) {
    setGeometry(geometria);
    setFrameStyle(QFrame::NoFrame);
    setReadOnly(true);
    setFont(fontes::verdana(fontes::pt8));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, QColor(0xFF, 0xF7, 0xDF));
    paleta.setColor(QPalette::Text, paleta.color(QPalette::WindowText));
    setPalette(paleta);
}

void Memo::limpar() {
    clear();
    m_paragrafos = 0;
}

// Written through a cursor of its own: the memo's cursor, and so the part of
// the text on view, stays at the start.
void Memo::adicionarLinha(const QString &texto) {
    QTextCursor fim(document());
    fim.movePosition(QTextCursor::End);
    if (m_paragrafos++ > 0)
        fim.insertBlock();
    fim.insertText(texto);
}
