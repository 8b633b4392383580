// zel-dados: builds, queries and generates the classification's database.
//   zel-dados importar CSV_DIR DADOS_DIR
//   zel-dados consultar DADOS_DIR BUILDER [ARG...] [--busca TEXT]
//   zel-dados gerar CSV_DIR [--escala N]

#include "catalogo.h"
#include "consulta.h"
#include "erro.h"
#include "gerador.h"
#include "importador.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QTextStream &erros() {
    static QTextStream saida(stderr);
    return saida;
}

int uso() {
    erros() << "uso:\n"
               "  zel-dados importar CSV_DIR DADOS_DIR\n"
               "  zel-dados consultar DADOS_DIR BUILDER [ARG...] [--busca TEXTO]\n"
               "  zel-dados gerar CSV_DIR [--escala N]\n";
    return 1;
}

// One value per cell and one row per line: tabs, line breaks and backslashes
// inside a value are written as \t, \n, \r and \\.
QString celula(QString valor) {
    return valor.replace(u"\\"_s, u"\\\\"_s)
        .replace(u"\t"_s, u"\\t"_s)
        .replace(u"\n"_s, u"\\n"_s)
        .replace(u"\r"_s, u"\\r"_s);
}

int consultar(QStringList argumentos) {
    std::optional<QString> busca;
    if (const qsizetype i = argumentos.indexOf(u"--busca"_s); i >= 0) {
        if (i + 1 >= argumentos.size())
            return uso();
        busca = argumentos[i + 1];
        argumentos.remove(i, 2);
    }
    if (argumentos.size() < 2)
        return uso();
    QString erro;
    const std::optional<QStringList> linhas =
        catalogo::construir(argumentos[1], argumentos.mid(2), &erro);
    if (!linhas) {
        erros() << erro << "\n";
        return 1;
    }
    Consulta consulta;
    consulta.definirSql(*linhas);
    consulta.definirBanco(argumentos[0]);
    consulta.fechar();
    if (busca)
        consulta.definirBusca(*busca);
    try {
        consulta.abrir();
    } catch (const Erro &falha) {
        erros() << falha.texto() << "\n";
        return 1;
    }
    QTextStream saida(stdout);
    QStringList cabecalho(consulta.colunas().begin(), consulta.colunas().end());
    saida << cabecalho.join(u'\t') << "\n";
    for (; !consulta.fimDados(); consulta.proximo()) {
        QStringList valores;
        for (const QString &coluna : cabecalho)
            valores << celula(consulta.campo(coluna));
        saida << valores.join(u'\t') << "\n";
    }
    return 0;
}

int importarComando(const QStringList &argumentos) {
    if (argumentos.size() != 2)
        return uso();
    QString erro;
    if (!importar(argumentos[0], argumentos[1], &erro)) {
        erros() << erro << "\n";
        return 1;
    }
    return 0;
}

int gerarComando(QStringList argumentos) {
    int escala = 1;
    if (const qsizetype i = argumentos.indexOf(u"--escala"_s); i >= 0) {
        bool numero = false;
        escala = i + 1 < argumentos.size() ? argumentos[i + 1].toInt(&numero) : 0;
        if (!numero || escala < 1)
            return uso();
        argumentos.remove(i, 2);
    }
    if (argumentos.size() != 1)
        return uso();
    QString erro;
    if (!gerarAmostra(argumentos[0], escala, &erro)) {
        erros() << erro << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList argumentos = app.arguments().mid(1);
    if (argumentos.isEmpty())
        return uso();
    const QString comando = argumentos.takeFirst();
    if (comando == u"importar"_s)
        return importarComando(argumentos);
    if (comando == u"consultar"_s)
        return consultar(argumentos);
    if (comando == u"gerar"_s)
        return gerarComando(argumentos);
    return uso();
}
