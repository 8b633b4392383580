#include "dialeto.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace dialeto {
namespace {

enum class Tipo { Espaco, Literal, Nome, NomeEntreAspas, Parametro, Numero, Simbolo };

struct Token {
    Tipo tipo;
    std::string texto;
};

bool inicioDeNome(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool parteDeNome(char c) {
    return inicioDeNome(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '$';
}

// Reads a quoted run starting at `i` (the opening quote); a doubled quote stands
// for itself. An unterminated run takes the rest of the text.
size_t fimEntreAspas(std::string_view sql, size_t i) {
    const char aspa = sql[i];
    for (size_t j = i + 1; j < sql.size(); ++j) {
        if (sql[j] != aspa)
            continue;
        if (j + 1 < sql.size() && sql[j + 1] == aspa) {
            ++j;
            continue;
        }
        return j + 1;
    }
    return sql.size();
}

std::vector<Token> tokenizar(std::string_view sql) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        size_t fim = i + 1;
        Tipo tipo = Tipo::Simbolo;
        if (std::isspace(static_cast<unsigned char>(c))) {
            tipo = Tipo::Espaco;
            while (fim < sql.size() && std::isspace(static_cast<unsigned char>(sql[fim])))
                ++fim;
        } else if (c == '\'') {
            tipo = Tipo::Literal;
            fim = fimEntreAspas(sql, i);
        } else if (c == '"' || c == '`') {
            tipo = Tipo::NomeEntreAspas;
            fim = fimEntreAspas(sql, i);
        } else if (c == '[') {
            tipo = Tipo::NomeEntreAspas;
            fim = sql.find(']', i);
            fim = fim == std::string_view::npos ? sql.size() : fim + 1;
        } else if (c == ':' && i + 1 < sql.size() && inicioDeNome(sql[i + 1])) {
            tipo = Tipo::Parametro;
            while (fim < sql.size() && parteDeNome(sql[fim]))
                ++fim;
        } else if (inicioDeNome(c)) {
            tipo = Tipo::Nome;
            while (fim < sql.size() && parteDeNome(sql[fim]))
                ++fim;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            tipo = Tipo::Numero;
            while (fim < sql.size() &&
                   (std::isalnum(static_cast<unsigned char>(sql[fim])) || sql[fim] == '.'))
                ++fim;
        }
        tokens.push_back({tipo, std::string(sql.substr(i, fim - i))});
        i = fim;
    }
    return tokens;
}

bool igualSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool ePalavra(const Token &t, std::string_view palavra) {
    return t.tipo == Tipo::Nome && igualSemCaixa(t.texto, palavra);
}

// Index of the next token that is not blank, or tokens.size().
size_t proximo(const std::vector<Token> &tokens, size_t i) {
    while (i < tokens.size() && tokens[i].tipo == Tipo::Espaco)
        ++i;
    return i;
}

// substring(x from a for b) -> substr(x, a, b); `i` is the index of "substring".
void traduzirSubstring(std::vector<Token> &tokens, size_t i) {
    const size_t abre = proximo(tokens, i + 1);
    if (abre >= tokens.size() || tokens[abre].texto != "(")
        return;
    tokens[i].texto = "substr";
    int profundidade = 0;
    for (size_t j = abre; j < tokens.size(); ++j) {
        if (tokens[j].texto == "(")
            ++profundidade;
        else if (tokens[j].texto == ")" && --profundidade == 0)
            return;
        else if (profundidade == 1 && (ePalavra(tokens[j], "from") || ePalavra(tokens[j], "for")))
            tokens[j].texto = ",";
    }
}

bool nomeiaCodigo(const std::vector<Token> &tokens, size_t inicio, size_t fim) {
    for (size_t j = fim; j > inicio; --j) {
        const Token &t = tokens[j - 1];
        if (t.tipo == Tipo::Nome)
            return t.texto.size() >= 3 &&
                   igualSemCaixa(std::string_view(t.texto).substr(0, 3), "cod");
    }
    return false;
}

// Adds the Portuguese collation to each term of the ORDER BY whose "by" is at
// index `by`. Terms end at a comma or at the end of the clause.
void traduzirOrdem(std::vector<Token> &tokens, size_t by) {
    size_t inicioTermo = by + 1;
    int profundidade = 0;
    auto fecharTermo = [&](size_t fim) {
        size_t ultimo = fim;
        while (ultimo > inicioTermo && tokens[ultimo - 1].tipo == Tipo::Espaco)
            --ultimo;
        if (ultimo > inicioTermo && !nomeiaCodigo(tokens, inicioTermo, ultimo))
            tokens[ultimo - 1].texto += std::string(" collate ") + colacaoPortugues;
    };
    for (size_t j = by + 1; j < tokens.size(); ++j) {
        const Token &t = tokens[j];
        if (t.texto == "(") {
            ++profundidade;
        } else if (t.texto == ")") {
            if (profundidade-- == 0) {
                fecharTermo(j);
                return;
            }
        } else if (profundidade == 0 && t.texto == ",") {
            fecharTermo(j);
            inicioTermo = j + 1;
        } else if (profundidade == 0 && (ePalavra(t, "limit") || t.texto == ";" ||
                                         ePalavra(t, "collate") || ePalavra(t, "union"))) {
            if (!ePalavra(t, "collate"))
                fecharTermo(j);
            return;
        }
    }
    fecharTermo(tokens.size());
}

// The dialect's own changes, token by token.
void adaptar(std::vector<Token> &tokens) {
    for (size_t i = 0; i < tokens.size(); ++i) {
        Token &t = tokens[i];
        if (t.tipo == Tipo::Simbolo && t.texto == "+") {
            t.texto = "||";
        } else if (ePalavra(t, "substring")) {
            traduzirSubstring(tokens, i);
        } else if (ePalavra(t, "order")) {
            const size_t by = proximo(tokens, i + 1);
            if (by < tokens.size() && ePalavra(tokens[by], "by"))
                traduzirOrdem(tokens, by);
        }
    }
}

std::string juntar(const std::vector<Token> &tokens) {
    std::string saida;
    for (const Token &t : tokens)
        saida += t.texto;
    return saida;
}

// ------------------------------------------------------- the title index

std::string minusculas(std::string_view texto) {
    std::string saida(texto);
    for (char &c : saida)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return saida;
}

// The selects of a union that can be told apart in the hidden order key.
constexpr size_t maximoDePartes = 15;

// Tokens [inicio, fim) of the statement.
struct Trecho {
    size_t inicio = 0;
    size_t fim = 0;
};

// The tokens of a run that are not blank.
std::vector<size_t> visiveis(const std::vector<Token> &tokens, Trecho trecho) {
    std::vector<size_t> indices;
    for (size_t i = trecho.inicio; i < trecho.fim; ++i)
        if (tokens[i].tipo != Tipo::Espaco)
            indices.push_back(i);
    return indices;
}

struct TabelaDaParte {
    std::string nome;
    std::string referencia; // the alias when there is one
    size_t inicio = 0;      // its first token in the FROM
};

// One select of a union.
struct Parte {
    Trecho trecho;
    size_t from = 0;
    Trecho where{}; // empty when the select has none
    std::vector<TabelaDaParte> tabelas{};
    std::vector<Trecho> itens{}; // the select list, item by item
};

// A predicate `LOWER(t.c) like P` or `t.c like P`, where P is `:busca` or
// `lower(:busca)`.
struct Predicado {
    Trecho trecho;
    std::string referencia;
    std::string coluna;
    bool dobrado = false; // under LOWER
    int numero = 0;       // the column's number in the index; 0: not indexed
    bool noTopo = false;  // a term of the WHERE's top-level AND
    Trecho padrao;
    bool emMinusculas = false;
};

// Splits `trecho` at the commas outside parentheses.
std::vector<Trecho> dividirPorVirgulas(const std::vector<Token> &tokens, Trecho trecho) {
    std::vector<Trecho> partes;
    int profundidade = 0;
    size_t inicio = trecho.inicio;
    for (size_t i = trecho.inicio; i < trecho.fim; ++i) {
        if (tokens[i].texto == "(")
            ++profundidade;
        else if (tokens[i].texto == ")")
            --profundidade;
        else if (profundidade == 0 && tokens[i].texto == ",") {
            partes.push_back({inicio, i});
            inicio = i + 1;
        }
    }
    partes.push_back({inicio, trecho.fim});
    return partes;
}

// Words that give a select a shape the hidden columns would change (grouping,
// distinct rows, joins with conditions of their own) or that end it.
bool palavraQueImpede(const Token &t) {
    for (const char *palavra : {"distinct", "group", "having", "limit", "join", "natural", "on",
                                "using", "except", "intersect", "window", "values", "with"})
        if (ePalavra(t, palavra))
            return true;
    return t.texto == ";";
}

// The selects of a statement made of selects joined by `union all`, with an
// ORDER BY at its end or none; nullopt for any other shape.
std::optional<std::vector<Parte>> partes(const std::vector<Token> &tokens, Trecho &ordem) {
    std::vector<Parte> lista;
    ordem = {tokens.size(), tokens.size()};
    int profundidade = 0;
    size_t inicio = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token &t = tokens[i];
        if (t.texto == "(") {
            ++profundidade;
        } else if (t.texto == ")") {
            --profundidade;
        } else if (profundidade == 0 && palavraQueImpede(t)) {
            return std::nullopt;
        } else if (profundidade == 0 && ePalavra(t, "union")) {
            const size_t todas = proximo(tokens, i + 1);
            if (todas >= tokens.size() || !ePalavra(tokens[todas], "all"))
                return std::nullopt;
            lista.push_back(Parte{.trecho = {inicio, i}});
            inicio = todas + 1;
            i = todas;
        } else if (profundidade == 0 && ePalavra(t, "order")) {
            ordem = {i, tokens.size()};
            break;
        }
    }
    lista.push_back(Parte{.trecho = {inicio, ordem.inicio}});
    for (Parte &parte : lista) {
        const std::vector<size_t> v = visiveis(tokens, parte.trecho);
        if (v.empty() || !ePalavra(tokens[v.front()], "select"))
            return std::nullopt;
        size_t where = parte.trecho.fim;
        parte.from = parte.trecho.fim;
        profundidade = 0;
        for (size_t i = v.front(); i < parte.trecho.fim; ++i) {
            if (tokens[i].texto == "(")
                ++profundidade;
            else if (tokens[i].texto == ")")
                --profundidade;
            else if (profundidade == 0 && ePalavra(tokens[i], "from") &&
                     parte.from == parte.trecho.fim)
                parte.from = i;
            else if (profundidade == 0 && ePalavra(tokens[i], "where") && where == parte.trecho.fim)
                where = i;
        }
        if (parte.from == parte.trecho.fim || where < parte.from)
            return std::nullopt;
        parte.where = {where, parte.trecho.fim};
        parte.itens = dividirPorVirgulas(tokens, {v.front() + 1, parte.from});
        for (const Trecho &entrada : dividirPorVirgulas(tokens, {parte.from + 1, where})) {
            const std::vector<size_t> nomes = visiveis(tokens, entrada);
            const bool comAs = nomes.size() == 3 && ePalavra(tokens[nomes[1]], "as");
            if (nomes.empty() || nomes.size() > 3 || (nomes.size() == 3 && !comAs))
                return std::nullopt;
            for (const size_t n : nomes)
                if (tokens[n].tipo != Tipo::Nome)
                    return std::nullopt;
            parte.tabelas.push_back(
                {tokens[nomes.front()].texto, tokens[nomes.back()].texto, nomes.front()});
        }
    }
    return lista;
}

