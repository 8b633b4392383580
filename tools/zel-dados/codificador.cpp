#include "codificador.h"

#include "consulta.h"
#include "normalizacao.h"
#include "unit_global.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// No word of a job title is this long; a longer one (a code, a pasted
// string) is only ever compared whole, since the words one or two edits away
// from it grow with the square of its length.
constexpr size_t palavraMaisLonga = 40;

// How many edits two stems may be apart, the longer of `tamanho` letters:
// two from six letters on (the stem of a word of seven or more, as "copeir"
// of "copeiro"), since people make two typing errors in such words too.
int tolerancia(size_t tamanho) {
    if (tamanho > palavraMaisLonga)
        return 0;
    return tamanho >= 6 ? 2 : tamanho >= 3 ? 1 : 0;
}

// How many letters are taken away from a word of `tamanho` letters to find
// the words within the tolerance of the pair: as many as the tolerance of a
// word one letter longer.
int profundidade(size_t tamanho) {
    return tolerancia(tamanho + 1);
}

// `palavra` less up to `k` of its letters, each string once.
void delecoes(const std::string &palavra, int k, std::set<std::string> &saida) {
    if (k == 0)
        return;
    for (size_t i = 0; i < palavra.size(); ++i) {
        std::string menor = palavra;
        menor.erase(i, 1);
        if (saida.insert(menor).second)
            delecoes(menor, k - 1, saida);
    }
}

// The letter triples of a normalized text, with a blank before and after it.
std::vector<uint32_t> triplas(const std::string &normalizado) {
    const std::string texto = ' ' + normalizado + ' ';
    std::vector<uint32_t> saida;
    for (size_t i = 0; i + 3 <= texto.size(); ++i)
        saida.push_back(uint32_t(uint8_t(texto[i])) << 16 | uint32_t(uint8_t(texto[i + 1])) << 8 |
                        uint8_t(texto[i + 2]));
    std::sort(saida.begin(), saida.end());
    saida.erase(std::unique(saida.begin(), saida.end()), saida.end());
    return saida;
}

double semelhancaTriplas(const std::vector<uint32_t> &a, const std::vector<uint32_t> &b) {
    size_t comuns = 0;
    for (size_t i = 0, j = 0; i < a.size() && j < b.size();) {
        if (a[i] == b[j]) {
            ++comuns;
            ++i;
            ++j;
        } else if (a[i] < b[j]) {
            ++i;
        } else {
            ++j;
        }
    }
    return a.empty() && b.empty() ? 0 : 2.0 * double(comuns) / double(a.size() + b.size());
}

// The share of the score that the words give; the letter triples give the rest.
constexpr double pesoPalavras = 0.8;
// How many of the best entries by their words are scored in full.
constexpr size_t finalistas = 60;
// How many answers, and how many words of the texts with the titles' words
// like them, are kept at most: a file of mostly different texts keeps memory
// bounded, since what is kept is dropped now and then.
constexpr size_t guardados = 100000;
// No approximate match scores as much as an exact one.
constexpr double maximoAproximado = 0.99;

} // namespace

