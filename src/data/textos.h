#pragma once

#include <string>
#include <string_view>

// Text functions that the database engine uses for titles. They work on UTF-8
// and follow Unicode, not only the letters a to z.
namespace textos {

// Lower case with accents and other combining marks removed, so that a title
// search ignores both case and accents ("MÉDICO" -> "medico").
void minusculasSemAcento(std::string_view utf8, std::string &saida);

// Upper case that keeps accents ("médico" -> "MÉDICO").
void maiusculas(std::string_view utf8, std::string &saida);

// Portuguese dictionary order: negative, zero or positive like strcmp.
int compararPortugues(std::string_view a, std::string_view b);

} // namespace textos
