#pragma once

#include "grade_celulas.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QHelpEvent>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QMenu;

// The result grid of the screens: a read-only table of text cells, ColCount
// columns by RowCount rows, with an optional fixed header row (row 0),
// whole-row selection, cells in mini-HTML (bold, italic; see grade_html.h)
// and sorting by the header: by a click on it, by the context menu or by a
// press from assistive technology.
//
// It paints itself: its cells keep their texts as styled runs and glyphs,
// made once, and are drawn by the cell painter of grade_celulas.h.
//
// Rows are scrolled a whole row at a time; the header row never scrolls. The
// grid has no horizontal scroll bar: columns are laid out left to right with
// their widths. A text that does not fit the visible part of its cell is cut
// and ended with "…" (elisao.h), and the whole text (markup removed) is the
// cell's tooltip.
class Grade : public QAbstractScrollArea {
    Q_OBJECT
public:
    // `cabecalho`: row 0 is a fixed header row. `alturaLinha`: the height of
    // every row, its bottom grid line included (16 or 17).
    Grade(QWidget *pai, const QRect &geometria, int colunas, bool cabecalho, int alturaLinha);

    // RowCount := n (header included); rows beyond n go, new rows are empty.
    // No row stays selected.
    void definirTotalLinhas(int n);
    int totalLinhas() const { return int(m_linhas.size()); }
    int totalColunas() const { return int(m_larguras.size()); }
    bool temCabecalho() const { return m_cabecalho; }
    int alturaLinha() const { return m_alturaLinha; }

    // Every cell, the header included, becomes empty; RowCount stays. No row
    // stays selected.
    void limpar();
    void adicionarLinha();

    // Writes outside the grid (a column or a row that does not exist) are
    // ignored; reads outside it give an empty text.
    void definirCelula(int coluna, int linha, const QString &texto);
    QString celula(int coluna, int linha) const;

    // Each text into the first still-empty cell of the row, left to right; an
    // empty text is stored as " " so that it still fills its cell; a text for
    // which no empty cell is left is dropped.
    void acrescentarNaLinha(int linha, const QStringList &textos);

    void definirLarguraColuna(int coluna, int pixels);
    int larguraColuna(int coluna) const;

    // OnGetAlignment: the horizontal alignment of a cell (left, centre or
    // right). Without a handler every cell is left-aligned.
    using Alinhamento = std::function<Qt::Alignment(int linha, int coluna)>;
    void definirAlinhamento(Alinhamento alinhamento);

    // The text colour of selected rows: red (default) or the window-text colour.
    void definirCorTextoSelecionado(const QColor &cor);
    QColor corTextoSelecionado() const { return m_corSelecionado; }

    // Vertical scroll bar as needed (the family description grids) or never
    // (the default). The mouse wheel and the keys scroll the rows either way.
    void definirBarraVertical(bool ligada);

    // Sorting by header: the sort column and its direction (ascending at start).
    void definirColunaOrdenacaoInicial(int coluna);
    int colunaOrdenacao() const { return m_colunaOrdenacao; }
    bool ordemDescendente() const { return m_descendente; }

    // The action of a click on the header cell of `coluna`, as the user gets
    // it: on a grid with a header row and at least two data rows, reverses the
    // direction when `coluna` is the sort column, else makes it the sort
    // column, ascending; then sorts the data rows (stable, Portuguese
    // dictionary order of the text shown). Otherwise nothing changes. Returns
    // whether it sorted. The click, the context menu's "Ordenar por" entries
    // and the header cells' press action for assistive technology all call it.
    bool ordenarPeloCabecalho(int coluna);
    // Whether the header sorts now: a header row and at least two data rows.
    bool ordenavel() const;
    // What sorting by `coluna` does now, as the menu and assistive technology
    // name it: "Ordenar por " + its header text + ", crescente" or
    // ", decrescente", the order it gives.
    QString nomeOrdenacao(int coluna) const;
    // The order the header's indicator shows on `coluna`: "Ordem crescente"
    // or "Ordem decrescente" on the sort column, empty on the others.
    QString ordemIndicada(int coluna) const;

    // Selected rows in increasing order (never the header row).
    QList<int> linhasSelecionadas() const;
    void selecionarLinhas(int de, int ate); // the rows de..ate (either order)
    void limparSelecao();

    // The first row shown below the header (the scroll position).
    int primeiraLinhaVisivel() const;
    void rolarPara(int linha);  // makes the row visible
    int linhasVisiveis() const; // data rows that fit whole
    int larguraVisivel() const; // of the area the columns are drawn in

    // The cell at a viewport point: row -1 below the last row, column -1 past
    // the last column.
    int linhaEm(QPoint ponto) const;
    int colunaEm(QPoint ponto) const;
    QRect retanguloCelula(int coluna, int linha) const; // in viewport coordinates

