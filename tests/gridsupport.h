#pragma once

#include "textgrid.h"

#include <QList>
#include <QStringList>
#include <QtTest/qtestcase.h>

// rows[r][c] is the text of cell (c, r); the column count is widths.size().
inline TextGrid gridOf(const QList<int> &widths, const QList<QStringList> &rows)
{
    TextGrid grid(64, static_cast<int>(widths.size()), static_cast<int>(rows.size()));
    for (int c = 0; c < widths.size(); ++c)
        grid.setColumnWidth(c, widths[c]);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            grid.setCell(c, r, rows[r][c]);
    return grid;
}

// How QCOMPARE shows a grid that differs (found by argument-dependent lookup).
inline char *toString(const TextGrid &grid)
{
    QString text = QString("%1x%2 widths").arg(grid.columnCount()).arg(grid.rowCount());
    for (int c = 0; c < grid.columnCount(); ++c)
        text += QString(" %1").arg(grid.columnWidth(c));
    for (int r = 0; r < grid.rowCount(); ++r) {
        text += "\n";
        for (int c = 0; c < grid.columnCount(); ++c)
            text += QString("[%1]").arg(grid.cell(c, r));
    }
    return qstrdup(text.toUtf8().constData());
}
