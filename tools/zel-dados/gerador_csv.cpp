#include "gerador_montagem.h"

#include "esquema.h"

#include <QDir>
#include <QSaveFile>

using namespace Qt::StringLiterals;

// One UTF-8 CSV file per table, named as the table, with the schema's column
// names as header: fields that hold a comma, a quote, CR or LF are quoted and
// their quotes doubled; lines end with LF.
namespace gerador {
namespace {

void acrescentarCampo(QByteArray *saida, const QString &valor) {
    const bool aspas = valor.contains(u',') || valor.contains(u'"') || valor.contains(u'\r') ||
                       valor.contains(u'\n');
    if (!aspas) {
        saida->append(valor.toUtf8());
        return;
    }
    QString dobrado = valor;
    dobrado.replace(u"\""_s, u"\"\""_s);
    saida->append('"').append(dobrado.toUtf8()).append('"');
}

void acrescentarLinha(QByteArray *saida, const QStringList &campos) {
    for (qsizetype i = 0; i < campos.size(); ++i) {
        if (i > 0)
            saida->append(',');
        acrescentarCampo(saida, campos[i]);
    }
    saida->append('\n');
}

bool gravarTabela(const QString &diretorio, const QString &nome, const Linhas &linhas,
                  QString *erro) {
    const esquema::Tabela *tabela = esquema::tabela(nome);
    QStringList cabecalho;
    for (const esquema::Coluna &c : tabela->colunas)
        cabecalho << c.nome;
    QByteArray conteudo;
    acrescentarLinha(&conteudo, cabecalho);
    for (const QStringList &linha : linhas) {
        if (linha.size() != cabecalho.size()) {
            *erro = nome + u": linha com "_s + QString::number(linha.size()) + u" campos"_s;
            return false;
        }
        acrescentarLinha(&conteudo, linha);
    }
    QSaveFile arquivo(QDir(diretorio).filePath(nome + u".csv"_s));
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(conteudo) != conteudo.size() ||
        !arquivo.commit()) {
        *erro = arquivo.fileName() + u": "_s + arquivo.errorString();
        return false;
    }
    return true;
}

} // namespace

bool gravarCsv(const Tabelas &t, const QString &diretorio, QString *erro) {
    if (!QDir().mkpath(diretorio)) {
        *erro = u"não foi possível criar o diretório "_s + diretorio;
        return false;
    }
    const std::vector<std::pair<QString, const Linhas *>> arquivos = {
        {u"TGrande_Grupo"_s, &t.grandesGrupos}, {u"TSubgrupo_Principal"_s, &t.subgruposPrincipais},
        {u"TSubgrupo"_s, &t.subgrupos},         {u"TFamilia"_s, &t.familias},
        {u"TOcupacao"_s, &t.ocupacoes},         {u"TSinonimo"_s, &t.sinonimos},
        {u"TTemplate"_s, &t.templates},         {u"TAfinidade"_s, &t.afinidades},
        {u"TOcupacao94"_s, &t.ocupacoes94},     {u"TOcup_2000_94"_s, &t.correspondencias},
        {u"TGrupo_Base_CIUO88"_s, &t.ciuo88},
    };
    for (const auto &[nome, linhas] : arquivos)
        if (!gravarTabela(diretorio, nome, *linhas, erro))
            return false;
    return true;
}

} // namespace gerador