    // The text of a cell as drawn (markup removed): whole, or cut and ended
    // with "…" when it does not fit the visible part of its cell; and where
    // it is drawn, in viewport coordinates (empty for an empty cell or a row
    // not on view).
    QString textoMostrado(int coluna, int linha) const;
    QRect retanguloTexto(int coluna, int linha) const;

    // Draws the visible cells of the viewport's `area` (what a paint event
    // does; public for the benchmark).
    void pintar(QPainter &pintor, const QRect &area) const;

    // The text of a cell as the user reads it, markup removed.
    QString textoVisivel(int coluna, int linha) const;
    // The row last clicked or moved to, -1 when none.
    int linhaAtual() const { return m_atual; }

    // Keyboard and clipboard (grade_teclado.cpp). Enter does what a double
    // click on the current row does; Page Up and Page Down ask the pager,
    // when one is given, for the previous or next page (it answers whether
    // the page changed; if not, the keys move the current row as usual); Ctrl+C and
    // the context menu ("Copiar", "Copiar código") copy the selected rows.
    // The context menu (the right button, the menu key or Shift+F10) also
    // sorts by each column of the header, as a click on it does.
    using Paginacao = std::function<bool(int sentido)>; // -1 previous, +1 next
    void definirPaginacao(Paginacao paginacao);
    // The column that holds the code of a row (0 unless told).
    void definirColunaCodigo(int coluna);
    int colunaCodigo() const { return m_colunaCodigo; }
    // The selected rows, one line each (no line break after the last), as
    // the visible texts of their cells separated by tabs, each trimmed; or
    // only the code of each: the first word of its code column.
    QString textoSelecionado() const;
    QString codigosSelecionados() const;
    void copiar() const;
    void copiarCodigos() const;

signals:
    // OnDblClickCell. A double click on the header row, or on the empty area
    // below the last row, reports row 0; `coluna` is the column under the
    // pointer (-1 past the last column).
    void duploClique(int linha, int coluna);

protected:
    void paintEvent(QPaintEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void mouseDoubleClickEvent(QMouseEvent *evento) override;
    void wheelEvent(QWheelEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void scrollContentsBy(int dx, int dy) override;
    void contextMenuEvent(QContextMenuEvent *evento) override;
    void focusInEvent(QFocusEvent *evento) override;
    void focusOutEvent(QFocusEvent *evento) override;
    bool viewportEvent(QEvent *evento) override;

private:
    using Celula = grade_celulas::Celula;
    struct Linha {
        QList<Celula> celulas;
        bool selecionada = false;
    };

    int linhasFixas() const { return m_cabecalho && !m_linhas.isEmpty() ? 1 : 0; }
    int primeiraLinhaDados() const { return m_cabecalho ? 1 : 0; }
    Linha linhaVazia() const;
    // Where the cell at `linha`, `coluna`, placed at `retangulo`, draws its
    // text: its room ends before the header's sort indicator and before the
    // right edge of the cell or of the visible area, whichever comes first.
    grade_celulas::Desenho desenho(const Celula &celula, const QRect &retangulo, int linha,
                                   int coluna) const;
    void mostrarDicaCelula(QHelpEvent *evento);
    void pintarIndicador(QPainter &pintor, const QRect &retangulo) const;
    int yLinha(int linha) const; // top of a row in viewport coordinates, or -1 when not shown
    void atualizarRolagem();
    void estenderSelecao(int ate);
    void moverAtual(int linha, bool estender);
    // Keys that the grid handles beyond moving the current row; returns
    // whether it handled `evento`.
    bool teclaDeAcesso(QKeyEvent *evento);
    void adicionarOrdenacao(QMenu &menu);
    void pintarMarcaFoco(QPainter &pintor) const;

    // Assistive technology hears of a new fill or sort and of a new selection
    // once the handler that made them ends (grade_acessivel.cpp).
    enum Aviso { AvisoConteudo = 1, AvisoSelecao = 2 };
    void avisar(int avisos);
    void enviarAvisos();

    QList<Linha> m_linhas;
    QList<int> m_larguras;
    bool m_cabecalho;
    int m_alturaLinha;
    Alinhamento m_alinhamento;
    QColor m_corSelecionado;
    int m_colunaOrdenacao = 0;
    bool m_descendente = false;

    int m_ancora = -1; // where a range selection starts
    int m_atual = -1;  // the row last clicked or moved to
    bool m_arrastando = false;
    int m_cabecalhoPressionado = -1; // header column under a press, for the click
    int m_restoRoda = 0;             // wheel angle not yet turned into rows
    int m_colunaCodigo = 0;
    Paginacao m_paginacao;
    bool m_marcaFoco = false; // the focus came, or stays, by the keyboard: its mark shows
    int m_avisosPendentes = 0;

    grade_celulas::Pintor m_pintor;
};
