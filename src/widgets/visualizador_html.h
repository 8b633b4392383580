#pragma once

#include <QColor>
#include <QList>
#include <QTextBrowser>

class QAccessibleInterface;

// The viewer of the program's HTML pages (the welcome page and the
// information, regulation and legislation pages). It shows a local file with
// its pictures, resolved relative to the page (on a screen scaled above
// 100 %, from the picture drawn at twice its size, "nome@2x.png" beside
// the one the page names, when there is one), and keeps no history: the
// back and forward keys do nothing. The text can be selected with the mouse,
// and all of it with the keyboard (Ctrl+A). Links to other local pages or to
// anchors open in the viewer; links of other kinds (http, mailto) go to the
// system's browser.
//
// The page is read-only: the viewer draws no text caret. A ring of one pixel
// in the page's background colour runs round the page and its scroll bar;
// while the focus came by the keyboard (Tab, Shift+Tab, or a key pressed in
// the page) the ring wears the dotted mark of every focused control, outside
// the text. A click in the page takes the mark away.
//
// Assistive technology reads the viewer as a document with its text, whose
// children are the page's links; Tab from link to link moves the accessible
// focus to the link reached, and a screen reader says its text.
class VisualizadorHtml : public QTextBrowser {
    Q_OBJECT
public:
    explicit VisualizadorHtml(QWidget *pai = nullptr);

    // Shows the file at `caminho`, from the top, read again from the disk
    // even when it is the page on show. A file that does not exist or cannot
    // be read throws Erro("Can't locate file: " + caminho) and the viewer
    // keeps what it showed. Pictures of the page that are missing or cannot
    // be decoded (the files drawn at the screen's scaling) are reported, all
    // in one message, and the page is shown without them.
    void carregar(const QString &caminho);

    void definirCorDeFundo(const QColor &cor);
    QColor corDeFundo() const;

    // A link of the page on show: the document's positions it spans, its
    // target and the text a reader hears (the target, for a picture alone).
    struct Link {
        int inicio;
        int fim;
        QString endereco;
        QString texto;
    };
    // The links of the page in reading order.
    QList<Link> links() const;
    // The index in `links()` of the link that Tab has reached (the one the
    // selection covers whole), or -1.
    int linkEmFoco() const;

protected:
    void doSetSource(const QUrl &endereco, QTextDocument::ResourceType tipo) override;
    bool event(QEvent *evento) override;
    bool focusNextPrevChild(bool proximo) override;
    void focusInEvent(QFocusEvent *evento) override;
    void focusOutEvent(QFocusEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;

private:
    void mostrarMarca(bool mostrar);
    void pintarAnel();
    void anunciarLinkEmFoco();

    bool m_marcaFoco = false; // the focus came, or stays, by the keyboard
    int m_linkAnunciado = -1; // the link assistive technology was last told of
};

// The viewer as assistive technology sees it, made by the program's one
// accessibility factory (acessivel::instalar).
QAccessibleInterface *paginaAcessivel(VisualizadorHtml *visualizador);
