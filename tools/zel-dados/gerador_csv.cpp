#include "gerador_montagem.h"

#include "arquivos.h"
#include "csv.h"
#include "esquema.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

// One UTF-8 CSV file per table, named as the table, with the schema's column
// names as header: fields that hold a comma, a quote, CR or LF are quoted and
// their quotes doubled; lines end with LF.
namespace gerador {
namespace {

// The table's file in `diretorio`; a failure is told by its name in `destino`.
bool gravarTabela(const QString &diretorio, const QString &destino, const QString &nome,
                  const Linhas &linhas, QString *erro) {
    const esquema::Tabela *tabela = esquema::tabela(nome);
    QStringList cabecalho;
    for (const esquema::Coluna &c : tabela->colunas)
        cabecalho << c.nome;
    QByteArray conteudo;
    csv::acrescentarLinha(conteudo, cabecalho);
    for (const QStringList &linha : linhas) {
        if (linha.size() != cabecalho.size()) {
            *erro = nome + u": linha com "_s + QString::number(linha.size()) + u" campos"_s;
            return false;
        }
        csv::acrescentarLinha(conteudo, linha);
    }
    const QString arquivo = nome + u".csv"_s;
    return arquivos::gravar(diretorio + u'/' + arquivo, conteudo, destino + u'/' + arquivo, erro);
}

// A directory gerar may replace: missing, empty, or holding the table files
// alone (what gerar wrote before); nothing else of the user's is removed.
bool podeSubstituir(const QString &diretorio, const QStringList &arquivosDasTabelas,
                    QString *erro) {
    if (!QFileInfo::exists(diretorio))
        return true;
    const std::optional<QStringList> nomes = arquivos::listar(diretorio, erro);
    if (!nomes)
        return false;
    for (const QString &nome : *nomes)
        if (!arquivosDasTabelas.contains(nome)) {
            *erro = diretorio + u": o diretório tem outros arquivos além das tabelas ("_s + nome +
                    u"); gerar só substitui um diretório de tabelas"_s;
            return false;
        }
    return true;
}

} // namespace

// All the files are written into a new directory beside `diretorio`, which
// takes its place at the end: a failure (a full disk ...) leaves the old
// directory, or none, never part of a set.
bool gravarCsv(const Tabelas &t, const QString &diretorio, QString *erro) {
    const std::vector<std::pair<QString, const Linhas *>> arquivos = {
        {u"TGrande_Grupo"_s, &t.grandesGrupos}, {u"TSubgrupo_Principal"_s, &t.subgruposPrincipais},
        {u"TSubgrupo"_s, &t.subgrupos},         {u"TFamilia"_s, &t.familias},
        {u"TOcupacao"_s, &t.ocupacoes},         {u"TSinonimo"_s, &t.sinonimos},
        {u"TTemplate"_s, &t.templates},         {u"TAfinidade"_s, &t.afinidades},
        {u"TOcupacao94"_s, &t.ocupacoes94},     {u"TOcup_2000_94"_s, &t.correspondencias},
        {u"TGrupo_Base_CIUO88"_s, &t.ciuo88},
    };
    QStringList arquivosDasTabelas;
    for (const auto &[nome, linhas] : arquivos)
        arquivosDasTabelas << nome + u".csv"_s;
    if (!podeSubstituir(diretorio, arquivosDasTabelas, erro))
        return false;
    arquivos::DiretorioNovo novo(diretorio);
    if (!novo.criar(erro))
        return false;
    for (const auto &[nome, linhas] : arquivos)
        if (!gravarTabela(novo.caminho(), diretorio, nome, *linhas, erro))
            return false;
    return novo.instalar(erro);
}

} // namespace gerador
