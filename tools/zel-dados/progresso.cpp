#include "progresso.h"

#include <unistd.h>

namespace {

using namespace std::chrono_literals;

constexpr auto espera = 1s;
constexpr auto intervalo = 100ms;
constexpr int largura = 30;

void escreverErroPadrao(const QByteArray &texto) {
    const char *dados = texto.constData();
    qsizetype resto = texto.size();
    while (resto > 0) {
        const ssize_t escritos = ::write(STDERR_FILENO, dados, size_t(resto));
        if (escritos <= 0)
            return; // a bar that cannot be drawn is no reason to stop
        dados += escritos;
        resto -= escritos;
    }
}

} // namespace

BarraProgresso::BarraProgresso(bool terminal, qint64 total, Escrever escrever, Relogio relogio)
    : m_terminal(terminal), m_total(total),
      m_escrever(escrever ? std::move(escrever) : escreverErroPadrao),
      m_relogio(relogio ? std::move(relogio) : [] { return std::chrono::steady_clock::now(); }) {
    m_inicio = m_relogio();
    m_ultimo = m_inicio;
}

void BarraProgresso::atualizar(qint64 bytes, qint64 linhas) {
    if (!m_terminal)
        return;
    const auto agora = m_relogio();
    if (agora - m_inicio < espera || (m_mostrada && agora - m_ultimo < intervalo))
        return;
    m_ultimo = agora;
    m_mostrada = true;
    QByteArray linha = "\r";
    if (m_total > 0) {
        const qint64 feito = std::min(bytes, m_total);
        const int cheios = int(feito * largura / m_total);
        linha += '[' + QByteArray(cheios, '#') + QByteArray(largura - cheios, '-') + "] " +
                 QByteArray::number(feito * 100 / m_total).rightJustified(3) + "%  ";
    }
    linha += QByteArray::number(linhas) + " linhas";
    m_escrever(linha);
}

void BarraProgresso::terminar() {
    if (m_mostrada)
        m_escrever("\r\x1b[K");
    m_mostrada = false;
}
