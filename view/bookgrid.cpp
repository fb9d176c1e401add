#include "bookgrid.h"

#include "catalogue.h"
#include "gridclipboard.h"
#include "textgridmodel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

BookGrid::BookGrid(const ColumnMasks *masks, QWidget *parent) : TextGridView(parent), m_masks(masks)
{
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
}

Qt::Alignment BookGrid::cellAlignment(int column, int row) const
{
    if (row == 0)
        return Qt::AlignHCenter;
    if (column == 0 || m_masks->isAmount(column))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

bool BookGrid::isDateColumn(int column) const
{
    return m_masks->isDate(column);
}

void BookGrid::clearSelectedCells()
{
    const QRect cells = selectedCells();
    for (int row = cells.top(); row <= cells.bottom(); ++row) {
        for (int column = cells.left(); column <= cells.right(); ++column)
            gridModel()->setCell(column, row, QString());
    }
}

void BookGrid::copySelectedCells() const
{
    const QRect cells = selectedCells();
    if (cells.isEmpty())
        return;
    QList<QStringList> rows;
    for (int row = cells.top(); row <= cells.bottom(); ++row) {
        QStringList texts;
        for (int column = cells.left(); column <= cells.right(); ++column)
            texts += gridModel()->cell(column, row);
        rows += texts;
    }
    QGuiApplication::clipboard()->setText(clipboardTextOfCells(rows));
}

void BookGrid::cutSelectedCells()
{
    copySelectedCells();
    clearSelectedCells();
}

void BookGrid::pasteCells()
{
    const QList<QStringList> rows = cellsOfClipboardText(QGuiApplication::clipboard()->text());
    const QRect cells = selectedCells();
    if (rows.isEmpty() || cells.isEmpty())
        return;
    qsizetype width = 0;
    for (const QStringList &row : rows)
        width = std::max(width, row.size());
    TextGridModel *model = gridModel();
    const int columnsNeeded = cells.left() + static_cast<int>(width);
    if (columnsNeeded > model->columnCount())
        model->insertColumns(model->columnCount(), columnsNeeded - model->columnCount());
    model->setRowCount(std::max(model->rowCount(), cells.top() + static_cast<int>(rows.size())));
    for (qsizetype r = 0; r < rows.size(); ++r) {
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            model->setCell(cells.left() + static_cast<int>(c), cells.top() + static_cast<int>(r), rows[r][c]);
    }
}

void BookGrid::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy)
        copySelectedCells();
    else if (event == QKeySequence::Cut)
        cutSelectedCells();
    else if (event == QKeySequence::Paste)
        pasteCells();
    else
        TextGridView::keyPressEvent(event);
}

QRect BookGrid::selectedCells() const
{
    QRect cells;
    for (const QItemSelectionRange &range : selectionModel()->selection())
        cells |= QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom()));
    // Select all takes in the hidden title row too; the titles are no entries.
    if (cells.top() < 1 && !cells.isEmpty())
        cells.setTop(1);
    return cells;
}
