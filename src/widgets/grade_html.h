#pragma once

#include <QList>
#include <QString>

// The mini-HTML of the grid cells. The program writes only "<b>" ... "</b>"
// (bold) and "<i>" ... "</i>" (italic), possibly nested; a cell's text is cut
// once, when it is set, into runs of one style, and the grid draws the runs.
//
// - The four tags are recognised without regard to case ("<B>" too).
// - Nesting counts: "<b>a<b>b</b>c</b>" keeps "c" bold.
// - An unclosed tag styles the text up to the end of the cell; a closing tag
//   with nothing open is dropped.
// - Any other "<...>" (and a lone "<" or ">") is not markup: it is drawn as
//   text, as written. No entities are decoded ("&amp;" stays "&amp;").
namespace grade_html {

struct Trecho {
    QString texto;
    bool negrito = false;
    bool italico = false;

    bool operator==(const Trecho &) const = default;
};

// The runs of a cell, in order; consecutive runs of one style are merged and
// empty runs left out, so a text without markup gives one run (sharing the
// text's storage) and an empty text none.
QList<Trecho> analisar(const QString &texto);

// The text as shown: the runs' texts joined, markup removed.
QString textoVisivel(const QList<Trecho> &trechos);
QString textoVisivel(const QString &texto);

} // namespace grade_html
