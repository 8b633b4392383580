#pragma once

#include "paginacao.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>
#include <vector>

class BotaoFigura;
class Grade;
class QLabel;
class QWidget;
class RotuloLink;

// Where a screen puts its pager, in the coordinates of the pager's parent.
struct ConfiguracaoPaginador {
    // Lefts of page labels 2, 3, ..., of separators 1, 2, ... and of "+",
    // on the screens that keep every label at its design place.
    struct LugaresFixos {
        std::vector<int> rotulos;
        std::vector<int> separadores;
        int mais = 0;
    };

    int linhasPorPagina = 0;
    int paginasPorBloco = 0; // EstadoPaginacao::semBlocos: labels "1" and "2" only, no "-", "+"
    QPoint paginas;          // "Páginas:"
    int topo = 0;            // the line of the page labels, separators, "-" and "+"
    int esquerdaMenos = 0;
    int esquerdaPrimeiro = 0;
    // Absent: the labels after the first one are placed at run time, each
    // 5 pixels right of a separator that stands 5 pixels right of the label
    // before it, and "+" 5 pixels right of the last label shown.
    std::optional<LugaresFixos> lugaresFixos;
    QPoint setaAnterior;
    QPoint setaProxima;
};

// The result pager of a screen: the label "Páginas:", the page labels with
// their separators, the block labels "-" and "+" and the two arrows, built on
// the given parent, with the pager's state and handlers.
//
// The screen gives its fill routine, which runs after every action that
// changes the page and calls `dispor` to lay out the pager for the result it
// reads, and the step that sets its column widths again after an arrow has
// moved the page (none on a screen without a grid). The pager belongs to its
// parent, like the controls it builds.
class Paginador : public QObject {
    Q_OBJECT
public:
    using Acao = std::function<void()>;

    Paginador(QWidget *pai, const ConfiguracaoPaginador &configuracao, Acao alimentar,
              Acao larguras = {});

    EstadoPaginacao &estado() { return m_estado; }
    const EstadoPaginacao &estado() const { return m_estado; }
    void reiniciar() { m_estado.reiniciar(); }

    // The pager part of a fill for a result of `total` rows: shows and
    // places the page labels and separators of the current block and the
    // block labels, and hides the others. A pager control with the focus that
    // the fill hides or disables hands it, in one step, to its nearest
    // neighbour that still takes it. Returns how many rows of the result come
    // before the current page.
    int dispor(int total);

    // Page Up and Page Down in the screen's grid act as the arrows.
    void ligarGrade(Grade *grade);

    void prcMudaPagina_Primeira();
    void prcMudaPagina_Segundo();
    void prcMudaPagina_Terceira();
    void prcMudaPagina_Quarto();
    void prcMudaPagina_Quinto();
    void prcMudaPagina_Sexto();
    void prcMudaPagina_Setimo();
    void prcMudaPagina_Oitavo();
    void prcMudaPagina_Nono();
    void prcMudaPagina_Decimo();
    void prcMudaPagina_Menos();
    void prcMudaPagina_Mais();
    void prcMoverProximaPagina();
    void prcMoverPaginaAnterior();
    void prcCursorProximaPagina();
    void prcCursorPaginaAnterior();

    // Without blocks only the first two page labels and the first separator
    // exist, and there is no "-" or "+" (null).
    QLabel *obj_Lb_Paginas = nullptr;
    RotuloLink *obj_Bt_Pagina_Primeiro = nullptr;
    RotuloLink *obj_Bt_Pagina_Segundo = nullptr;
    RotuloLink *obj_Bt_Pagina_Terceiro = nullptr;
    RotuloLink *obj_Bt_Pagina_Quarto = nullptr;
    RotuloLink *obj_Bt_Pagina_Quinto = nullptr;
    RotuloLink *obj_Bt_Pagina_Sexto = nullptr;
    RotuloLink *obj_Bt_Pagina_Setimo = nullptr;
    RotuloLink *obj_Bt_Pagina_Oitavo = nullptr;
    RotuloLink *obj_Bt_Pagina_Nono = nullptr;
    RotuloLink *obj_Bt_Pagina_Decimo = nullptr;
    QLabel *obj_Bt_Pagina_Separador1 = nullptr;
    QLabel *obj_Bt_Pagina_Separador2 = nullptr;
    QLabel *obj_Bt_Pagina_Separador3 = nullptr;
    QLabel *obj_Bt_Pagina_Separador4 = nullptr;
    QLabel *obj_Bt_Pagina_Separador5 = nullptr;
    QLabel *obj_Bt_Pagina_Separador6 = nullptr;
    QLabel *obj_Bt_Pagina_Separador7 = nullptr;
    QLabel *obj_Bt_Pagina_Separador8 = nullptr;
    QLabel *obj_Bt_Pagina_Separador9 = nullptr;
    RotuloLink *obj_Bt_Pagina_Menos = nullptr;
    RotuloLink *obj_Bt_Pagina_Mais = nullptr;
    BotaoFigura *obj_Bt_RespostaBusca_Menos = nullptr;
    BotaoFigura *obj_Bt_RespostaBusca_Mais = nullptr;

private:
    int quantidadeRotulos() const;
    RotuloLink *rotulo(int k) const;
    QLabel *separador(int k) const;
    void criarControles(QWidget *pai);
    void conectar();
    void mudarParaRotulo(int k);
    void alimentarSe(bool mudou);
    void alimentarComLargurasSe(bool mudou);

    ConfiguracaoPaginador m_configuracao;
    EstadoPaginacao m_estado;
    Acao m_alimentar;
    Acao m_larguras;
};
