// zel-dados: builds, queries and generates the classification's database,
// and converts or codes whole files with it. `zel-dados --help` lists the
// commands (ajuda.cpp).

#include "ajuda.h"
#include "arquivos.h"
#include "catalogo.h"
#include "comandos_lote.h"
#include "consulta.h"
#include "erro.h"
#include "gerador.h"
#include "importador.h"
#include "linha_comando.h"
#include "lote.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QTextStream &erros() {
    static QTextStream saida(stderr);
    return saida;
}

int uso() {
    erros() << ajuda::geral();
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

int falhou(const QString &mensagem) {
    erros() << mensagem << "\n";
    return 1;
}

int consultar(QStringList argumentos) {
    std::optional<QString> busca;
    if (const qsizetype i = argumentos.indexOf(u"--busca"_s); i >= 0) {
        if (i + 1 >= argumentos.size())
            return uso();
        busca = argumentos[i + 1];
        argumentos.remove(i, 2);
        if (argumentos.contains(u"--busca"_s))
            return falhou(u"--busca foi dado mais de uma vez"_s);
    }
    if (argumentos.size() < 2)
        return uso();
    const QString &construtor = argumentos[1];
    QString erro;
    const std::optional<QStringList> linhas =
        catalogo::construir(construtor, argumentos.mid(2), &erro);
    if (!linhas)
        return falhou(erro);
    Consulta consulta;
    consulta.definirSql(*linhas);
    if (consulta.temParametroBusca() && !busca)
        return falhou(construtor + u": este comando tem o parâmetro busca; falta --busca TEXTO"_s);
    if (!consulta.temParametroBusca() && busca)
        return falhou(construtor + u": este comando não tem o parâmetro busca; retire --busca"_s);
    consulta.definirBanco(argumentos[0]);
    consulta.fechar();
    if (busca)
        consulta.definirBusca(*busca);
    try {
        consulta.abrir();
    } catch (const Erro &falha) {
        return falhou(falha.texto());
    }
    arquivos::EscritaEmBlocos saida(STDOUT_FILENO, u"saída padrão"_s);
    const auto linha = [&saida](const QStringList &valores) {
        saida.bloco() += valores.join(u'\t').toUtf8() + '\n';
        saida.seCheio();
    };
    const QStringList cabecalho(consulta.colunas().begin(), consulta.colunas().end());
    linha(cabecalho);
    for (; !consulta.fimDados(); consulta.proximo()) {
        QStringList valores;
        for (const QString &coluna : cabecalho)
            valores << celula(consulta.campo(coluna));
        linha(valores);
    }
    if (const QString falha = saida.terminar(); !falha.isEmpty())
        return falhou(falha);
    return 0;
}

int importarComando(const QStringList &argumentos) {
    if (argumentos.size() != 2)
        return uso();
    QString erro;
    QStringList avisos;
    const bool importado = importador::importar(argumentos[0], argumentos[1], &erro, &avisos);
    for (const QString &aviso : avisos)
        erros() << "aviso: " << aviso << "\n";
    if (!importado) {
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
    if (!gerador::gerarAmostra(argumentos[0], escala, &erro)) {
        erros() << erro << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    // Refused before Qt reads them, with the status each command gives a bad
    // command line.
    if (const QString recusa = linha_comando::argumentosForaDeUtf8(argc, argv); !recusa.isEmpty()) {
        erros() << recusa << Qt::flush;
        const bool emLote =
            argc > 1 && (qstrcmp(argv[1], "converter") == 0 || qstrcmp(argv[1], "codificar") == 0);
        return emLote ? lote::statusUso : 1;
    }
    QCoreApplication app(argc, argv);
    QStringList argumentos = app.arguments().mid(1);
    if (argumentos.isEmpty())
        return uso();
    const QString comando = argumentos.takeFirst();
    if (comando == u"--help"_s || comando == u"-h"_s) {
        QTextStream(stdout) << ajuda::geral();
        return 0;
    }
    if (!ajuda::doComando(comando).isEmpty() &&
        (argumentos.contains(u"--help"_s) || argumentos.contains(u"-h"_s))) {
        QTextStream(stdout) << ajuda::doComando(comando);
        return 0;
    }
    if (comando == u"converter"_s)
        return comandos::converter(argumentos);
    if (comando == u"codificar"_s)
        return comandos::codificar(argumentos);
    if (comando == u"importar"_s)
        return importarComando(argumentos);
    if (comando == u"consultar"_s)
        return consultar(argumentos);
    if (comando == u"gerar"_s)
        return gerarComando(argumentos);
    return uso();
}
