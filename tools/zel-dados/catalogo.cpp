#include "catalogo.h"

#include "tabua.h"
#include "unit_global.h"

#include <functional>
#include <map>

using namespace Qt::StringLiterals;

namespace catalogo {
namespace {

enum class Tipo {
    Texto,
    Flag, // exactly 0 or 1
    Base  // a base name, as the conversion screens offer them
};

struct Parametro {
    QString nome;
    Tipo tipo = Tipo::Texto;
};

struct Construtor {
    std::vector<Parametro> parametros;
    std::function<QStringList(const QStringList &)> construir;
};

bool flag(const QString &texto) {
    return texto == u"1"_s;
}

const Parametro familia{u"familia"_s};

const std::map<QString, Construtor> &construtores() {
    using L = const QStringList &;
    using enum Tipo;
    static const std::map<QString, Construtor> todos = {
        {u"fncSqlBuscaTitulo"_s,
         {{{u"familias"_s, Flag},
           {u"ocupacoes"_s, Flag},
           {u"sinonimos"_s, Flag},
           {u"condicoes"_s, Flag},
           {u"formacao"_s, Flag},
           {u"descricao"_s, Flag}},
          [](L a) {
              return fncSqlBuscaTitulo(flag(a[0]), flag(a[1]), flag(a[2]), flag(a[3]), flag(a[4]),
                                       flag(a[5]));
          }}},
        {u"fncSqlBuscaRapida"_s, {{}, [](L) { return fncSqlBuscaRapida(); }}},
        {u"fncSqlTitulosAZ"_s, {{}, [](L) { return fncSqlTitulosAZ(); }}},
        {u"fncSqlBuscaCodigoFamilia"_s, {{}, [](L) { return fncSqlBuscaCodigoFamilia(); }}},
        {u"fncSqlBuscaCodigoOcupacao"_s,
         {{{u"codigo"_s}}, [](L a) { return fncSqlBuscaCodigoOcupacao(a[0]); }}},
        {u"fncSqlGrandesGrupos"_s, {{}, [](L) { return fncSqlGrandesGrupos(); }}},
        {u"fncSqlSubgruposPrincipais"_s,
         {{{u"grandeGrupo"_s}}, [](L a) { return fncSqlSubgruposPrincipais(a[0]); }}},
        {u"fncSqlSubgrupos"_s,
         {{{u"subgrupoPrincipal"_s}}, [](L a) { return fncSqlSubgrupos(a[0]); }}},
        {u"fncSqlFamiliasDoSubgrupo"_s,
         {{{u"subgrupo"_s}}, [](L a) { return fncSqlFamiliasDoSubgrupo(a[0]); }}},
        {u"fncSqlDescricaoSumaria"_s,
         {{familia}, [](L a) { return fncSqlDescricaoSumaria(a[0]); }}},
        {u"fncSqlExcecoes"_s, {{familia}, [](L a) { return fncSqlExcecoes(a[0]); }}},
        {u"fncSqlCondicoes"_s, {{familia}, [](L a) { return fncSqlCondicoes(a[0]); }}},
        {u"fncSqlFormacao"_s, {{familia}, [](L a) { return fncSqlFormacao(a[0]); }}},
        {u"fncSqlOcupacoesDaFamilia"_s,
         {{familia}, [](L a) { return fncSqlOcupacoesDaFamilia(a[0]); }}},
        {u"fncSqlFamiliasAfins"_s, {{familia}, [](L a) { return fncSqlFamiliasAfins(a[0]); }}},
        {u"fncSqlSinonimos"_s,
         {{familia, {u"interno"_s}}, [](L a) { return fncSqlSinonimos(a[0], a[1]); }}},
        {u"fncSqlConversao"_s,
         {{{u"de"_s, Base}, {u"para"_s, Base}, {u"codigo"_s}},
          [](L a) { return fncSqlConversao(a[0], a[1], a[2]); }}},
        {u"fncSqlTabuaOrigem"_s,
         {{{u"codigo"_s}, {u"base"_s, Base}}, [](L a) { return fncSqlTabuaOrigem(a[0], a[1]); }}},
        {u"fncSqlTabuaTituloBase2002"_s, {{}, [](L) { return fncSqlTabuaTituloBase2002(); }}},
        {u"fncSqlTabuaTituloBase94"_s, {{}, [](L) { return fncSqlTabuaTituloBase94(); }}},
        {u"fncSqlTabuaTituloCiuo88"_s, {{}, [](L) { return fncSqlTabuaTituloCiuo88(); }}},
    };
    return todos;
}

// What is wrong with `valor` as the parameter `p`; empty when nothing is.
QString problemaDoArgumento(const Parametro &p, const QString &valor) {
    switch (p.tipo) {
    case Tipo::Texto:
        return {};
    case Tipo::Flag:
        return valor == u"0"_s || valor == u"1"_s ? QString() : u"deve ser 0 ou 1"_s;
    case Tipo::Base: {
        const QStringList bases = tabua::bases();
        return bases.contains(valor) ? QString()
                                     : u"deve ser %1, %2 ou %3"_s.arg(bases[0], bases[1], bases[2]);
    }
    }
    return {};
}

} // namespace

std::optional<QStringList> construir(const QString &nome, const QStringList &argumentos,
                                     QString *erro) {
    const auto achado = construtores().find(nome);
    if (achado == construtores().end()) {
        *erro = u"construtor desconhecido: "_s + nome;
        return std::nullopt;
    }
    const std::vector<Parametro> &parametros = achado->second.parametros;
    if (size_t(argumentos.size()) != parametros.size()) {
        QStringList nomes;
        for (const Parametro &p : parametros)
            nomes << p.nome;
        *erro = u"%1 recebe %2 argumento(s)%3, foram dados %4"_s.arg(nome)
                    .arg(parametros.size())
                    .arg(nomes.isEmpty() ? QString() : u" ("_s + nomes.join(u", "_s) + u")"_s)
                    .arg(argumentos.size());
        return std::nullopt;
    }
    for (size_t i = 0; i < parametros.size(); ++i) {
        const QString &valor = argumentos[qsizetype(i)];
        if (const QString problema = problemaDoArgumento(parametros[i], valor);
            !problema.isEmpty()) {
            *erro = u"%1: o argumento %2 (%3) %4, não \"%5\""_s.arg(
                nome, QString::number(i + 1), parametros[i].nome, problema, valor);
            return std::nullopt;
        }
    }
    QStringList linhas = achado->second.construir(argumentos);
    if (linhas.isEmpty()) {
        *erro = nome + u": estes argumentos não formam comando algum ("_s + argumentos.join(u' ') +
                u")"_s;
        return std::nullopt;
    }
    return linhas;
}

} // namespace catalogo
