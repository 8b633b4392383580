#pragma once

#include <QFont>
#include <QString>

// The screens name their fonts by family (Verdana, Tahoma, MS Sans Serif,
// Times New Roman, Courier New). Those families are mapped to installed
// look-alikes of close metrics, and sizes are given in pixels so the fixed
// layout holds on any screen.
namespace fontes {

void registrarSubstituicoes();

QFont fonte(const QString &familia, int pixels, bool negrito = false, bool italico = false);
QFont verdana(int pixels, bool negrito = false);
QFont tahoma(int pixels, bool negrito = false);
QFont sansSerif(int pixels, bool negrito = false); // "MS Sans Serif", the forms' default

// Point sizes of the screens, converted at 96 dots per inch.
constexpr int pt7 = 9;
constexpr int pt8 = 11;
constexpr int pt9 = 12;
constexpr int pt10 = 13;

} // namespace fontes
