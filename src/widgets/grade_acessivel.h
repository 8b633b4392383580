#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

class Grade;

// The result grid as assistive technology reads it: a table whose rows are
// the data rows, whose header cells carry the header row's texts, and whose
// cells give the text the user reads (markup removed). Children are the
// cells of every row of the grid, the header row's first, row by row.
//
// A cell stands for a place (a row and a column of the grid), not for a
// text: it always reports what that place holds now, and is invalid while
// the grid has no such row. The table keeps one cell object per place asked
// for, for as long as the grid lives.
class TabelaAcessivel : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TabelaAcessivel(Grade *grade);
    ~TabelaAcessivel() override;

    Grade *grade() const;
    // The cell of the grid's row `linha` (the header row is row 0 when the
    // grid has one), or null outside the grid.
    QAccessibleInterface *celula(int linha, int coluna) const;

    // QAccessibleInterface
    QAccessible::Role role() const override { return QAccessible::Table; }
    QString text(QAccessible::Text tipo) const override;
    int childCount() const override;
    QAccessibleInterface *child(int indice) const override;
    int indexOfChild(const QAccessibleInterface *filho) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    void *interface_cast(QAccessible::InterfaceType tipo) override;

    // QAccessibleTableInterface
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int linha, int coluna) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int coluna) const override;
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int linha) const override;
    bool selectRow(int linha) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int linha) override;
    bool unselectColumn(int) override { return false; }
    // Cells follow places, so a new fill or a sort leaves nothing to drop.
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    int linhasAntes() const; // 1 with a header row, else 0
    mutable QHash<QPair<int, int>, QAccessible::Id> m_celulas;
};
