#include "dialeto.h"

#include <cctype>
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

} // namespace

std::string traduzir(std::string_view sql) {
    std::vector<Token> tokens = tokenizar(sql);
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
    std::string saida;
    saida.reserve(sql.size() + 32);
    for (const Token &t : tokens)
        saida += t.texto;
    return saida;
}

bool declaraParametro(std::string_view sql, std::string_view nome) {
    for (const Token &t : tokenizar(sql))
        if (t.tipo == Tipo::Parametro && igualSemCaixa(std::string_view(t.texto).substr(1), nome))
            return true;
    return false;
}

} // namespace dialeto
