#include "visualizador_html.h"

#include "acessivel.h"
#include "erro.h"
#include "foco.h"
#include "fontes.h"
#include "fronteira.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QWindow>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The pages are laid out for Times New Roman at 12 pt (16 pixels at 96 dots
// per inch) as the default font, Courier New for fixed-pitch text, and a
// margin of 8 pixels around the page: the ring of the focus mark and 7 pixels
// of the document's own margin.
constexpr int pixelsDaFontePadrao = 16;
constexpr int anelDoFoco = 1;
constexpr int margemDaPagina = 8 - anelDoFoco;

const QString folhaDeEstiloPadrao = u"pre, code, tt, kbd, samp { font-family: 'Courier New'; }"_s;

bool legivel(const QString &caminho) {
    const QFileInfo arquivo(caminho);
    return arquivo.isFile() && arquivo.isReadable();
}

Erro arquivoAusente(const QString &caminho) {
    return Erro(u"Can't locate file: "_s + caminho);
}

// The file Qt draws for the picture file `arquivo` on a screen of `escala`
// device pixels per pixel: above 1, the picture drawn at twice its size,
// "@2x" before the extension, when there is one (the pages come with no
// larger one).
QString arquivoNaEscala(const QString &arquivo, qreal escala) {
    if (escala <= 1)
        return arquivo;
    const qsizetype ponto = arquivo.lastIndexOf(u'.');
    const QString dobro = QString(arquivo).insert(ponto < 0 ? arquivo.size() : ponto, u"@2x"_s);
    return QFileInfo::exists(dobro) ? dobro : arquivo;
}

// The local pictures of `documento` whose files are missing or cannot be
// decoded, each once, in the order of the page: the files Qt draws at
// `escala` device pixels per pixel.
QStringList figurasIlegiveis(const QTextDocument &documento, const QUrl &pagina, qreal escala) {
    QStringList ilegiveis;
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next())
        for (auto trecho = bloco.begin(); !trecho.atEnd(); ++trecho) {
            const QTextCharFormat formato = trecho.fragment().charFormat();
            if (!formato.isImageFormat())
                continue;
            const QUrl figura = pagina.resolved(QUrl(formato.toImageFormat().name()));
            if (!figura.isLocalFile())
                continue;
            const QString arquivo = arquivoNaEscala(figura.toLocalFile(), escala);
            if (!ilegiveis.contains(arquivo) && QImageReader(arquivo).read().isNull())
                ilegiveis << arquivo;
        }
    return ilegiveis;
}

// Sizes and draws the page's pictures with Qt's own handler, naming each
// picture the page names by a relative path by its whole path instead. On a
// screen scaled above 100 % Qt draws the file "nome@2x.png" beside the name
// it is given, when there is one, but it looks for it relative to the
// program's working directory, not to the page.
class FiguraPeloCaminho : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    FiguraPeloCaminho(QTextBrowser *visualizador, QTextObjectInterface *doQt)
        : QObject(visualizador), m_visualizador(visualizador), m_doQt(doQt) {}

    QSizeF intrinsicSize(QTextDocument *documento, int posicao,
                         const QTextFormat &formato) override {
        return m_doQt->intrinsicSize(documento, posicao, peloCaminho(formato));
    }
    void drawObject(QPainter *pintor, const QRectF &area, QTextDocument *documento, int posicao,
                    const QTextFormat &formato) override {
        // At a scaling between 1 and 2 the picture drawn at twice its size
        // is reduced: smoothly, not by dropping pixels.
        pintor->save();
        pintor->setRenderHint(QPainter::SmoothPixmapTransform);
        m_doQt->drawObject(pintor, area, documento, posicao, peloCaminho(formato));
        pintor->restore();
    }

