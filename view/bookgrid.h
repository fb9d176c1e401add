#pragma once

#include "textgridview.h"

struct ColumnMasks;

// The book grid `sg_nk`: running numbers and amount columns right-aligned,
// date columns edited with a date picker, by the masks as they are when a
// cell is drawn or edited. One rectangle of cells is selected at a time; it
// is copied, cut and pasted as spreadsheets exchange cells.
class BookGrid : public TextGridView {
    Q_OBJECT

public:
    // The masks belong to the program and outlive the grid.
    explicit BookGrid(const ColumnMasks *masks, QWidget *parent = nullptr);

    Qt::Alignment cellAlignment(int column, int row) const override;
    bool isDateColumn(int column) const override;

    // True while a cell editor is open.
    bool isEditing() const { return state() == EditingState; }

    void clearSelectedCells();
    void copySelectedCells() const;
    void cutSelectedCells();
    // At the selection's top left corner; rows and columns are added as needed.
    void pasteCells();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Columns as x, rows as y; entry rows only. Empty without a selection.
    QRect selectedCells() const;

    const ColumnMasks *m_masks;
};
