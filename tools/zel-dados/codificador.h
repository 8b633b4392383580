#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// Gives a job title written freely its ZEL2002 occupation, by comparing it
// with every occupation title and synonym of the classification.
//
// An exact match is equality after normalization (case, accents,
// punctuation and repeated blanks ignored: normalizacao::normalizar). Any
// other text is compared word by word: small words left out, each word
// reduced to its stem (plural and gender endings away), and a word that no
// title has matched with the titles' words one or two edits away (typing
// errors). Each word weighs by how rare it is among the titles; the score of
// a title is the weighted share of words the two texts have in common
// (2 x common / (text + title)), blended with the share of letter triples of
// the two whole texts, which tells apart titles that differ in small words or
// word order. An occupation scores what its best title or synonym scores.
class Codificador {
public:
    enum class Forma { Titulo, Sinonimo };
    enum class Situacao { Exato, Aproximado, Ambiguo, NaoEncontrado };

    struct Ocupacao {
        QString codigo; // six characters
        QString titulo;
        QString familia;
        QString tituloFamilia;
    };
    struct Candidato {
        int ocupacao = -1;
        double pontuacao = 0; // 1 for an exact match, otherwise in (0, 1)
        Forma forma = Forma::Titulo;
        // The title holds every word of the text and words the text has not:
        // the text names only a part of it.
        bool soParte = false;
    };
    struct Resultado {
        Situacao situacao = Situacao::NaoEncontrado;
        // Best first, at most the number asked for. The first fills the row
        // unless nothing was found.
        std::vector<Candidato> candidatos;
    };

    // Scores below this find nothing.
    static constexpr double limiarEncontrado = 0.55;
    // The best occupation is "ambíguo" when the next scores this close to it,
    // or when the text names only a part of its title and of another's
    // (as "vendedor" of "Vendedor técnico" and "Vendedor ambulante").
    static constexpr double margemAmbiguo = 0.02;

    // The occupations and their synonyms of the database of `dados`. Throws
    // ErroBanco when it cannot be read.
    static Codificador doBanco(const QString &dados);

    // An occupation and the texts it is known by (the first is its title);
    // the index is built at the first `codificar`.
    void acrescentar(Ocupacao ocupacao, const std::vector<QString> &sinonimos);

    // How many candidates an answer lists (3 unless set).
    void definirQuantos(int quantos);

    // The occupations that `texto` may be. Texts that normalize alike share
    // one answer, computed once.
    const Resultado &codificar(const QString &texto);

    const Ocupacao &ocupacao(int indice) const { return m_ocupacoes[size_t(indice)]; }

private:
    struct Entrada {
        int ocupacao;
        Forma forma;
        std::string normalizado;
        std::vector<uint32_t> triplas; // sorted, each once
        std::vector<int> termos;
        double peso = 0; // of its words
    };
    // A word of the text and the words of the titles it may stand for.
    struct Semelhante {
        int termo;
        double semelhanca; // 1 for the same stem
    };

    void indexar();
    int termo(const std::string &radical) const;
    const std::vector<Semelhante> &semelhantes(const std::string &radical);
    Resultado calcular(const std::string &normalizado);
    static Situacao situacao(const std::vector<Candidato> &candidatos);

    std::vector<Ocupacao> m_ocupacoes;
    std::vector<Entrada> m_entradas;
    bool m_indexado = false;
    int m_quantos = 3;

    std::unordered_map<std::string, std::vector<int>> m_exatas;   // normalized text -> entries
    std::unordered_map<std::string, int> m_termos;                // stem -> term
    std::vector<std::string> m_radicais;                          // term -> stem
    std::vector<double> m_pesos;                                  // term -> weight
    std::vector<std::vector<int>> m_listas;                       // term -> entries
    std::unordered_map<std::string, std::vector<int>> m_delecoes; // stem less 1 or 2 letters
    double m_pesoDesconhecido = 0;

    std::unordered_map<std::string, std::vector<Semelhante>> m_semelhantes;
    std::unordered_map<std::string, Resultado> m_resultados;
    // Scratch of one computation, one slot per entry.
    std::vector<double> m_soma;
    std::vector<int> m_marca;
    std::vector<int> m_cobertas; // how many words of the text it has
};