private:
    QTextImageFormat peloCaminho(const QTextFormat &formato) const {
        QTextImageFormat figura = formato.toImageFormat();
        const QUrl nome(figura.name());
        if (!nome.isRelative() || !QDir::isRelativePath(figura.name()))
            return figura;
        const QUrl endereco = m_visualizador->source().resolved(nome);
        if (endereco.isLocalFile())
            figura.setName(endereco.toLocalFile());
        return figura;
    }

    QTextBrowser *m_visualizador;
    QTextObjectInterface *m_doQt;
};

// Where the document's positions `inicio` to `fim` lie on the screen: their
// line, or the full width of the lines they run over.
QRect areaNaTela(const VisualizadorHtml &visualizador, int inicio, int fim) {
    QTextCursor cursor(visualizador.document());
    cursor.setPosition(inicio);
    const QRect primeira = visualizador.cursorRect(cursor);
    cursor.setPosition(fim);
    const QRect ultima = visualizador.cursorRect(cursor);
    const QWidget *area = visualizador.viewport();
    const QRect local =
        primeira.top() == ultima.top()
            ? QRect(primeira.topLeft(), ultima.bottomRight())
            : QRect(QPoint(0, primeira.top()), QPoint(area->width() - 1, ultima.bottom()));
    return QRect(area->mapToGlobal(local.topLeft()), local.size());
}

// A link of the page as assistive technology sees it: the place of the
// page's links it holds (the n-th), reporting whatever link is there now. It
// is invalid while the page has fewer links.
class LinkAcessivel : public QAccessibleInterface {
public:
    LinkAcessivel(VisualizadorHtml *visualizador, int indice)
        : m_visualizador(visualizador), m_indice(indice) {}

