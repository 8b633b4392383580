#pragma once

#include <QPixmap>
#include <QString>

// The artwork of every screen, dialog and button: JPEG files compiled into the
// program under ":/arte/<nome>.jpg", drawn at twice their size on screen.
namespace imagens {

// The picture named `nome` (file name without ".jpg"), with device pixel ratio
// 2, so that it paints at its designed size. It is decoded the first time it
// is asked for and shared by every later caller for the rest of the run; the
// reference stays valid until the application object is destroyed. An unknown
// name gives a null pixmap (and one warning).
const QPixmap &pixmap(const QString &nome);

// How many pictures have been decoded so far in this run: none before the
// first is asked for, and each one at most once.
int decodificadas();

} // namespace imagens