// The table named `referencia` in the select, or null.
const TabelaDaParte *tabelaReferida(const Parte &parte, std::string_view referencia) {
    for (const TabelaDaParte &t : parte.tabelas)
        if (igualSemCaixa(t.referencia, referencia))
            return &t;
    return nullptr;
}

const ColunaIndexada *colunaIndexada(const Indice &indice, const Parte &parte,
                                     std::string_view referencia, std::string_view coluna) {
    const TabelaDaParte *tabela = tabelaReferida(parte, referencia);
    if (!tabela)
        return nullptr;
    const auto achada = indice.find(minusculas(tabela->nome + "." + std::string(coluna)));
    return achada == indice.end() ? nullptr : &achada->second;
}

bool tokensSao(const std::vector<Token> &tokens, const std::vector<size_t> &v, size_t de,
               std::initializer_list<const char *> textos) {
    if (de + textos.size() > v.size())
        return false;
    size_t k = de;
    for (const char *texto : textos) {
        const Token &t = tokens[v[k++]];
        if (*texto == '\0' ? t.tipo != Tipo::Nome : !igualSemCaixa(t.texto, texto))
            return false;
    }
    return true;
}

// The predicates of the select's WHERE that compare a column with the
// search. Only one that stands on its own between AND, OR and parentheses is
// taken: it is replaced by a call or a parenthesised conjunction, which
// changes no operator around it.
std::vector<Predicado> predicados(const std::vector<Token> &tokens, const Parte &parte,
                                  const Indice &indice) {
    std::vector<Predicado> achados;
    const std::vector<size_t> v = visiveis(tokens, parte.where);
    const auto livreAntes = [&](size_t k) {
        return k == 0 || ePalavra(tokens[v[k - 1]], "where") || ePalavra(tokens[v[k - 1]], "and") ||
               ePalavra(tokens[v[k - 1]], "or") || tokens[v[k - 1]].texto == "(";
    };
    const auto livreDepois = [&](size_t k) {
        return k >= v.size() || ePalavra(tokens[v[k]], "and") || ePalavra(tokens[v[k]], "or") ||
               tokens[v[k]].texto == ")";
    };
    const bool semOr =
        std::none_of(v.begin(), v.end(), [&](size_t i) { return ePalavra(tokens[i], "or"); });
    int profundidade = 0;
    for (size_t k = 0; k < v.size(); ++k) {
        Predicado p;
        size_t padrao = 0;
        if (tokensSao(tokens, v, k, {"lower", "(", "", ".", "", ")", "like"})) {
            p.dobrado = true;
            padrao = k + 7;
        } else if (tokensSao(tokens, v, k, {"", ".", "", "like"})) {
            padrao = k + 4;
        }
        const size_t nome = p.dobrado ? k + 2 : k;
        size_t fim = 0;
        if (padrao && tokensSao(tokens, v, padrao, {"lower", "(", ":busca", ")"})) {
            p.emMinusculas = true;
            fim = padrao + 4;
        } else if (padrao && tokensSao(tokens, v, padrao, {":busca"})) {
            fim = padrao + 1;
        }
        if (fim == 0 || !livreAntes(k) || !livreDepois(fim) ||
            !tabelaReferida(parte, tokens[v[nome]].texto)) {
            profundidade += tokens[v[k]].texto == "(" ? 1 : tokens[v[k]].texto == ")" ? -1 : 0;
            continue;
        }
        const ColunaIndexada *coluna =
            p.dobrado
                ? colunaIndexada(indice, parte, tokens[v[nome]].texto, tokens[v[nome + 2]].texto)
                : nullptr;
        p.trecho = {v[k], v[fim - 1] + 1};
        p.referencia = tokens[v[nome]].texto;
        p.coluna = tokens[v[nome + 2]].texto;
        p.numero = coluna ? coluna->numero : 0;
        p.noTopo = semOr && profundidade == 0;
        p.padrao = {v[padrao], v[fim - 1] + 1};
        achados.push_back(p);
        k = fim - 1;
    }
    return achados;
}

