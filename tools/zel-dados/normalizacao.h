#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

// How the coder reads a job title written by a person.
namespace normalizacao {

// The text as the title search compares it (LOWER: lower case, accents
// removed), every character that is neither a letter nor a digit read as a
// blank, blanks collapsed, none at either end: "Médico(a)  de Família." ->
// "medico a de familia".
std::string normalizar(const QString &texto);

// The stem of a normalized word: Portuguese plural and gender endings taken
// away, so that "medica", "medicos" and "medico" meet, and "professoras" and
// "professor", "cirurgioes" and "cirurgia".
std::string radical(std::string_view palavra);

// The stems of the words of a normalized text that carry meaning, each once,
// in the order they come: single letters and small words ("de", "da", "em",
// "para" ...) are left out.
std::vector<std::string> radicais(std::string_view normalizado);

// Edit distance in which swapping two neighbouring characters counts as one
// edit (optimal string alignment), counted on bytes.
int distancia(std::string_view a, std::string_view b);

} // namespace normalizacao
