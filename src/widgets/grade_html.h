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
//   text, as written.
// - "&amp;", "&lt;" and "&gt;" stand for "&", "<" and ">"; every other "&"
//   is drawn as written.
//
// Text read from the database is never markup: it enters a cell through
// `simples`, `negrito` or `italico`, which write its "&", "<" and ">" as
// entities, so that a title holding "<b>" or "&amp;" shows, sorts and
// copies exactly as stored.
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

// The cell text that shows `texto` exactly as given: plain, bold or italic.
QString simples(const QString &texto);
QString negrito(const QString &texto);
QString italico(const QString &texto);

// The text as shown: the runs' texts joined, markup removed.
QString textoVisivel(const QList<Trecho> &trechos);
QString textoVisivel(const QString &texto);

} // namespace grade_html
