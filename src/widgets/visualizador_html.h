#pragma once

#include <QColor>
#include <QTextBrowser>

// The viewer of the program's HTML pages (the welcome page and the
// information, regulation and legislation pages). It shows a local file with
// its pictures, resolved relative to the page, and keeps no history: the
// back and forward keys do nothing. The text can be selected with the mouse
// and the keyboard. Links to other local pages or to anchors open in the
// viewer; links of other kinds (http, mailto) go to the system's browser.
// The viewer draws no frame of its own; when it has the keyboard focus it
// draws a dotted focus border, unless the border is switched off.
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

    void definirBordaDeFoco(bool ligada);
    bool bordaDeFoco() const { return m_bordaDeFoco; }

    // Colour of the focus border.
    static QColor corDoFoco();

protected:
    void doSetSource(const QUrl &endereco, QTextDocument::ResourceType tipo) override;
    bool event(QEvent *evento) override;
    void focusInEvent(QFocusEvent *evento) override;
    void focusOutEvent(QFocusEvent *evento) override;

private:
    void pintarBorda();

    bool m_bordaDeFoco = false;
};
