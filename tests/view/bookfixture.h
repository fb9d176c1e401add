#pragma once

#include "bookgrid.h"
#include "bookhistory.h"
#include "catalogue.h"
#include "textgridmodel.h"
#include "tfr_nk_grid.h"

#include <QSignalSpy>
#include <QTest>

// The book view window on a book of the given kind whose entries carry the
// given running numbers; every other entry cell holds "row/column".
class BookWindow {
public:
    explicit BookWindow(const QStringList &runningNumbers, int kind = 0, int columns = 14)
    {
        KoloneFormati(kind, masks);
        book.edit([&](TextGrid &grid) {
            grid.setColumnCount(columns);
            grid.setRowCount(static_cast<int>(runningNumbers.size()) + 1);
            for (int column = 0; column < columns; ++column)
                grid.setCell(column, 0, QStringLiteral("Stupac %1").arg(column));
            for (int row = 1; row < grid.rowCount(); ++row) {
                grid.setCell(0, row, runningNumbers[row - 1]);
                for (int column = 1; column < columns; ++column)
                    grid.setCell(column, row, QStringLiteral("%1/%2").arg(row).arg(column));
            }
        });
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("The book window was never shown");
    }

    BookGrid *grid() const { return window.findChild<BookGrid *>(QStringLiteral("sg_nk")); }
    template <typename Widget>
    Widget *find(const QString &name) const
    {
        return window.findChild<Widget *>(name);
    }

    QModelIndex cellIndex(int row, int column) const { return book.index(row, column); }
    QStringList runningNumbers() const
    {
        QStringList numbers;
        for (int row = 1; row < book.rowCount(); ++row)
            numbers += book.cell(0, row);
        return numbers;
    }

    TextGridModel book{80};
    BookHistory history{&book};
    ColumnMasks masks;
    Tfr_nk_grid window{&book, &history, &masks};
    QSignalSpy rowToFields{&window, &Tfr_nk_grid::rowToFields};
    QSignalSpy runningNumberSelected{&window, &Tfr_nk_grid::runningNumberSelected};
};

inline QStringList numbersFrom(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers += QString::number(n);
    return numbers;
}
