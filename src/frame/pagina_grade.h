#pragma once

#include <QStringList>
#include <functional>

class Consulta;
class Grade;
class Paginador;

// How the result screens fill their grid with the current page of an open
// query: the grid goes back to its header and one data row, all cleared; the
// header is written; the pager lays out its labels for the whole result and
// says how many records come before the page; then each record of the page
// gets its own grid row, filled in column order with what `celulas` makes of
// it; finally the query is back on its first row. The grid thus ends with as
// many data rows as the page holds (an empty result leaves one empty row).
struct PaginaGrade {
    using Cabecalho = std::function<QStringList(int total)>;
    using Celulas = std::function<QStringList(const Consulta &registro)>;

    Grade &grade;
    Paginador &paginador;
    Cabecalho cabecalho; // header texts for a result of `total` rows; none on a grid without header
    Celulas celulas;

    // Returns the result's row count.
    int preencher(Consulta &consulta) const;
};
