#pragma once

#include <QList>
#include <QString>

#include <vector>

class TextGridModel;

// One change the model made, with what undoing it needs and nothing more:
// a cell's text before and after, the cells of removed rows, the cells that
// inserted rows hold.
struct GridChange {
    enum Kind { Cell, RowsInserted, RowsRemoved, ColumnsInserted };

    Kind kind = Cell;
    // The row of a cell or of the first row; the column of a cell or of the first column.
    int row = 0;
    int column = 0;
    int count = 1;
    QString before{};
    QString after{};
    // Row by row, every column.
    QList<QString> cells{};
};

// What one step did to the grid, in order, able to take it back and do it
// again. Texts written into rows the step itself inserted are kept with those
// rows, so that appending many rows costs the rows and not a record per cell.
class GridChanges {
public:
    void add(GridChange change);
    bool isEmpty() const { return m_changes.empty(); }
    // How many changes are held, after those that could be joined were.
    qsizetype size() const { return static_cast<qsizetype>(m_changes.size()); }

    // The row the step was about: where its first change was made.
    int firstRow() const;

    void undo(TextGridModel &book) const;
    void redo(TextGridModel &book) const;

private:
    bool absorbIntoInsertedRows(const GridChange &change);

    std::vector<GridChange> m_changes;
    // The last change when it inserted rows and nothing moved rows or columns since.
    qsizetype m_openRows = -1;
};

// Told of every change of the grid after it is made.
class GridChangeRecorder {
public:
    virtual void recordChange(GridChange change) = 0;
    // The whole grid was replaced (a book was read): earlier changes no longer apply.
    virtual void recordReplacement() = 0;

protected:
    ~GridChangeRecorder() = default;
};
