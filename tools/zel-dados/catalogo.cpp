#include "catalogo.h"

#include "unit_global.h"

#include <functional>
#include <map>

using namespace Qt::StringLiterals;

namespace catalogo {
namespace {

struct Construtor {
    int argumentos;
    std::function<QStringList(const QStringList &)> construir;
};

bool flag(const QString &texto) {
    return texto == u"1"_s;
}

const std::map<QString, Construtor> &construtores() {
    using L = const QStringList &;
    static const std::map<QString, Construtor> todos = {
        {u"fncSqlBuscaTitulo"_s,
         {6,
          [](L a) {
              return fncSqlBuscaTitulo(flag(a[0]), flag(a[1]), flag(a[2]), flag(a[3]), flag(a[4]),
                                       flag(a[5]));
          }}},
        {u"fncSqlBuscaRapida"_s, {0, [](L) { return fncSqlBuscaRapida(); }}},
        {u"fncSqlTitulosAZ"_s, {0, [](L) { return fncSqlTitulosAZ(); }}},
        {u"fncSqlBuscaCodigoFamilia"_s, {0, [](L) { return fncSqlBuscaCodigoFamilia(); }}},
        {u"fncSqlBuscaCodigoOcupacao"_s, {1, [](L a) { return fncSqlBuscaCodigoOcupacao(a[0]); }}},
        {u"fncSqlGrandesGrupos"_s, {0, [](L) { return fncSqlGrandesGrupos(); }}},
        {u"fncSqlSubgruposPrincipais"_s, {1, [](L a) { return fncSqlSubgruposPrincipais(a[0]); }}},
        {u"fncSqlSubgrupos"_s, {1, [](L a) { return fncSqlSubgrupos(a[0]); }}},
        {u"fncSqlFamiliasDoSubgrupo"_s, {1, [](L a) { return fncSqlFamiliasDoSubgrupo(a[0]); }}},
        {u"fncSqlDescricaoSumaria"_s, {1, [](L a) { return fncSqlDescricaoSumaria(a[0]); }}},
        {u"fncSqlExcecoes"_s, {1, [](L a) { return fncSqlExcecoes(a[0]); }}},
        {u"fncSqlCondicoes"_s, {1, [](L a) { return fncSqlCondicoes(a[0]); }}},
        {u"fncSqlFormacao"_s, {1, [](L a) { return fncSqlFormacao(a[0]); }}},
        {u"fncSqlOcupacoesDaFamilia"_s, {1, [](L a) { return fncSqlOcupacoesDaFamilia(a[0]); }}},
        {u"fncSqlFamiliasAfins"_s, {1, [](L a) { return fncSqlFamiliasAfins(a[0]); }}},
        {u"fncSqlSinonimos"_s, {2, [](L a) { return fncSqlSinonimos(a[0], a[1]); }}},
        {u"fncSqlConversao"_s, {3, [](L a) { return fncSqlConversao(a[0], a[1], a[2]); }}},
        {u"fncSqlTabuaOrigem"_s, {2, [](L a) { return fncSqlTabuaOrigem(a[0], a[1]); }}},
        {u"fncSqlTabuaTituloBase2002"_s, {0, [](L) { return fncSqlTabuaTituloBase2002(); }}},
        {u"fncSqlTabuaTituloBase94"_s, {0, [](L) { return fncSqlTabuaTituloBase94(); }}},
        {u"fncSqlTabuaTituloCiuo88"_s, {0, [](L) { return fncSqlTabuaTituloCiuo88(); }}},
    };
    return todos;
}

} // namespace

std::optional<QStringList> construir(const QString &nome, const QStringList &argumentos,
                                     QString *erro) {
    const auto achado = construtores().find(nome);
    if (achado == construtores().end()) {
        *erro = u"construtor desconhecido: "_s + nome;
        return std::nullopt;
    }
    if (argumentos.size() != achado->second.argumentos) {
        *erro = u"%1 recebe %2 argumento(s), foram dados %3"_s.arg(nome)
                    .arg(achado->second.argumentos)
                    .arg(argumentos.size());
        return std::nullopt;
    }
    return achado->second.construir(argumentos);
}

QStringList nomes() {
    QStringList todos;
    for (const auto &[nome, construtor] : construtores())
        todos << nome;
    return todos;
}

} // namespace catalogo
