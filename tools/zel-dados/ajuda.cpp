#include "ajuda.h"

#include <array>

using namespace Qt::StringLiterals;

namespace ajuda {
namespace {

struct Comando {
    QString nome;
    QString uso;
    QString texto;
};

const std::array<Comando, 5> &comandos() {
    static const std::array<Comando, 5> todos = {{
        {u"importar"_s, u"zel-dados importar CSV_DIR DADOS_DIR"_s,
         u"Constrói DADOS_DIR/zel2002.db a partir de um arquivo CSV por tabela em CSV_DIR\n"
         "(TFamilia.csv, TOcupacao.csv, ...), UTF-8, com linha de cabeçalho. Só entram dados\n"
         "que o programa pode usar; qualquer outro é recusado com o arquivo, a linha e a\n"
         "coluna, e o banco anterior fica como estava. Uma importação por vez em cada\n"
         "diretório.\n"
         "Saída: 0 importado (avisos em stderr), 1 recusado ou com erro."_s},
        {u"consultar"_s, u"zel-dados consultar DADOS_DIR CONSTRUTOR [ARG...] [--busca TEXTO]"_s,
         u"Executa um comando do catálogo (fncSqlBuscaRapida, fncSqlConversao, ...) pelo\n"
         "mesmo objeto de consulta das telas e escreve as linhas separadas por tabulação,\n"
         "com a linha de nomes das colunas antes. Flags são 0 ou 1; bases, ZEL2002, ZEL94\n"
         "ou CIUO88. --busca é exigido onde o comando tem o parâmetro busca.\n"
         "Saída: 0 executado, 1 argumento errado, banco ausente ou erro de escrita."_s},
        {u"gerar"_s, u"zel-dados gerar CSV_DIR [--escala N]"_s,
         u"Escreve em CSV_DIR a classificação de exemplo (inventada), um CSV por tabela,\n"
         "sempre os mesmos bytes. Com --escala N, N vezes o seu tamanho.\n"
         "Saída: 0 escrito, 1 erro."_s},
        {u"converter"_s,
         u"zel-dados converter DADOS_DIR --de BASE --para BASE [--coluna COL] [ENTRADA]\n"
         "                    [--saida SAIDA] [--expandir] [--completar-zeros] [--separador C]"_s,
         u"Converte uma coluna de códigos de um CSV entre as bases, com as correspondências\n"
         "das telas de conversão. Conversões: ZEL2002 para ZEL94, ZEL2002 para CIUO88 (um\n"
         "código de ocupação pela sua família), ZEL94 para ZEL2002, CIUO88 para ZEL2002.\n"
         "\n"
         "  ENTRADA            CSV em UTF-8 com cabeçalho (marca de ordem aceita); sem ela, ou\n"
         "                     com -, a entrada padrão\n"
         "  --coluna COL       nome da coluna ou número a partir de 1; padrão, a primeira\n"
         "  --separador C      separador dos campos; padrão, o da linha de cabeçalho (, ou ;)\n"
         "  --saida SAIDA      arquivo escrito por inteiro ou não escrito; padrão, a saída padrão\n"
         "  --expandir         uma linha por correspondência, em vez de juntá-las com \" | \"\n"
         "  --completar-zeros  completa com zeros à esquerda um código só de dígitos mais curto\n"
         "                     que os da sua base (101 -> 0101), como uma planilha o deixa\n"
         "\n"
         "Escreve as mesmas linhas, na mesma ordem, com as colunas codigo_destino,\n"
         "titulo_destino, correspondencias e situacao: convertido, sem correspondência,\n"
         "código inválido, excluída (ocupação da ZEL94 excluída na nova ZEL: lista as\n"
         "famílias para onde foi) ou várias. Resumo e barra de progresso em stderr.\n"
         "Saída: 0 feito, 1 linha malformada (nada fica em SAIDA) ou erro de escrita,\n"
         "2 linha de comando errada, coluna, entrada ou banco ausente."_s},
        {u"codificar"_s,
         u"zel-dados codificar DADOS_DIR [--coluna COL] [--candidatos K] [ENTRADA]\n"
         "                    [--saida SAIDA] [--separador C]"_s,
         u"Dá a cada título de ocupação escrito livremente numa coluna de um CSV a sua\n"
         "ocupação da ZEL2002. Compara o texto sem caixa, acentos, pontuação nem brancos\n"
         "repetidos; tolera feminino e plural, erros de digitação, palavras pequenas a mais\n"
         "ou a menos e outra ordem das palavras.\n"
         "\n"
         "  ENTRADA, --coluna, --separador, --saida  como em converter\n"
         "  --candidatos K     quantos candidatos listar (padrão 3)\n"
         "\n"
         "Acrescenta codigo, titulo, familia, titulo_familia, forma (título ou sinônimo),\n"
         "pontuacao (0 a 1), candidatos (\"codigo (pontuação)\" separados por \" | \") e\n"
         "situacao: exato, aproximado, ambíguo (os primeiros candidatos quase empatam, ou\n"
         "o texto é de mais de uma ocupação) ou não encontrado.\n"
         "Saída: como em converter."_s},
    }};
    return todos;
}

const Comando *achar(const QString &nome) {
    for (const Comando &c : comandos())
        if (c.nome == nome)
            return &c;
    return nullptr;
}

} // namespace

QString geral() {
    QString texto = u"uso:\n"_s;
    for (const Comando &c : comandos())
        texto += u"  "_s + c.uso + u"\n"_s;
    return texto + u"\n`zel-dados COMANDO --help` descreve cada comando.\n"_s;
}

QString doComando(const QString &comando) {
    const Comando *c = achar(comando);
    return c ? u"uso: "_s + c->uso + u"\n\n"_s + c->texto + u"\n"_s : QString();
}

QString uso(const QString &comando) {
    const Comando *c = achar(comando);
    return c ? u"uso: "_s + c->uso : QString();
}

} // namespace ajuda