Codificador Codificador::doBanco(const QString &dados) {
    Consulta ocupacoes;
    abrirConsulta(
        ocupacoes,
        {u"select TOcupacao.cod_int_ocup as interno, TOcupacao.cod_familia as familia, "_s,
         u"TOcupacao.cod_ocup as ocupacao, TOcupacao.nom_ocup as titulo, "_s,
         u"TFamilia.tit_familia as titulo_familia from TOcupacao, TFamilia "_s,
         u"where TFamilia.cod_familia = TOcupacao.cod_familia"_s},
        std::nullopt, dados);
    Consulta sinonimos;
    abrirConsulta(sinonimos,
                  {u"select TSinonimo.cod_int_ocup as interno, TSinonimo.nom_sin as sinonimo "_s,
                   u"from TSinonimo"_s},
                  std::nullopt, dados);
    QHash<QString, std::vector<QString>> porOcupacao;
    for (; !sinonimos.fimDados(); sinonimos.proximo())
        porOcupacao[sinonimos.campo(u"interno"_s)].push_back(sinonimos.campo(u"sinonimo"_s));
    Codificador codificador;
    for (; !ocupacoes.fimDados(); ocupacoes.proximo()) {
        const QString familia = ocupacoes.campo(u"familia"_s);
        const QString titulo = ocupacoes.campo(u"titulo"_s);
        std::vector<QString> textos = {titulo};
        const std::vector<QString> &outros = porOcupacao[ocupacoes.campo(u"interno"_s)];
        textos.insert(textos.end(), outros.begin(), outros.end());
        codificador.acrescentar({familia + ocupacoes.campo(u"ocupacao"_s), titulo, familia,
                                 ocupacoes.campo(u"titulo_familia"_s)},
                                textos);
    }
    return codificador;
}

void Codificador::acrescentar(Ocupacao ocupacao, const std::vector<QString> &textos) {
    const int indice = int(m_ocupacoes.size());
    m_ocupacoes.push_back(std::move(ocupacao));
    std::set<std::string> vistos;
    for (size_t i = 0; i < textos.size(); ++i) {
        std::string normalizado = normalizacao::normalizar(textos[i]);
        if (normalizado.empty() || !vistos.insert(normalizado).second)
            continue;
        m_entradas.push_back(
            {indice, i == 0 ? Forma::Titulo : Forma::Sinonimo, std::move(normalizado), {}, {}, 0});
    }
    m_indexado = false;
}

void Codificador::definirQuantos(int quantos) {
    m_quantos = quantos;
    m_resultados.clear();
}

int Codificador::termo(const std::string &radical) const {
    const auto achado = m_termos.find(radical);
    return achado == m_termos.end() ? -1 : achado->second;
}

void Codificador::indexar() {
    m_exatas.clear();
    m_termos.clear();
    m_radicais.clear();
    m_listas.clear();
    m_delecoes.clear();
    m_semelhantes.clear();
    m_resultados.clear();
    for (size_t e = 0; e < m_entradas.size(); ++e) {
        Entrada &entrada = m_entradas[e];
        m_exatas[entrada.normalizado].push_back(int(e));
        entrada.triplas = triplas(entrada.normalizado);
        entrada.termos.clear();
        for (const std::string &radical : normalizacao::radicais(entrada.normalizado)) {
            auto [lugar, novo] = m_termos.try_emplace(radical, int(m_radicais.size()));
            if (novo) {
                m_radicais.push_back(radical);
                m_listas.emplace_back();
            }
            entrada.termos.push_back(lugar->second);
            m_listas[size_t(lugar->second)].push_back(int(e));
        }
    }
    // A word weighs more the fewer titles hold it.
    m_pesos.resize(m_radicais.size());
    const double total = double(m_entradas.size());
    for (size_t t = 0; t < m_radicais.size(); ++t)
        m_pesos[t] = std::log(1.0 + total / double(m_listas[t].size()));
    std::vector<double> ordenados = m_pesos;
    std::sort(ordenados.begin(), ordenados.end());
    // A word no title has weighs as a common one: a word of the text that is
    // not a job's (a place, a name) should not sink the right title.
    m_pesoDesconhecido = ordenados.empty() ? 1 : ordenados[ordenados.size() / 2];
    for (Entrada &entrada : m_entradas) {
        entrada.peso = 0;
        for (const int t : entrada.termos)
            entrada.peso += m_pesos[size_t(t)];
    }
    for (size_t t = 0; t < m_radicais.size(); ++t) {
        std::set<std::string> menores;
        delecoes(m_radicais[t], profundidade(m_radicais[t].size()), menores);
        for (const std::string &menor : menores)
            m_delecoes[menor].push_back(int(t));
    }
    m_soma.assign(m_entradas.size(), 0);
    m_marca.assign(m_entradas.size(), -1);
    m_cobertas.assign(m_entradas.size(), 0);
    m_indexado = true;
}

