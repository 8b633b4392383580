#include "rotulos.h"

#include "elisao.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace rotulos {

QLabel *novo(QWidget *pai, const QString &nome, const QString &texto, QPoint posicao,
             const QFont &fonte, const QColor &cor) {
    // Plain text: a label may show a title as stored, "<b>" and "&" included.
    auto *rotulo = new QLabel(pai);
    rotulo->setTextFormat(Qt::PlainText);
    rotulo->setText(texto);
    if (!nome.isEmpty())
        rotulo->setObjectName(nome);
    rotulo->setFont(fonte);
    if (cor.isValid()) {
        QPalette paleta = rotulo->palette();
        paleta.setColor(QPalette::WindowText, cor);
        rotulo->setPalette(paleta);
    }
    // Not resized here: Qt gives the label its text's size when it is first
    // shown, so the text of screens never opened is never laid out.
    rotulo->move(posicao);
    return rotulo;
}

void tornarSelecionavel(QLabel *rotulo) {
    rotulo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rotulo->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *copiar = new QAction(u"Copiar"_s, rotulo);
    copiar->setShortcut(QKeySequence::Copy);
    copiar->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copiar, &QAction::triggered, rotulo, [rotulo] {
        // Without a selection, the whole text: a cut label's is its tooltip.
        const QString selecao = rotulo->selectedText();
        const QString inteiro =
            elisao::cortado(rotulo->text(), rotulo->toolTip()) ? rotulo->toolTip() : rotulo->text();
        QGuiApplication::clipboard()->setText(selecao.isEmpty() ? inteiro : selecao);
    });
    rotulo->addAction(copiar);
}

} // namespace rotulos
