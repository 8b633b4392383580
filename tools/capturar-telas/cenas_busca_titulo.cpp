// The home screen, the title search, its results and the family description, filled.

#include "cenas.h"

void cenasBuscaTitulo(QList<Cena> &) {}
