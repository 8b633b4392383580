#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Consulta;

// The catalogue of every SQL statement of the program, one builder per
// statement family, and the database directory. Each builder returns a fresh
// list of lines; a query object joins them with line breaks. Arguments enter
// either as the parameter :busca, bound by the caller, or as quoted literals
// in which every single quote is doubled.

QStringList fncSqlBuscaTitulo(bool familias, bool ocupacoes, bool sinonimos, bool condicoes,
                              bool formacao, bool descricao);
QStringList fncSqlBuscaRapida();
QStringList fncSqlTitulosAZ();
QStringList fncSqlBuscaCodigoFamilia();
QStringList fncSqlBuscaCodigoOcupacao(const QString &codigo);
QStringList fncSqlGrandesGrupos();
QStringList fncSqlSubgruposPrincipais(const QString &codigoGrandeGrupo);
QStringList fncSqlSubgrupos(const QString &codigoSubgrupoPrincipal);
QStringList fncSqlFamiliasDoSubgrupo(const QString &codigoSubgrupo);
QStringList fncSqlDescricaoSumaria(const QString &codigoFamilia);
QStringList fncSqlExcecoes(const QString &codigoFamilia);
QStringList fncSqlCondicoes(const QString &codigoFamilia);
QStringList fncSqlFormacao(const QString &codigoFamilia);
QStringList fncSqlOcupacoesDaFamilia(const QString &codigoFamilia);
QStringList fncSqlFamiliasAfins(const QString &codigoFamilia);
QStringList fncSqlSinonimos(const QString &codigoFamilia, const QString &codigoInterno);
QStringList fncSqlConversao(const QString &baseDe, const QString &basePara, const QString &codigo);
QStringList fncSqlTabuaOrigem(const QString &codigo, const QString &base);
QStringList fncSqlTabuaTituloBase2002();
QStringList fncSqlTabuaTituloBase94();
QStringList fncSqlTabuaTituloCiuo88();

// The database directory: the program file's directory followed by "/dados".
// The directory keeps its case, since Linux file systems distinguish it.
QString fncCaminhoDados();

// Runs a statement of the catalogue on `consulta` the one way every query of
// the program is run: its lines, the database directory, close, `busca`
// bound when given, open. The data tool gives the directory it was told.
void abrirConsulta(Consulta &consulta, const QStringList &sql,
                   const std::optional<QString> &busca = std::nullopt,
                   const QString &diretorio = fncCaminhoDados());

// The page `arquivo` of the `html` directory beside the program.
QString caminhoPagina(const QString &arquivo);

// The directory of the program file, with '/' separators and no trailing one.
QString diretorioPrograma();

// Makes the program look for `dados/` and `html/` in `diretorio`, as if it
// were installed there (tests); an empty text goes back to the real one.
void definirDiretorioPrograma(const QString &diretorio);

// Base names as the conversion screens offer and compare them.
inline const QString baseZel2002 = QStringLiteral("ZEL2002");
inline const QString baseZel94 = QStringLiteral("ZEL94");
inline const QString baseCiuo88 = QStringLiteral("CIUO88");
