#pragma once

#include <QColor>
#include <QTextBrowser>

// The viewer of the program's HTML pages (the welcome page and the
// information, regulation and legislation pages). It shows a local file with
// its pictures, resolved relative to the page, and keeps no history: the
// back and forward keys do nothing. The text can be selected with the mouse,
// and all of it with the keyboard (Ctrl+A). Links to other local pages or to anchors open in the
// viewer; links of other kinds (http, mailto) go to the system's browser.
// The page is read-only: the viewer draws no text caret and no frame, with
// the keyboard focus or without it.
class VisualizadorHtml : public QTextBrowser {
    Q_OBJECT
public:
    explicit VisualizadorHtml(QWidget *pai = nullptr);

    // Shows the file at `caminho`, from the top, read again from the disk
    // even when it is the page on show. A file that does not exist or cannot
    // be read throws Erro("Can't locate file: " + caminho) and the viewer
    // keeps what it showed. Pictures of the page that are missing or cannot
    // be decoded are reported, all in one message, and the page is shown
    // without them.
    void carregar(const QString &caminho);

    void definirCorDeFundo(const QColor &cor);
    QColor corDeFundo() const;

protected:
    void doSetSource(const QUrl &endereco, QTextDocument::ResourceType tipo) override;
};
