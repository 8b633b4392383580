// Measures the coder on the test set built from a classification: prints,
// per kind of change, the cases, top-1 and top-3 accuracy and the shares of
// "não encontrado" and "ambíguo" (the table of docs/codificacao.md), and can
// write the set as CSV (for `zel-dados codificar` and its benchmark).
//   avaliar-codificacao CSV_DIR DADOS_DIR [--semente N] [--conjunto ARQUIVO [--linhas N]]

#include "conjunto_codificacao.h"
#include "csv.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

QString porCento(int parte, int todo) {
    return QString::number(todo == 0 ? 0.0 : 100.0 * parte / todo, 'f', 1) + u" %"_s;
}

void linha(QTextStream &saida, const QString &nome, const conjunto::Medida &m) {
    saida << "| " << nome << " | " << m.casos << " | " << porCento(m.primeiro, m.casos) << " | "
          << porCento(m.tres, m.casos) << " | " << porCento(m.naoEncontrado, m.casos) << " | "
          << porCento(m.ambiguo, m.casos) << " |\n";
}

conjunto::Medida somar(const std::map<QString, conjunto::Medida> &medidas,
                       const QStringList &nomes) {
    conjunto::Medida soma;
    for (const QString &nome : nomes) {
        const conjunto::Medida &m = medidas.at(nome);
        soma.casos += m.casos;
        soma.primeiro += m.primeiro;
        soma.tres += m.tres;
        soma.naoEncontrado += m.naoEncontrado;
        soma.ambiguo += m.ambiguo;
    }
    return soma;
}

// `linhas` rows of texts to code (the set again and again, in its order),
// with the true codes beside them.
bool gravarConjunto(const QString &arquivo, const std::vector<conjunto::Caso> &casos,
                    qsizetype linhas) {
    QByteArray conteudo;
    csv::acrescentarLinha(conteudo, {u"texto"_s, u"codigos"_s, u"alteracao"_s});
    for (qsizetype i = 0; i < linhas; ++i) {
        const conjunto::Caso &c = casos[size_t(i) % casos.size()];
        csv::acrescentarLinha(conteudo, {c.texto, c.codigos.join(u' '), c.alteracao});
    }
    QFile saida(arquivo);
    return saida.open(QIODevice::WriteOnly) && saida.write(conteudo) == conteudo.size();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList argumentos = app.arguments().mid(1);
    const auto opcao = [&](const QString &nome) {
        const qsizetype i = argumentos.indexOf(nome);
        if (i < 0 || i + 1 >= argumentos.size())
            return QString();
        const QString valor = argumentos[i + 1];
        argumentos.remove(i, 2);
        return valor;
    };
    const unsigned semente = opcao(u"--semente"_s).toUInt();
    const QString arquivo = opcao(u"--conjunto"_s);
    const QString linhas = opcao(u"--linhas"_s);
    QTextStream saida(stdout);
    if (argumentos.size() != 2) {
        QTextStream(stderr) << "uso: avaliar-codificacao CSV_DIR DADOS_DIR [--semente N] "
                               "[--conjunto ARQUIVO [--linhas N]]\n";
        return 2;
    }
    const std::vector<conjunto::Caso> casos = conjunto::gerar(argumentos[0], semente);
    if (!arquivo.isEmpty() &&
        !gravarConjunto(arquivo, casos,
                        linhas.isEmpty() ? qsizetype(casos.size()) : linhas.toLongLong())) {
        QTextStream(stderr) << arquivo << ": não foi gravado\n";
        return 1;
    }
    Codificador codificador = Codificador::doBanco(argumentos[1]);
    const conjunto::Avaliacao avaliacao = conjunto::avaliar(codificador, casos);
    const std::map<QString, conjunto::Medida> &medidas = avaliacao.porAlteracao;
    saida << "| Textos | casos | top-1 | top-3 | não encontrado | ambíguo |\n"
          << "|---|---|---|---|---|---|\n";
    for (const QString &nome : conjunto::alteracoes())
        linha(saida, nome, medidas.at(nome));
    linha(saida, u"**uma mudança nas palavras**"_s,
          somar(medidas, conjunto::alteracoesNasPalavras()));
    linha(saida, u"**uma mudança, todas**"_s, somar(medidas, conjunto::alteracoesSimples()));
    linha(saida, u"**mais difíceis**"_s, somar(medidas, conjunto::alteracoesDificeis()));
    std::vector<conjunto::Caso> fora;
    for (const QString &texto : conjunto::foraDaClassificacao())
        fora.push_back({texto, {}, u"fora da classificação"_s});
    linha(saida, u"fora da classificação"_s,
          conjunto::avaliar(codificador, fora).porAlteracao.at(u"fora da classificação"_s));

    saida << "\n| Pontuação (não exata) | respostas | a primeira é a certa |\n|---|---|---|\n";
    for (const auto &[decimo, m] : avaliacao.porPontuacao)
        saida << "| " << QString::number(decimo / 10.0, 'f', 1) << " a "
              << QString::number(decimo / 10.0 + 0.09, 'f', 2) << " | " << m.casos << " | "
              << porCento(m.primeiro, m.casos) << " |\n";
    return 0;
}
