#pragma once

#include <QComboBox>

// A drop-down list whose list opens below its box (above it when the screen
// has no room below) and exactly as wide as the box, as a desktop list does,
// whatever the length of its entries. An entry, or the text in the box, too
// long for its room ends with "…" (elisao.h) and shows whole as a tooltip.
class ListaSuspensa : public QComboBox {
    Q_OBJECT
public:
    explicit ListaSuspensa(QWidget *pai = nullptr);

    // The text in the box as drawn: the chosen entry's text, or the prompt
    // when nothing is chosen, cut to the box's text room.
    QString textoMostrado() const;
    // The text of entry `indice` as the open list draws it.
    QString textoMostradoEntrada(int indice) const;

protected:
    void paintEvent(QPaintEvent *evento) override;
    bool event(QEvent *evento) override;

private:
    QString textoInteiro() const;
    int espacoTexto() const;
};
