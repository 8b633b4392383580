#include "comandos_lote.h"

#include "ajuda.h"
#include "codificador.h"
#include "conversor.h"
#include "erro.h"
#include "linha_comando.h"
#include "lote.h"
#include "unit_global.h"

#include <QTextStream>
#include <unordered_map>

using namespace Qt::StringLiterals;

namespace comandos {
namespace {

QTextStream &erros() {
    static QTextStream saida(stderr);
    return saida;
}

int usoErrado(const QString &comando, const QString &motivo) {
    erros() << "zel-dados " << comando << ": " << motivo << "\n"
            << ajuda::uso(comando) << "\n(zel-dados " << comando << " --help)" << Qt::endl;
    return lote::statusUso;
}

int falhar(int status, const QString &mensagem) {
    erros() << mensagem << Qt::endl;
    return status;
}

// The options both commands share; DADOS_DIR and ENTRADA are the positional
// arguments.
std::optional<lote::Opcoes> opcoesDoLote(const linha_comando::Argumentos &lidos, QString *erro) {
    if (lidos.posicionais.isEmpty() || lidos.posicionais.size() > 2) {
        *erro = lidos.posicionais.isEmpty()
                    ? u"falta DADOS_DIR"_s
                    : u"argumentos a mais: "_s + lidos.posicionais.mid(2).join(u' ');
        return std::nullopt;
    }
    lote::Opcoes opcoes;
    opcoes.entrada = lidos.posicionais.value(1);
    opcoes.saida = lidos.valor(u"--saida"_s);
    opcoes.coluna = lidos.valor(u"--coluna"_s);
    if (lidos.tem(u"--separador"_s)) {
        opcoes.separador = lote::lerSeparador(lidos.valor(u"--separador"_s), erro);
        if (!opcoes.separador)
            return std::nullopt;
    }
    return opcoes;
}

const QStringList opcoesComuns = {u"--coluna"_s, u"--saida"_s, u"--separador"_s};

QString paresValidos() {
    QStringList pares;
    for (const QString &de : tabua::bases())
        for (const QString &para : tabua::destinos(de))
            pares << de + u" para "_s + para;
    return pares.join(u", "_s);
}

// Each row gets the items its code converts to, joined with " | " in one
// row or, with `expandir`, one row each.
class ProcessadorConversao : public lote::Processador {
public:
    ProcessadorConversao(Conversor &conversor, bool expandir, bool completarZeros)
        : m_conversor(conversor), m_expandir(expandir), m_completarZeros(completarZeros) {}

    QStringList colunas() const override {
        return {u"codigo_destino"_s, u"titulo_destino"_s, u"correspondencias"_s, u"situacao"_s};
    }
    QStringList situacoes() const override { return m_situacoes; }

    int processar(const QString &valor, std::vector<QStringList> &linhas) override {
        const Conversor::Resposta &resposta = m_conversor.converter(valor);
        auto escritas = m_linhas.find(resposta.numero);
        if (escritas == m_linhas.end()) {
            if (m_linhas.size() >= Conversor::respostasGuardadas)
                m_linhas.clear();
            escritas = m_linhas.emplace(resposta.numero, linhasDe(resposta)).first;
        }
        linhas = escritas->second;
        m_escritas += qint64(linhas.size());
        return int(resposta.situacao);
    }

    QStringList resumo() const override {
        QStringList linhas;
        if (m_expandir)
            linhas << u"linhas escritas: "_s + QString::number(m_escritas);
        if (m_completarZeros)
            linhas << u"códigos completados com zeros: "_s +
                          QString::number(m_conversor.completados());
        return linhas;
    }

private:
    std::vector<QStringList> linhasDe(const Conversor::Resposta &resposta) const {
        const QString situacao = m_situacoes[int(resposta.situacao)];
        const QString quantas = QString::number(resposta.itens.size());
        std::vector<QStringList> linhas;
        if (m_expandir && !resposta.itens.empty()) {
            for (const tabua::Item &item : resposta.itens)
                linhas.push_back({item.codigo, item.titulo, quantas, situacao});
            return linhas;
        }
        QStringList codigos;
        QStringList titulos;
        for (const tabua::Item &item : resposta.itens) {
            codigos << item.codigo;
            titulos << item.titulo;
        }
        linhas.push_back({codigos.join(u" | "_s), titulos.join(u" | "_s), quantas, situacao});
        return linhas;
    }

    Conversor &m_conversor;
    bool m_expandir;
    bool m_completarZeros;
    const QStringList m_situacoes = Conversor::nomesSituacoes();
    // The rows written for each answer (by its number), made once.
    std::unordered_map<quint64, std::vector<QStringList>> m_linhas;
    qint64 m_escritas = 0;
};

// Each row gets the occupation its text names, and the candidates.
class ProcessadorCodificacao : public lote::Processador {
public:
    explicit ProcessadorCodificacao(Codificador &codificador) : m_codificador(codificador) {}

