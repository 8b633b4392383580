#include "cenas.h"

namespace cenas {

QList<Cena> todas() {
    QList<Cena> lista;
    daMoldura(lista);
    daBuscaTitulo(lista);
    daBuscaCodigo(lista);
    daConversao(lista);
    dasPaginas(lista);
    dosTextosLongos(lista);
    return lista;
}

} // namespace cenas
