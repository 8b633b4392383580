#pragma once

#include <QDir>
#include <QImage>

// A contact sheet of the pictures written in `pasta`, read back from their
// JPEG files: each at its designed size as a screen of ratio 1 shows it
// (plain, then with smooth scaling) and at its stored size. For looking over
// the artwork after a change.
QImage folhaDeContato(const QDir &pasta);
