#include "conversor.h"

#include "codigos.h"
#include "consulta.h"
#include "unit_global.h"

#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// The widths of the codes of `base` that a conversion may start from: a
// ZEL2002 family or occupation, or any width the other bases' codes have in
// the database (read from their title lists, every title matching "%").
std::vector<qsizetype> larguras(const QString &dados, const QString &base) {
    if (base == baseZel2002)
        return {4, 6};
    Consulta titulos;
    abrirConsulta(titulos,
                  base == baseZel94 ? fncSqlTabuaTituloBase94() : fncSqlTabuaTituloCiuo88(), u"%"_s,
                  dados);
    std::set<qsizetype> vistas;
    for (; !titulos.fimDados(); titulos.proximo())
        vistas.insert(titulos.campo(u"codigo"_s).size());
    return {vistas.begin(), vistas.end()};
}

bool soDigitos(const QString &texto) {
    return std::all_of(texto.begin(), texto.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QStringList Conversor::nomesSituacoes() {
    return {u"convertido"_s, u"sem correspondência"_s, u"código inválido"_s, u"excluída"_s,
            u"várias"_s};
}

Conversor::Conversor(QString dados, QString de, QString para, bool completarZeros)
    : m_dados(std::move(dados)), m_de(std::move(de)), m_para(std::move(para)),
      m_completarZeros(completarZeros) {
    if (m_completarZeros)
        m_larguras = larguras(m_dados, m_de);
    // Reaches the database now, so that one that cannot be read stops the
    // run before any row.
    Consulta consulta;
    tabua::abrirConversao(consulta, {m_de, m_para, QString()}, m_dados);
}

// The code with zeros on its left up to the narrowest width of its base that
// holds it, when it is shorter than every such width.
QString Conversor::completar(const QString &codigo) {
    if (!m_completarZeros || codigo.isEmpty() || !soDigitos(codigo))
        return codigo;
    const auto largura = std::find_if(m_larguras.begin(), m_larguras.end(),
                                      [&](qsizetype l) { return l >= codigo.size(); });
    if (largura == m_larguras.end() || *largura == codigo.size())
        return codigo;
    ++m_completados;
    return codigo.rightJustified(*largura, u'0');
}

const Conversor::Resposta &Conversor::converter(const QString &codigo) {
    const QString completo = completar(codigo.trimmed());
    auto achada = m_respostas.find(completo);
    if (achada == m_respostas.end()) {
        if (m_respostas.size() >= respostasGuardadas)
            m_respostas.clear();
        achada = m_respostas.emplace(completo, consultar(completo)).first;
        achada->second.numero = ++m_respostasDadas;
    }
    return achada->second;
}

Conversor::Resposta Conversor::consultar(const QString &codigo) {
    Resposta resposta;
    if (codigos::verificarCodigoConversao(codigo) != codigos::Falha::Nenhuma) {
        resposta.situacao = Situacao::CodigoInvalido;
        return resposta;
    }
    Consulta consulta;
    tabua::abrirConversao(consulta, {m_de, m_para, codigo}, m_dados);
    if (consulta.fimDados())
        return resposta;
    // Every row of a result from the previous edition shares the situation
    // of the occupation converted.
    const bool excluida = m_de == baseZel94 && tabua::ocupacaoExcluida(consulta);
    for (; !consulta.fimDados(); consulta.proximo()) {
        tabua::Item item = tabua::itemListado(consulta, m_de == baseZel94);
        item.codigo.remove(u'-');
        const bool repetido =
            std::any_of(resposta.itens.begin(), resposta.itens.end(),
                        [&](const tabua::Item &visto) { return visto.codigo == item.codigo; });
        if (!repetido)
            resposta.itens.push_back(std::move(item));
    }
    resposta.situacao = excluida                    ? Situacao::Excluida
                        : resposta.itens.size() > 1 ? Situacao::Varias
                                                    : Situacao::Convertido;
    return resposta;
}
