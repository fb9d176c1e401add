#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A block of cells as spreadsheets put it on the clipboard: cells separated
// by TAB, rows by LF; a cell that holds a TAB, a line break or a quote is
// quoted, its quotes doubled.
QString clipboardTextOfCells(const QList<QStringList> &rows);

// The block back, row by row. A line break inside a cell becomes CR LF, the
// line break of the book's cells; a line end after the last row adds no row.
QList<QStringList> cellsOfClipboardText(const QString &text);
