#include "cenas.h"

QList<Cena> todasAsCenas() {
    QList<Cena> cenas;
    cenasMoldura(cenas);
    cenasBuscaTitulo(cenas);
    cenasBuscaCodigo(cenas);
    cenasConversao(cenas);
    cenasPaginas(cenas);
    cenasLongos(cenas);
    return cenas;
}