// The column that holds the place in Portuguese order of the expression
// `t.c` or `upper(t.c)` of the select, written `t.coluna`; empty when the
// index has none.
std::string colunaDeOrdem(const std::vector<Token> &tokens, std::vector<size_t> v,
                          const Parte &parte, const Indice &indice) {
    if (v.size() >= 2 && ePalavra(tokens[v[v.size() - 2]], "as"))
        v.resize(v.size() - 2);
    bool maiusculas = false;
    size_t k = 0;
    if (v.size() == 6 && tokensSao(tokens, v, 0, {"upper", "(", "", ".", "", ")"})) {
        maiusculas = true;
        k = 2;
    } else if (v.size() != 3 || !tokensSao(tokens, v, 0, {"", ".", ""})) {
        return {};
    }
    const ColunaIndexada *coluna =
        colunaIndexada(indice, parte, tokens[v[k]].texto, tokens[v[k + 2]].texto);
    const std::string nome =
        coluna ? (maiusculas ? coluna->ordemMaiusculas : coluna->ordemTexto) : std::string();
    return nome.empty() ? nome : tokens[v[k]].texto + "." + nome;
}

std::string textoDe(const std::vector<Token> &tokens, Trecho trecho) {
    std::string texto;
    for (size_t i = trecho.inicio; i < trecho.fim; ++i)
        texto += tokens[i].texto;
    return texto;
}

