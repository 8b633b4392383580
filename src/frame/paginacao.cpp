#include "paginacao.h"

#include <algorithm>
#include <cmath>

namespace {

// The quotient rounded up: its integer part, plus one when a fraction is left.
long double arredondadoParaCima(long double quociente) {
    const long double inteiro = std::trunc(quociente);
    return inteiro < quociente ? inteiro + 1.0L : inteiro;
}

} // namespace

EstadoPaginacao::EstadoPaginacao(int linhasPorPagina, int paginasPorBloco)
    : intLinhasPorPagina(linhasPorPagina), intPaginasPorBloco(paginasPorBloco) {}

void EstadoPaginacao::reiniciar() {
    m_paginaAtual = 1;
    m_totalPaginas = 1.0L;
    m_blocoAtual = 1;
    m_totalBlocos = 1.0L;
}

Disposicao EstadoPaginacao::dispor(int total) {
    const bool variasPaginas = total > intLinhasPorPagina;
    if (variasPaginas) {
        m_totalPaginas = arredondadoParaCima(static_cast<long double>(total) / intLinhasPorPagina);
        if (!reduzido())
            m_totalBlocos = arredondadoParaCima(m_totalPaginas / intPaginasPorBloco);
    }
    Disposicao disposicao;
    if (reduzido())
        disposicao = rotulosSemBlocos();
    else if (variasPaginas)
        disposicao = rotulosDoBloco();
    else
        disposicao.rotulos = {{1, false}};
    disposicao.separadores = !reduzido();
    disposicao.menos = haBlocoAnterior();
    disposicao.mais = haProximoBloco();
    disposicao.linhasAPular = (m_paginaAtual - 1) * intLinhasPorPagina;
    return disposicao;
}

// The labels of the block on view, up to the last page.
Disposicao EstadoPaginacao::rotulosDoBloco() {
    Disposicao disposicao;
    const int primeira = (m_blocoAtual - 1) * intPaginasPorBloco + 1;
    for (int n = primeira; n < primeira + intPaginasPorBloco && n <= m_totalPaginas; ++n)
        disposicao.rotulos.push_back({n, n != m_paginaAtual});
    return disposicao;
}

// "1" and "2" while there is more than one page, "1" alone otherwise.
Disposicao EstadoPaginacao::rotulosSemBlocos() {
    Disposicao disposicao;
    if (m_totalPaginas > 1)
        disposicao.rotulos = {{1, m_paginaAtual != 1}, {2, m_paginaAtual != 2}};
    else
        disposicao.rotulos = {{1, false}};
    return disposicao;
}

int EstadoPaginacao::registrosNaPagina(int total) const {
    const long long restantes =
        total - static_cast<long long>(m_paginaAtual - 1) * intLinhasPorPagina;
    return static_cast<int>(std::clamp<long long>(restantes, 0, intLinhasPorPagina));
}

int EstadoPaginacao::linhasNaGrade(int total) const {
    return std::max(1, registrosNaPagina(total));
}

int EstadoPaginacao::blocoDaPagina(int pagina) const {
    return reduzido() ? 1 : (pagina - 1) / intPaginasPorBloco + 1;
}

// The label shown belongs to the block on view; taking the block from the
// page keeps the two together even for a label left over from an earlier
// result.
void EstadoPaginacao::irParaPagina(int numero) {
    m_paginaAtual = numero;
    m_blocoAtual = blocoDaPagina(numero);
}

bool EstadoPaginacao::haBlocoAnterior() const {
    return !reduzido() && m_paginaAtual > intPaginasPorBloco;
}

bool EstadoPaginacao::haProximoBloco() const {
    return !reduzido() && m_paginaAtual <= (m_totalBlocos - 1) * intPaginasPorBloco;
}

bool EstadoPaginacao::blocoAnterior() {
    if (!haBlocoAnterior())
        return false;
    --m_blocoAtual;
    m_paginaAtual = m_blocoAtual * intPaginasPorBloco;
    return true;
}

bool EstadoPaginacao::proximoBloco() {
    if (!haProximoBloco())
        return false;
    ++m_blocoAtual;
    m_paginaAtual = (m_blocoAtual - 1) * intPaginasPorBloco + 1;
    return true;
}

bool EstadoPaginacao::paginaAnterior() {
    if (!haPaginaAnterior())
        return false;
    if (!reduzido() && m_paginaAtual == (m_blocoAtual - 1) * intPaginasPorBloco + 1)
        --m_blocoAtual;
    --m_paginaAtual;
    return true;
}

bool EstadoPaginacao::proximaPagina() {
    if (!haProximaPagina())
        return false;
    if (!reduzido() && m_paginaAtual == m_blocoAtual * intPaginasPorBloco)
        ++m_blocoAtual;
    ++m_paginaAtual;
    return true;
}
