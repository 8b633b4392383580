#pragma once

#include <string>
#include <string_view>

// Text functions that the database engine uses for titles. They work on UTF-8
// and follow Unicode, not only the letters a to z.
namespace textos {

// Lower case with accents and other combining marks removed, so that a title
// search ignores both case and accents ("MÉDICO" -> "medico"); every kind of
// blank between words (a non-breaking space pasted from elsewhere, a thin
// space) becomes a plain space, so that a search typed with the space bar
// finds it.
void minusculasSemAcento(std::string_view utf8, std::string &saida);

// A LIKE pattern as the engine runs it with case_sensitive_like and no
// ESCAPE: '%' stands for any run of characters, '_' for one character, any
// other character for itself. Characters are read as the engine reads them
// (invalid UTF-8 included), and each text ends at its first NUL, where the
// engine stops. Read once, matched against many texts: a pattern that is one
// run of characters between '%' or none is a search for bytes.
class PadraoLike {
public:
    explicit PadraoLike(std::string_view padrao);
    // texto LIKE padrao
    bool casa(std::string_view texto) const;
    // LOWER(titulo) LIKE padrao with our LOWER (minusculasSemAcento), without
    // folding a title that matches a short run the folding keeps; `dobrado`
    // is a buffer the caller keeps between calls.
    bool casaDobrado(std::string_view titulo, std::string &dobrado) const;

private:
    bool terminaAli(std::string_view texto, size_t fim) const;

    std::string m_padrao;
    std::string m_trecho;   // the pattern without its '%' at both ends
    bool m_simples = false; // the run holds no wildcard, and reads one way
    bool m_antes = false;   // '%' before the run
    bool m_depois = false;  // '%' after it
    bool m_terminaEmAscii = false;
    bool m_mantidoAoDobrar = false; // ASCII without capitals
};

// Upper case that keeps accents ("médico" -> "MÉDICO").
void maiusculas(std::string_view utf8, std::string &saida);

// Portuguese dictionary order: negative, zero or positive like strcmp.
int compararPortugues(std::string_view a, std::string_view b);

} // namespace textos