// The order column of each select for the ORDER BY `ordem` (one term, a
// result column's name or, in a single select, an expression); nullopt when
// some select has none.
std::optional<std::vector<std::string>> colunasDeOrdem(const std::vector<Token> &tokens,
                                                       const std::vector<Parte> &lista,
                                                       Trecho ordem, const Indice &indice) {
    std::vector<size_t> termo = visiveis(tokens, {ordem.inicio, ordem.fim});
    termo.erase(termo.begin(), termo.begin() + 2); // order by
    if (!termo.empty() && ePalavra(tokens[termo.back()], "asc"))
        termo.pop_back();
    if (termo.empty())
        return std::nullopt;
    std::optional<size_t> posicao;
    if (termo.size() == 1 && tokens[termo[0]].tipo == Tipo::Nome) {
        const std::vector<Trecho> &itens = lista.front().itens;
        for (size_t i = 0; i < itens.size() && !posicao; ++i) {
            const std::vector<size_t> item = visiveis(tokens, itens[i]);
            if (item.size() >= 2 && ePalavra(tokens[item[item.size() - 2]], "as") &&
                igualSemCaixa(tokens[item.back()].texto, tokens[termo[0]].texto))
                posicao = i;
        }
    }
    if (!posicao && lista.size() > 1)
        return std::nullopt;
    std::vector<std::string> colunas;
    for (const Parte &parte : lista) {
        const std::vector<size_t> expressao =
            posicao ? (*posicao < parte.itens.size() ? visiveis(tokens, parte.itens[*posicao])
                                                     : std::vector<size_t>{})
                    : termo;
        colunas.push_back(colunaDeOrdem(tokens, expressao, parte, indice));
        if (colunas.back().empty())
            return std::nullopt;
    }
    return colunas;
}

} // namespace

