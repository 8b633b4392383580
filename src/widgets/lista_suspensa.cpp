#include "lista_suspensa.h"

#include "elisao.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

// Styles that open a list over its box, centred on the chosen entry and as
// wide as its longest entry, are told to open it below the box instead,
// as wide as the box. Built on the program's own style: a proxy made without
// one would take the desktop's.
class EstiloLista : public QProxyStyle {
public:
    EstiloLista() : QProxyStyle(QApplication::style()->name()) {}

    int styleHint(StyleHint dica, const QStyleOption *opcao, const QWidget *widget,
                  QStyleHintReturn *retorno) const override {
        if (dica == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(dica, opcao, widget, retorno);
    }
};

// Draws each entry cut to its room, with the whole entry as its tooltip.
class EntradaCortada : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The entry's text as drawn in `opcao`'s rectangle.
    QString textoMostrado(const QStyleOptionViewItem &opcao, const QModelIndex &indice) const {
        QStyleOptionViewItem o = opcao;
        QStyledItemDelegate::initStyleOption(&o, indice);
        return elisao::cortar(o.text, o.font, espaco(o));
    }

protected:
    // Cut for drawing only: a size hint is asked with an empty rectangle and
    // measures the whole entry.
    void initStyleOption(QStyleOptionViewItem *opcao, const QModelIndex &indice) const override {
        QStyledItemDelegate::initStyleOption(opcao, indice);
        if (opcao->rect.isEmpty())
            return;
        opcao->text = elisao::cortar(opcao->text, opcao->font, espaco(*opcao));
        opcao->textElideMode = Qt::ElideNone;
    }

    bool helpEvent(QHelpEvent *evento, QAbstractItemView *vista, const QStyleOptionViewItem &opcao,
                   const QModelIndex &indice) override {
        if (evento->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(evento, vista, opcao, indice);
        const QString inteiro = indice.data(Qt::DisplayRole).toString();
        if (textoMostrado(opcao, indice) != inteiro)
            elisao::mostrarDica(evento->globalPos(), inteiro, vista, opcao.rect);
        else
            QToolTip::hideText();
        return true;
    }

private:
    // The entry's width less the style's text margin on each side.
    static int espaco(const QStyleOptionViewItem &opcao) {
        const QStyle *estilo = opcao.widget ? opcao.widget->style() : QApplication::style();
        const int margem =
            estilo->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opcao.widget) + 1;
        return opcao.rect.width() - 2 * margem;
    }
};

} // namespace

ListaSuspensa::ListaSuspensa(QWidget *pai) : QComboBox(pai) {
    auto *estilo = new EstiloLista;
    estilo->setParent(this);
    setStyle(estilo);
    setItemDelegate(new EntradaCortada(this));
    view()->setTextElideMode(Qt::ElideNone);
    view()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString ListaSuspensa::textoInteiro() const {
    return currentIndex() < 0 ? placeholderText() : currentText();
}

int ListaSuspensa::espacoTexto() const {
    QStyleOptionComboBox opcao;
    initStyleOption(&opcao);
    // The style draws the text 1 pixel in from each side of the edit field.
    return style()
               ->subControlRect(QStyle::CC_ComboBox, &opcao, QStyle::SC_ComboBoxEditField, this)
               .width() -
           2;
}

QString ListaSuspensa::textoMostrado() const {
    return elisao::cortar(textoInteiro(), font(), espacoTexto());
}

QString ListaSuspensa::textoMostradoEntrada(int indice) const {
    QStyleOptionViewItem opcao;
    opcao.initFrom(view());
    opcao.widget = view();
    opcao.rect = view()->visualRect(model()->index(indice, modelColumn(), rootModelIndex()));
    if (opcao.rect.isEmpty())
        opcao.rect = QRect(0, 0, view()->viewport()->width(), fontMetrics().height());
    return static_cast<const EntradaCortada *>(itemDelegate())
        ->textoMostrado(opcao, model()->index(indice, modelColumn(), rootModelIndex()));
}

// QComboBox's own painting, with the text cut to its room.
void ListaSuspensa::paintEvent(QPaintEvent *) {
    QStylePainter pintor(this);
    pintor.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox opcao;
    initStyleOption(&opcao);
    pintor.drawComplexControl(QStyle::CC_ComboBox, opcao);
    if (currentIndex() < 0 && !placeholderText().isEmpty())
        opcao.palette.setBrush(QPalette::ButtonText, opcao.palette.placeholderText());
    opcao.currentText = textoMostrado();
    pintor.drawControl(QStyle::CE_ComboBoxLabel, opcao);
}

bool ListaSuspensa::event(QEvent *evento) {
    if (evento->type() == QEvent::ToolTip) {
        const QString inteiro = textoInteiro();
        if (textoMostrado() != inteiro)
            elisao::mostrarDica(static_cast<QHelpEvent *>(evento)->globalPos(), inteiro, this,
                                QRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QComboBox::event(evento);
}
