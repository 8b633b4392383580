#pragma once

#include <vector>

// One page label of the pager as the fill shows it: the page number it
// carries and whether it can be clicked (the current page's label cannot).
struct RotuloPagina {
    int numero;
    bool habilitado;

    bool operator==(const RotuloPagina &) const = default;
};

// What the pager shows for one fill: page labels 1, 2, ... in order, the
// separators between them, the block labels "-" and "+", and how many rows
// of the result come before the current page.
struct Disposicao {
    std::vector<RotuloPagina> rotulos;
    bool separadores = false;
    bool menos = false;
    bool mais = false;
    int linhasAPular = 0;
};

// The state of a result pager and its arithmetic. A result is shown
// `intLinhasPorPagina` rows at a time; the page labels come in blocks of
// `intPaginasPorBloco`, one block on view. Without blocks (the structure
// browser) there are only two labels, "1" and "2", and later pages are
// reached with the arrows.
//
// The page and block counts are kept in extended precision and are counted
// again only when the result outnumbers one page; they therefore belong to
// the last result that did, until `reiniciar`. The screens reset the state
// before they show a new result.
class EstadoPaginacao {
public:
    static constexpr int semBlocos = 0;

    EstadoPaginacao(int linhasPorPagina, int paginasPorBloco);

    const int intLinhasPorPagina;
    const int intPaginasPorBloco;
    bool reduzido() const { return intPaginasPorBloco == semBlocos; }

    int intPaginaAtual() const { return m_paginaAtual; }
    long double fltTotalPaginas() const { return m_totalPaginas; }
    int intBlocoAtual() const { return m_blocoAtual; }
    long double fltTotalBlocos() const { return m_totalBlocos; }

    // Page 1 of block 1, one page, one block.
    void reiniciar();

    // The pager part of a fill, for a result of `total` rows.
    Disposicao dispor(int total);

    // Rows of the current page (none past the end of the result), and the
    // data rows a grid keeps for it: as many, but at least one, so that only
    // an empty result leaves a single empty row.
    int registrosNaPagina(int total) const;
    int linhasNaGrade(int total) const;

    // The actions of the pager. Each returns whether the page changed; an
    // action that is not possible in the current state does nothing.
    void irParaPagina(int numero); // a page label, by the number it carries
    bool blocoAnterior();          // "-": the last page of the previous block
    bool proximoBloco();           // "+": the first page of the next block
    bool paginaAnterior();         // previous-page arrow
    bool proximaPagina();          // next-page arrow

    // Whether the block labels and the arrows lead anywhere: "-" and "+" are
    // shown, and the arrows show the hand cursor, exactly then. The next
    // arrow leads nowhere from the last page, nor from a page past it (one
    // reached through a label left on view from an earlier result).
    bool haBlocoAnterior() const;
    bool haProximoBloco() const;
    bool haPaginaAnterior() const { return m_paginaAtual > 1; }
    bool haProximaPagina() const { return m_paginaAtual < m_totalPaginas; }

private:
    int blocoDaPagina(int pagina) const;
    Disposicao rotulosDoBloco();
    Disposicao rotulosSemBlocos();

    int m_paginaAtual = 1;
    long double m_totalPaginas = 1.0L;
    int m_blocoAtual = 1;
    long double m_totalBlocos = 1.0L;
};
