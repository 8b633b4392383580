#pragma once

#include <QPlainTextEdit>

class Consulta;

// A text area of the family views: read-only plain text in Verdana 11 px on
// the cream background of the screens' text areas, without a border of its
// own (a black panel behind it draws the frame), with a vertical scroll bar
// and lines wrapped at its width. The text can be selected with the mouse or
// the keyboard (Tab moves on to the next control) and copied with Ctrl+C or
// the context menu ("Copiar", "Selecionar tudo").
class Memo : public QPlainTextEdit {
    Q_OBJECT
public:
    Memo(QWidget *pai, const QRect &geometria);

    // Empties the memo, then writes the column `coluna` of every row of the
    // open `consulta` into it, one paragraph per row, an empty one included;
    // the line breaks inside a value (CR LF, LF or CR) start new lines. The
    // memo shows the first line.
    void preencher(Consulta &consulta, const QString &coluna);

protected:
    void contextMenuEvent(QContextMenuEvent *evento) override;
};
