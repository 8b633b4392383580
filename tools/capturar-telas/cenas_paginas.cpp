// The work characteristics view and the information pages, filled.

#include "cenas.h"

void cenasPaginas(QList<Cena> &) {}
