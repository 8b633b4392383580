#include "origem_busca.h"

#include "unit_FormMODALAviso.h"
#include "unit_global.h"

using namespace Qt::StringLiterals;

bool BuscaRapida::buscar(const QString &palavra) {
    Consulta consulta;
    abrirConsulta(consulta, fncSqlBuscaRapida(), u"%"_s + palavra + u"%"_s);
    if (consulta.fimDados()) {
        aviso::prcMostrarAviso(u"Não foi encontrado\rnenhum registro para busca"_s);
        return false;
    }
    obj_DB_QUERY_BuscaRapida = std::move(consulta);
    return true;
}