std::string traduzir(std::string_view sql) {
    std::vector<Token> tokens = tokenizar(sql);
    adaptar(tokens);
    return juntar(tokens);
}

Traducao traduzir(std::string_view sql, const Indice &indice) {
    Traducao traducao;
    traducao.varredura = traduzir(sql);
    if (indice.empty())
        return traducao;
    std::vector<Token> tokens = tokenizar(sql);
    Trecho ordem;
    const std::optional<std::vector<Parte>> lista = partes(tokens, ordem);
    if (!lista || lista->size() > maximoDePartes)
        return traducao;
    std::vector<std::vector<Predicado>> achados;
    size_t tabelas = 0;
    for (const Parte &parte : *lista) {
        achados.push_back(predicados(tokens, parte, indice));
        tabelas = std::max(tabelas, parte.tabelas.size());
    }
    if (std::none_of(achados.begin(), achados.end(), [](const auto &daParte) {
            return std::any_of(daParte.begin(), daParte.end(),
                               [](const Predicado &p) { return p.numero > 0; });
        }))
        return traducao;
    std::optional<std::vector<std::string>> ordens;
    if (ordem.inicio < tokens.size()) {
        ordens = colunasDeOrdem(tokens, *lista, ordem, indice);
        if (!ordens)
            return traducao;
    }

    // Text added before each token (and at the end), for both forms and for
    // the index's alone.
    std::vector<std::string> antes(tokens.size() + 1);
    std::vector<std::string> antesIndice(tokens.size() + 1);
    int listas = 0;
    for (size_t p = 0; p < lista->size(); ++p) {
        const Parte &parte = (*lista)[p];
        std::string ocultas;
        if (ordens) {
            ocultas += ", " + (*ordens)[p] + " * " + std::to_string(maximoDePartes + 1) + " + " +
                       std::to_string(p + 1) + " as zel_ordem";
        } else {
            ocultas += ", " + std::to_string(p + 1) + " as zel_parte";
            for (size_t t = 0; t < tabelas; ++t)
                ocultas += ", " +
                           (t < parte.tabelas.size() ? parte.tabelas[t].referencia + ".rowid"
                                                     : std::string("0")) +
                           " as zel_linha" + std::to_string(t + 1);
        }
        antes[parte.from] += ocultas + " ";
        std::vector<std::string> juntadas;
        for (const Predicado &predicado : achados[p]) {
            const std::string padrao = textoDe(tokens, predicado.padrao);
            if (predicado.numero > 0) {
                const std::string linhas =
                    "zel_linhas(" + std::to_string(predicado.numero) + ", " + padrao + ")";
                const std::string &referencia = predicado.referencia;
                const bool juntar = predicado.noTopo && std::find(juntadas.begin(), juntadas.end(),
                                                                  referencia) == juntadas.end();
                if (juntar) {
                    const std::string nome = "zel_l" + std::to_string(++listas);
                    antesIndice[tabelaReferida(parte, referencia)->inicio] +=
                        linhas + " as " + nome + " cross join ";
                    antesIndice[predicado.trecho.inicio] +=
                        "(" + referencia + ".rowid = " + nome + ".linha and ";
                    juntadas.push_back(referencia);
                } else {
                    antesIndice[predicado.trecho.inicio] +=
                        "(" + referencia + ".rowid in (select linha from " + linhas + ") and ";
                }
                antesIndice[predicado.trecho.fim] += ")";
                (predicado.emMinusculas ? traducao.buscaEmMinusculas : traducao.buscaComoDada) =
                    true;
            }
            // The comparison itself in one call (see funcaoLikeDobrado).
            for (size_t i = predicado.trecho.inicio; i < predicado.trecho.fim; ++i)
                tokens[i].texto.clear();
            tokens[predicado.trecho.inicio].texto =
                std::string(predicado.dobrado ? funcaoLikeDobrado : funcaoLike) + "(" +
                predicado.referencia + "." + predicado.coluna + ", " + padrao + ")";
        }
    }
    traducao.ocultas = ordens ? 1 : int(tabelas) + 1;
    traducao.ordenada = ordens.has_value();

    adaptar(tokens);
    const size_t fim = ordens ? ordem.inicio : tokens.size();
    std::string varredura;
    std::string comIndice;
    for (size_t i = 0; i <= fim; ++i) {
        varredura += antes[i];
        comIndice += antes[i] + antesIndice[i];
        if (i < fim) {
            varredura += tokens[i].texto;
            comIndice += tokens[i].texto;
        }
    }
    traducao.varredura = varredura;
    traducao.indice = comIndice;
    return traducao;
}

bool declaraParametro(std::string_view sql, std::string_view nome) {
    for (const Token &t : tokenizar(sql))
        if (t.tipo == Tipo::Parametro && igualSemCaixa(std::string_view(t.texto).substr(1), nome))
            return true;
    return false;
}

} // namespace dialeto
