#pragma once

#include <QPlainTextEdit>

// A text area of the family views: read-only plain text in Verdana 11 px on
// the cream background of the screens' text areas, without a border of its
// own (a black panel behind it draws the frame), with a vertical scroll bar
// and lines wrapped at its width. The text can be selected and copied.
class Memo : public QPlainTextEdit {
    Q_OBJECT
public:
    Memo(QWidget *pai, const QRect &geometria);

    // Empties the memo.
    void limpar();
    // Appends `texto` as one more paragraph, an empty one included; the line
    // breaks inside it (CR LF, LF or CR) start new lines. The memo still shows
    // its first line.
    void adicionarLinha(const QString &texto);

private:
    int m_paragrafos = 0;
};
