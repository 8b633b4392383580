// The conversion screens and their results, filled.

#include "cenas.h"

void cenasConversao(QList<Cena> &) {}
