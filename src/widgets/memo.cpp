#include "memo.h"

#include "consulta.h"
#include "fontes.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTextCursor>
#include <utility>

using namespace Qt::StringLiterals;

Memo::Memo(QWidget *pai, const QRect &geometria) : QPlainTextEdit(pai) {
    setGeometry(geometria);
    setFrameStyle(QFrame::NoFrame);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setFont(fontes::verdana(fontes::pt8));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, QColor(0xFF, 0xF7, 0xDF));
    paleta.setColor(QPalette::Text, paleta.color(QPalette::WindowText));
    setPalette(paleta);
}

// Written through a cursor of its own, so that the memo's cursor, and with
// it the part of the text on view, stays at the start. (Appending paragraphs
// to an empty memo would drop an empty first one.)
void Memo::preencher(Consulta &consulta, const QString &coluna) {
    clear();
    QTextCursor fim(document());
    bool primeira = true;
    for (consulta.primeiro(); !consulta.fimDados(); consulta.proximo()) {
        if (!std::exchange(primeira, false))
            fim.insertBlock();
        fim.insertText(consulta.campo(coluna));
    }
}

void Memo::contextMenuEvent(QContextMenuEvent *evento) {
    QMenu menu(this);
    QAction *copiar = menu.addAction(u"Copiar"_s, this, &QPlainTextEdit::copy);
    copiar->setShortcut(QKeySequence::Copy);
    copiar->setEnabled(textCursor().hasSelection());
    QAction *tudo = menu.addAction(u"Selecionar tudo"_s, this, &QPlainTextEdit::selectAll);
    tudo->setShortcut(QKeySequence::SelectAll);
    menu.exec(evento->globalPos());
}
