#include "visualizador_html.h"

#include "erro.h"
#include "fontes.h"
#include "fronteira.h"

#include <QFileInfo>
#include <QImageReader>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

// The pages are laid out for Times New Roman at 12 pt (16 pixels at 96 dots
// per inch) as the default font, Courier New for fixed-pitch text, and a
// margin of 8 pixels around the page.
constexpr int pixelsDaFontePadrao = 16;
constexpr int margemDaPagina = 8;

const QString folhaDeEstiloPadrao = u"pre, code, tt, kbd, samp { font-family: 'Courier New'; }"_s;

bool legivel(const QString &caminho) {
    const QFileInfo arquivo(caminho);
    return arquivo.isFile() && arquivo.isReadable();
}

Erro arquivoAusente(const QString &caminho) {
    return Erro(u"Can't locate file: "_s + caminho);
}

// The local pictures of `documento` whose files are missing or cannot be
// decoded, each once, in the order of the page.
QStringList figurasIlegiveis(const QTextDocument &documento, const QUrl &pagina) {
    QStringList ilegiveis;
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next())
        for (auto trecho = bloco.begin(); !trecho.atEnd(); ++trecho) {
            const QTextCharFormat formato = trecho.fragment().charFormat();
            if (!formato.isImageFormat())
                continue;
            const QUrl figura = pagina.resolved(QUrl(formato.toImageFormat().name()));
            const QString arquivo = figura.toLocalFile();
            if (figura.isLocalFile() && !ilegiveis.contains(arquivo) &&
                QImageReader(arquivo).read().isNull())
                ilegiveis << arquivo;
        }
    return ilegiveis;
}

} // namespace

VisualizadorHtml::VisualizadorHtml(QWidget *pai) : QTextBrowser(pai) {
    setOpenExternalLinks(true);
    setFrameStyle(QFrame::NoFrame);
    // A read-only page shows no caret, so the keyboard does not move one:
    // it scrolls the page, goes from link to link (Tab), selects the whole
    // text (Ctrl+A) and copies the selection (Ctrl+C).
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    document()->setDefaultFont(fontes::fonte(u"Times New Roman"_s, pixelsDaFontePadrao));
    document()->setDefaultStyleSheet(folhaDeEstiloPadrao);
    document()->setDocumentMargin(margemDaPagina);
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
    const QStringList figuras = figurasIlegiveis(*document(), endereco);
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