// The same stem, or else the stems of the titles fewest edits away, within
// what the lengths of both words tolerate.
const std::vector<Codificador::Semelhante> &Codificador::semelhantes(const std::string &radical) {
    const auto achados = m_semelhantes.find(radical);
    if (achados != m_semelhantes.end())
        return achados->second;
    std::vector<Semelhante> lista;
    if (const int t = termo(radical); t >= 0) {
        lista.push_back({t, 1.0});
    } else if (const int k = profundidade(radical.size()); k > 0) {
        std::set<std::string> chaves = {radical};
        delecoes(radical, k, chaves);
        std::set<int> candidatos;
        for (const std::string &chave : chaves) {
            if (const int t = termo(chave); t >= 0)
                candidatos.insert(t);
            if (const auto d = m_delecoes.find(chave); d != m_delecoes.end())
                candidatos.insert(d->second.begin(), d->second.end());
        }
        int melhor = k + 1;
        for (const int t : candidatos) {
            const std::string &outro = m_radicais[size_t(t)];
            const int d = normalizacao::distancia(radical, outro);
            if (d > tolerancia(std::max(radical.size(), outro.size())) || d > melhor)
                continue;
            if (d < melhor)
                lista.clear();
            melhor = d;
            const double maior = double(std::max(radical.size(), outro.size()));
            lista.push_back({t, 1.0 - double(d) / (maior + 1.0)});
        }
    }
    if (m_semelhantes.size() >= guardados)
        m_semelhantes.clear();
    return m_semelhantes.emplace(radical, std::move(lista)).first->second;
}

Codificador::Situacao Codificador::situacao(const std::vector<Candidato> &candidatos) {
    if (candidatos.empty() || candidatos[0].pontuacao < limiarEncontrado)
        return Situacao::NaoEncontrado;
    if (candidatos.size() > 1 && candidatos[0].pontuacao - candidatos[1].pontuacao < margemAmbiguo)
        return Situacao::Ambiguo;
    const bool outraParte =
        std::any_of(candidatos.begin() + 1, candidatos.end(), [](const Candidato &c) {
            return c.soParte && c.pontuacao >= limiarEncontrado;
        });
    return candidatos[0].soParte && outraParte ? Situacao::Ambiguo : Situacao::Aproximado;
}

const Codificador::Resultado &Codificador::codificar(const QString &texto) {
    if (!m_indexado)
        indexar();
    const std::string normalizado = normalizacao::normalizar(texto);
    const auto achado = m_resultados.find(normalizado);
    if (achado != m_resultados.end())
        return achado->second;
    // The one returned stays until the next call.
    if (m_resultados.size() >= guardados)
        m_resultados.clear();
    return m_resultados.emplace(normalizado, calcular(normalizado)).first->second;
}

