#pragma once

#include <QString>

class QLineEdit;

// Text that reaches a one-line box other than by typing: pasted (a cell of a
// spreadsheet, a title copied from a PDF or a web page), pasted with the
// middle button, dropped.
namespace colagem {

// What the box keeps of `texto`: the characters a keyboard types are kept as
// they are, spaces at both ends included; what no key types and nobody sees
// would make a search find nothing while the box shows the right words:
// - line breaks and tabs at either end (a copied cell ends in one) are
//   dropped, and each run of them between words becomes one space;
// - invisible format characters (soft hyphens, zero-width spaces and joiners,
//   byte-order marks) are dropped;
// - accents written as a letter and a combining mark are joined into the one
//   accented letter a keyboard types (Unicode's composed form, NFC), as the
//   descriptions, which are compared as they are, are written.
QString textoDeUmaLinha(const QString &texto);

// Gives `caixa` that rule for every text that reaches it.
void limparColagens(QLineEdit *caixa);

} // namespace colagem