    bool isValid() const override { return link().has_value(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override {
        return m_visualizador ? m_visualizador->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(m_visualizador);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text tipo) const override {
        const auto atual = link();
        if (!atual)
            return QString();
        if (tipo == QAccessible::Name)
            return atual->texto;
        if (tipo == QAccessible::Value)
            return atual->endereco;
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override {
        const auto atual = link();
        return atual ? areaNaTela(*m_visualizador, atual->inicio, atual->fim) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override {
        QAccessible::State estado;
        if (!isValid()) {
            estado.invalid = true;
            return estado;
        }
        estado.linked = true;
        estado.focusable = true;
        estado.focused = m_visualizador->hasFocus() && m_visualizador->linkEmFoco() == m_indice;
        if (!m_visualizador->isVisible())
            estado.invisible = true;
        const QRect visivel(m_visualizador->viewport()->mapToGlobal(QPoint(0, 0)),
                            m_visualizador->viewport()->size());
        if (!visivel.intersects(rect()))
            estado.offscreen = true;
        return estado;
    }

private:
    std::optional<VisualizadorHtml::Link> link() const {
        if (!m_visualizador)
            return std::nullopt;
        const QList<VisualizadorHtml::Link> todos = m_visualizador->links();
        if (m_indice >= todos.size())
            return std::nullopt;
        return todos[m_indice];
    }

    QPointer<VisualizadorHtml> m_visualizador;
    int m_indice;
};

// The viewer as assistive technology sees it: a read-only document whose text
// can be read and selected, whose children are the page's links and then the
// scroll bars. A link place is kept for the viewer's life once asked for.
class PaginaAcessivel : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PaginaAcessivel(VisualizadorHtml *visualizador)
        : QAccessibleWidget(visualizador, QAccessible::Document) {}
    ~PaginaAcessivel() override {
        for (QAccessible::Id id : std::as_const(m_links))
            QAccessible::deleteAccessibleInterface(id);
    }

    VisualizadorHtml *visualizador() const { return static_cast<VisualizadorHtml *>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.readOnly = true;
        estado.multiLine = true;
        estado.selectableText = true;
        return estado;
    }
    int childCount() const override {
        return int(visualizador()->links().size() + partes().size());
    }
    QAccessibleInterface *child(int indice) const override {
        const int links = int(visualizador()->links().size());
        if (indice < links)
            return indice < 0 ? nullptr : link(indice);
        return partes().value(indice - links);
    }
    int indexOfChild(const QAccessibleInterface *filho) const override {
        for (auto it = m_links.cbegin(); it != m_links.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == filho)
                return filho->isValid() ? it.key() : -1;
        const QList<QAccessibleInterface *> lista = partes();
        const auto parte = std::find(lista.cbegin(), lista.cend(), filho);
        if (parte == lista.cend())
            return -1;
        return int(visualizador()->links().size() + (parte - lista.cbegin()));
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        const QList<VisualizadorHtml::Link> todos = visualizador()->links();
        for (int i = 0; i < todos.size(); ++i)
            if (areaNaTela(*visualizador(), todos[i].inicio, todos[i].fim).contains(x, y))
                return link(i);
        for (QAccessibleInterface *parte : partes())
            if (parte->rect().contains(x, y))
                return parte;
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override {
        const int emFoco = visualizador()->linkEmFoco();
        return visualizador()->hasFocus() && emFoco >= 0 ? link(emFoco) : nullptr;
    }
    void *interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    // QAccessibleTextInterface: the page's plain text (a line break between
    // paragraphs), its one selection, and the position of the hidden caret.
    void selection(int indice, int *inicio, int *fim) const override {
        const QTextCursor cursor = visualizador()->textCursor();
        *inicio = *fim = 0;
        if (indice == 0 && cursor.hasSelection()) {
            *inicio = cursor.selectionStart();
            *fim = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return visualizador()->textCursor().hasSelection(); }
    void addSelection(int inicio, int fim) override { setSelection(0, inicio, fim); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int inicio, int fim) override {
        QTextCursor cursor(visualizador()->document());
        cursor.setPosition(limitar(inicio));
        cursor.setPosition(limitar(fim), QTextCursor::KeepAnchor);
        visualizador()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return visualizador()->textCursor().position(); }
    void setCursorPosition(int posicao) override {
        QTextCursor cursor(visualizador()->document());
        cursor.setPosition(limitar(posicao));
        visualizador()->setTextCursor(cursor);
    }
    QString text(QAccessible::Text tipo) const override { return QAccessibleWidget::text(tipo); }
    QString text(int inicio, int fim) const override {
        const QString tudo = visualizador()->document()->toPlainText();
        return tudo.mid(inicio, std::max(0, fim - inicio));
    }
    int characterCount() const override {
        return std::max(0, visualizador()->document()->characterCount() - 1);
    }
    QRect characterRect(int posicao) const override {
        if (posicao < 0 || posicao >= characterCount())
            return QRect();
        return areaNaTela(*visualizador(), posicao, posicao + 1);
    }
    int offsetAtPoint(const QPoint &ponto) const override {
        const QWidget *area = visualizador()->viewport();
        const QPoint local = area->mapFromGlobal(ponto);
        if (!area->rect().contains(local))
            return -1;
        return visualizador()->cursorForPosition(local).position();
    }
    // Scrolls the page, the selection untouched, until `inicio` is in view.
    void scrollToSubstring(int inicio, int) override {
        QTextCursor cursor(visualizador()->document());
        cursor.setPosition(limitar(inicio));
        const QRect lugar = visualizador()->cursorRect(cursor);
        const QRect visivel = visualizador()->viewport()->rect();
        QScrollBar *barra = visualizador()->verticalScrollBar();
        if (lugar.top() < visivel.top() || lugar.bottom() > visivel.bottom())
            barra->setValue(barra->value() + lugar.top());
    }
    QString attributes(int posicao, int *inicio, int *fim) const override {
        *inicio = 0;
        *fim = std::max(characterCount(), posicao);
        return QString();
    }

private:
    int limitar(int posicao) const { return std::clamp(posicao, 0, characterCount()); }
    // The widgets inside the viewer but the area that shows the page, which
    // is the document itself: the scroll bars.
    QList<QAccessibleInterface *> partes() const {
        QList<QAccessibleInterface *> lista;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
            if (QAccessibleInterface *parte = QAccessibleWidget::child(i);
                parte && parte->object() != visualizador()->viewport())
                lista << parte;
        return lista;
    }
    QAccessibleInterface *link(int indice) const {
        if (const auto it = m_links.constFind(indice); it != m_links.cend())
            return QAccessible::accessibleInterface(it.value());
        auto *novo = new LinkAcessivel(visualizador(), indice);
        m_links.insert(indice, QAccessible::registerAccessibleInterface(novo));
        return novo;
    }

    mutable QHash<int, QAccessible::Id> m_links;
};

// What a reader hears of a link: its text on one line, or its target when
// it holds only pictures.
QString textoDoLink(QString texto, const QString &endereco) {
    texto.replace(QChar::ObjectReplacementCharacter, u' ');
    texto.replace(QChar::LineSeparator, u' ');
    texto.replace(QChar::Nbsp, u' ');
    texto = texto.simplified();
    return texto.isEmpty() ? endereco : texto;
}

} // namespace

QAccessibleInterface *paginaAcessivel(VisualizadorHtml *visualizador) {
    return new PaginaAcessivel(visualizador);
}

VisualizadorHtml::VisualizadorHtml(QWidget *pai) : QTextBrowser(pai) {
    acessivel::instalar();
    setOpenExternalLinks(true);
    // The frame is the ring of the focus mark, round the page and its scroll
    // bar; it is painted here (pintarAnel), never in the frame's own colour.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(anelDoFoco);
    // A read-only page shows no caret, so the keyboard does not move one:
    // it scrolls the page, goes from link to link (Tab), selects the whole
    // text (Ctrl+A) and copies the selection (Ctrl+C).
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    document()->setDefaultFont(fontes::fonte(u"Times New Roman"_s, pixelsDaFontePadrao));
    document()->setDefaultStyleSheet(folhaDeEstiloPadrao);
    document()->setDocumentMargin(margemDaPagina);
    QAbstractTextDocumentLayout *leiaute = document()->documentLayout();
    leiaute->registerHandler(
        QTextFormat::ImageObject,
        new FiguraPeloCaminho(this, leiaute->handlerForObject(QTextFormat::ImageObject)));
    // Tab between links moves the selection without a signal
    // (focusNextPrevChild); a click, Ctrl+A or a new page send one.
    connect(this, &QTextEdit::selectionChanged, this, &VisualizadorHtml::anunciarLinkEmFoco);
    connect(this, &QTextEdit::cursorPositionChanged, this, &VisualizadorHtml::anunciarLinkEmFoco);
}

void VisualizadorHtml::carregar(const QString &caminho) {
    if (!legivel(caminho))
        throw arquivoAusente(caminho);
    const QUrl endereco = QUrl::fromLocalFile(caminho);
    // A document already on show is only scrolled by setSource, not read again.
    const bool mesmoDocumento = source().adjusted(QUrl::RemoveFragment) == endereco;
    setSource(endereco);
    if (mesmoDocumento)
        reload();
    // The page is on view without them; the user is told, and the rest of
    // the handler goes on.
    const QStringList figuras = figurasIlegiveis(*document(), endereco, devicePixelRatioF());
    if (!figuras.isEmpty())
        fronteira::relatar(
            Erro(u"A figura da página não pôde ser lida: "_s + figuras.join(u", "_s)));
}

// Every change of page passes here: the pages given to `carregar`, the links
// followed inside a page and the reloads. A link to a missing local page is
// reported as an error and the page on show stays.
void VisualizadorHtml::doSetSource(const QUrl &endereco, QTextDocument::ResourceType tipo) {
    if (endereco.isLocalFile() && !legivel(endereco.toLocalFile())) {
        fronteira::relatar(arquivoAusente(endereco.toLocalFile()));
        return;
    }
    QTextBrowser::doSetSource(endereco, tipo);
    clearHistory();
}

void VisualizadorHtml::definirCorDeFundo(const QColor &cor) {
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, cor);
    setPalette(paleta);
}

QColor VisualizadorHtml::corDeFundo() const {
    return palette().color(QPalette::Base);
}

QList<VisualizadorHtml::Link> VisualizadorHtml::links() const {
    QList<Link> lista;
    for (QTextBlock bloco = document()->begin(); bloco.isValid(); bloco = bloco.next())
        for (auto trecho = bloco.begin(); !trecho.atEnd(); ++trecho) {
            const QTextFragment fragmento = trecho.fragment();
            const QTextCharFormat formato = fragmento.charFormat();
            const QString endereco = formato.anchorHref();
            if (!formato.isAnchor() || endereco.isEmpty())
                continue;
            const int inicio = fragmento.position();
            const int fim = inicio + fragmento.length();
            // A link whose text changes style comes in several fragments.
            if (!lista.isEmpty() && lista.last().fim == inicio &&
                lista.last().endereco == endereco) {
                lista.last().fim = fim;
                lista.last().texto += fragmento.text();
            } else {
                lista.append({inicio, fim, endereco, fragmento.text()});
            }
        }
    for (Link &link : lista)
        link.texto = textoDoLink(link.texto, link.endereco);
    return lista;
}

int VisualizadorHtml::linkEmFoco() const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return -1;
    const QList<Link> todos = links();
    const auto achado = std::find_if(todos.begin(), todos.end(), [&](const Link &link) {
        return link.inicio == cursor.selectionStart() && link.fim == cursor.selectionEnd();
    });
    return achado == todos.end() ? -1 : int(achado - todos.begin());
}

// The accessible focus follows Tab from link to link: the link reached, or
// the page again when the selection leaves the links. The links are the
// first children of the page's accessible interface.
void VisualizadorHtml::anunciarLinkEmFoco() {
    if (!hasFocus())
        return;
    const int link = linkEmFoco();
    if (link == m_linkAnunciado)
        return;
    m_linkAnunciado = link;
    QAccessibleEvent evento(this, QAccessible::Focus);
    if (link >= 0)
        evento.setChild(link);
    acessivel::anunciar(evento);
}

bool VisualizadorHtml::focusNextPrevChild(bool proximo) {
    const bool tratado = QTextBrowser::focusNextPrevChild(proximo);
    anunciarLinkEmFoco();
    return tratado;
}

void VisualizadorHtml::mostrarMarca(bool mostrar) {
    if (mostrar == m_marcaFoco)
        return;
    m_marcaFoco = mostrar;
    update();
}

// The widget's own paint event draws the ring round the page and its scroll
// bar; the page itself is painted in the viewport.
bool VisualizadorHtml::event(QEvent *evento) {
    const bool tratado = QTextBrowser::event(evento);
    if (evento->type() == QEvent::Paint)
        pintarAnel();
    return tratado;
}

void VisualizadorHtml::pintarAnel() {
    QPainter pintor(this);
    pintor.setPen(corDeFundo());
    pintor.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_marcaFoco && hasFocus())
        foco::pintarMarca(pintor, rect());
}

// A window that comes back to the front, or a menu that closes, gives back
// the focus as it was: the mark stays as it was too.
void VisualizadorHtml::focusInEvent(QFocusEvent *evento) {
    QTextBrowser::focusInEvent(evento);
    const Qt::FocusReason razao = evento->reason();
    if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason)
        mostrarMarca(foco::peloTeclado(razao));
    m_linkAnunciado = -1;
    update();
}

void VisualizadorHtml::focusOutEvent(QFocusEvent *evento) {
    QTextBrowser::focusOutEvent(evento);
    m_linkAnunciado = -1;
    update();
}

void VisualizadorHtml::keyPressEvent(QKeyEvent *evento) {
    mostrarMarca(true);
    QTextBrowser::keyPressEvent(evento);
}

void VisualizadorHtml::mousePressEvent(QMouseEvent *evento) {
    mostrarMarca(false);
    QTextBrowser::mousePressEvent(evento);
}

#include "visualizador_html.moc"
