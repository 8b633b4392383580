#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <chrono>
#include <functional>

// The progress bar of a long run on standard error: shown only where a person
// watches (a terminal) and only once the run has lasted a second, redrawn at
// most ten times a second on one line, and wiped at the end.
class BarraProgresso {
public:
    using Relogio = std::function<std::chrono::steady_clock::time_point()>;
    using Escrever = std::function<void(const QByteArray &)>;

    // `total` is the size of the input in bytes, or 0 when it is not known
    // (a pipe): the bar then counts rows alone.
    BarraProgresso(bool terminal, qint64 total, Escrever escrever = {}, Relogio relogio = {});
    // Wipes the bar, so that a message after it starts on a clean line.
    ~BarraProgresso() { terminar(); }
    BarraProgresso(const BarraProgresso &) = delete;
    BarraProgresso &operator=(const BarraProgresso &) = delete;

    void atualizar(qint64 bytes, qint64 linhas);
    void terminar();

private:
    bool m_terminal;
    qint64 m_total;
    Escrever m_escrever;
    Relogio m_relogio;
    std::chrono::steady_clock::time_point m_inicio;
    std::chrono::steady_clock::time_point m_ultimo;
    bool m_mostrada = false;
};