Codificador::Resultado Codificador::calcular(const std::string &normalizado) {
    Resultado resultado;
    const auto ordemDasOcupacoes = [this](const Candidato &a, const Candidato &b) {
        if (a.pontuacao != b.pontuacao)
            return a.pontuacao > b.pontuacao;
        if (a.forma != b.forma)
            return a.forma == Forma::Titulo;
        return m_ocupacoes[size_t(a.ocupacao)].codigo < m_ocupacoes[size_t(b.ocupacao)].codigo;
    };
    // Every occupation once, by its best entry.
    const auto melhoresPorOcupacao = [&](std::vector<Candidato> candidatos) {
        std::sort(candidatos.begin(), candidatos.end(), ordemDasOcupacoes);
        std::vector<Candidato> unicos;
        std::set<int> vistas;
        for (const Candidato &c : candidatos)
            if (vistas.insert(c.ocupacao).second)
                unicos.push_back(c);
        return unicos;
    };

    if (const auto exatas = m_exatas.find(normalizado); exatas != m_exatas.end()) {
        std::vector<Candidato> candidatos;
        for (const int e : exatas->second)
            candidatos.push_back(
                {m_entradas[size_t(e)].ocupacao, 1.0, m_entradas[size_t(e)].forma});
        resultado.candidatos = melhoresPorOcupacao(candidatos);
        resultado.situacao = resultado.candidatos.size() == 1 ? Situacao::Exato : Situacao::Ambiguo;
        if (resultado.candidatos.size() > size_t(m_quantos))
            resultado.candidatos.resize(size_t(m_quantos));
        return resultado;
    }

    // The words of the text: each adds, to every entry that has it or a word
    // like it, its weight times how alike they are (once per word of the text).
    const std::vector<std::string> palavras = normalizacao::radicais(normalizado);
    double pesoTexto = 0;
    std::vector<int> tocadas;
    for (size_t q = 0; q < palavras.size(); ++q) {
        std::vector<Semelhante> lista = semelhantes(palavras[q]);
        if (lista.empty()) {
            pesoTexto += m_pesoDesconhecido;
            continue;
        }
        std::sort(lista.begin(), lista.end(), [this](const Semelhante &a, const Semelhante &b) {
            return a.semelhanca * m_pesos[size_t(a.termo)] >
                   b.semelhanca * m_pesos[size_t(b.termo)];
        });
        pesoTexto += m_pesos[size_t(lista.front().termo)];
        for (const Semelhante &s : lista)
            for (const int e : m_listas[size_t(s.termo)]) {
                if (m_marca[size_t(e)] == int(q))
                    continue;
                if (m_marca[size_t(e)] < 0)
                    tocadas.push_back(e);
                m_marca[size_t(e)] = int(q);
                m_soma[size_t(e)] += s.semelhanca * m_pesos[size_t(s.termo)];
                ++m_cobertas[size_t(e)];
            }
    }
    struct PorPalavras {
        double pontuacao;
        int entrada;
        bool soParte;
    };
    std::vector<PorPalavras> porPalavras;
    porPalavras.reserve(tocadas.size());
    for (const int e : tocadas) {
        const Entrada &entrada = m_entradas[size_t(e)];
        const size_t cobertas = size_t(m_cobertas[size_t(e)]);
        porPalavras.push_back({2.0 * m_soma[size_t(e)] / (pesoTexto + entrada.peso), e,
                               cobertas == palavras.size() && entrada.termos.size() > cobertas});
        m_soma[size_t(e)] = 0;
        m_marca[size_t(e)] = -1;
        m_cobertas[size_t(e)] = 0;
    }
    const size_t n = std::min(finalistas, porPalavras.size());
    std::partial_sort(porPalavras.begin(), porPalavras.begin() + qsizetype(n), porPalavras.end(),
                      [](const auto &a, const auto &b) { return a.pontuacao > b.pontuacao; });
    const std::vector<uint32_t> triplasTexto = triplas(normalizado);
    std::vector<Candidato> candidatos;
    for (size_t i = 0; i < n; ++i) {
        const Entrada &entrada = m_entradas[size_t(porPalavras[i].entrada)];
        const double pontuacao =
            pesoPalavras * porPalavras[i].pontuacao +
            (1 - pesoPalavras) * semelhancaTriplas(triplasTexto, entrada.triplas);
        if (pontuacao >= 0.005)
            candidatos.push_back({entrada.ocupacao, std::min(pontuacao, maximoAproximado),
                                  entrada.forma, porPalavras[i].soParte});
    }
    resultado.candidatos = melhoresPorOcupacao(candidatos);
    resultado.situacao = situacao(resultado.candidatos);
    if (resultado.candidatos.size() > size_t(m_quantos))
        resultado.candidatos.resize(size_t(m_quantos));
    return resultado;
}
