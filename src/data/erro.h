#pragma once

#include <QString>
#include <exception>
#include <string>

// An error that ends the user action in progress. The database layer and the
// HTML viewer throw it; the application shows its text in a message box and
// goes on with the event loop.
class Erro : public std::exception {
public:
    explicit Erro(QString texto) : m_texto(std::move(texto)), m_utf8(m_texto.toStdString()) {}
    const QString &texto() const { return m_texto; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_texto;
    std::string m_utf8;
};

// Failure of the database engine: missing directory or file, missing table or
// column, a statement it cannot run. Carries the engine's own message.
class ErroBanco : public Erro {
public:
    using Erro::Erro;
};