    QStringList colunas() const override {
        return {u"codigo"_s, u"titulo"_s,    u"familia"_s,    u"titulo_familia"_s,
                u"forma"_s,  u"pontuacao"_s, u"candidatos"_s, u"situacao"_s};
    }
    QStringList situacoes() const override {
        return {u"exato"_s, u"aproximado"_s, u"ambíguo"_s, u"não encontrado"_s};
    }

    int processar(const QString &valor, std::vector<QStringList> &linhas) override {
        const Codificador::Resultado &resultado = m_codificador.codificar(valor);
        QStringList candidatos;
        for (const Codificador::Candidato &c : resultado.candidatos)
            candidatos << m_codificador.ocupacao(c.ocupacao).codigo + u" ("_s +
                              pontuacao(c.pontuacao) + u")"_s;
        QStringList campos(6);
        if (resultado.situacao != Codificador::Situacao::NaoEncontrado) {
            const Codificador::Candidato &melhor = resultado.candidatos.front();
            const Codificador::Ocupacao &o = m_codificador.ocupacao(melhor.ocupacao);
            campos = {o.codigo,
                      o.titulo,
                      o.familia,
                      o.tituloFamilia,
                      melhor.forma == Codificador::Forma::Titulo ? u"título"_s : u"sinônimo"_s,
                      pontuacao(melhor.pontuacao)};
        }
        const int situacao = int(resultado.situacao);
        linhas.push_back(campos + QStringList{candidatos.join(u" | "_s), situacoes()[situacao]});
        return situacao;
    }

private:
    static QString pontuacao(double valor) { return QString::number(valor, 'f', 2); }

    Codificador &m_codificador;
};

// Runs the batch; an engine failure in the middle (a database damaged while
// it is read) ends it with nothing left at SAIDA.
int executarLote(const lote::Opcoes &opcoes, lote::Processador &processador) {
    try {
        return lote::executar(opcoes, processador);
    } catch (const Erro &falha) {
        return falhar(lote::statusFalha, falha.texto());
    }
}

} // namespace

int converter(const QStringList &argumentos) {
    const QString comando = u"converter"_s;
    QString erro;
    const std::optional<linha_comando::Argumentos> lidos =
        linha_comando::lerArgumentos(argumentos, opcoesComuns + QStringList{u"--de"_s, u"--para"_s},
                                     {u"--expandir"_s, u"--completar-zeros"_s}, &erro);
    if (!lidos)
        return usoErrado(comando, erro);
    const std::optional<lote::Opcoes> opcoes = opcoesDoLote(*lidos, &erro);
    if (!opcoes)
        return usoErrado(comando, erro);
    const QString de = lidos->valor(u"--de"_s);
    const QString para = lidos->valor(u"--para"_s);
    if (de.isEmpty() || para.isEmpty())
        return usoErrado(comando, de.isEmpty() ? u"falta --de BASE"_s : u"falta --para BASE"_s);
    if (!tabua::bases().contains(de) || !tabua::destinos(de).contains(para))
        return usoErrado(comando, u"não há conversão de "_s + de + u" para "_s + para +
                                      u"; as conversões são: "_s + paresValidos());
    const bool completarZeros = lidos->tem(u"--completar-zeros"_s);
    std::optional<Conversor> conversor;
    try {
        conversor.emplace(lidos->posicionais[0], de, para, completarZeros);
    } catch (const Erro &falha) {
        return falhar(lote::statusUso, falha.texto());
    }
    ProcessadorConversao conversao(*conversor, lidos->tem(u"--expandir"_s), completarZeros);
    return executarLote(*opcoes, conversao);
}

int codificar(const QStringList &argumentos) {
    const QString comando = u"codificar"_s;
    QString erro;
    const std::optional<linha_comando::Argumentos> lidos = linha_comando::lerArgumentos(
        argumentos, opcoesComuns + QStringList{u"--candidatos"_s}, {}, &erro);
    if (!lidos)
        return usoErrado(comando, erro);
    const std::optional<lote::Opcoes> opcoes = opcoesDoLote(*lidos, &erro);
    if (!opcoes)
        return usoErrado(comando, erro);
    int quantos = 3;
    if (lidos->tem(u"--candidatos"_s)) {
        bool numero = false;
        quantos = lidos->valor(u"--candidatos"_s).toInt(&numero);
        if (!numero || quantos < 1 || quantos > 100)
            return usoErrado(comando, u"--candidatos deve ser um número de 1 a 100, não \""_s +
                                          lidos->valor(u"--candidatos"_s) + u"\""_s);
    }
    std::optional<Codificador> codificador;
    try {
        codificador.emplace(Codificador::doBanco(lidos->posicionais[0]));
    } catch (const Erro &falha) {
        return falhar(lote::statusUso, falha.texto());
    }
    codificador->definirQuantos(quantos);
    ProcessadorCodificacao codificacao(*codificador);
    return executarLote(*opcoes, codificacao);
}

} // namespace comandos
