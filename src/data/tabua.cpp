#include "tabua.h"

#include "consulta.h"
#include "unit_global.h"

using namespace Qt::StringLiterals;

namespace tabua {

QStringList bases() {
    return {baseZel2002, baseZel94, baseCiuo88};
}

QStringList destinos(const QString &base) {
    if (base == baseZel2002)
        return {baseZel94, baseCiuo88};
    return {baseZel2002};
}

void abrirConversao(Consulta &consulta, const Conversao &c, const QString &diretorio) {
    const bool familiaDaOcupacao =
        c.baseDe == baseZel2002 && c.basePara == baseCiuo88 && c.codigo.size() == 6;
    abrirConsulta(consulta, fncSqlConversao(c.baseDe, c.basePara, c.codigo),
                  familiaDaOcupacao ? c.codigo.left(4) : c.codigo, diretorio);
}

bool ocupacaoExcluida(const Consulta &registro) {
    return registro.campo(u"tp_situacao"_s) != u"AT"_s;
}

Item itemListado(const Consulta &registro, bool familiaSeExcluida) {
    if (familiaSeExcluida && ocupacaoExcluida(registro))
        return {registro.campo(u"codigo_Familia"_s), registro.campo(u"titulo_Familia"_s)};
    return {registro.campo(u"codigo"_s), registro.campo(u"nome"_s)};
}

} // namespace tabua
