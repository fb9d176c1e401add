#pragma once

#include <QString>

class TextGrid;

// Row lookups in a column of a book: entries only (row 1 down, never the
// title row), the first match wins, 0 when nothing matches. An empty text
// matches nothing.

// A cell that contains the text anywhere, case distinguished: "4" finds the
// entry numbered 14 when it comes first.
int findRowContaining(const TextGrid &grid, int column, const QString &text);

// A cell equal to the text: a running number finds its own entry only.
int findRowEqualTo(const TextGrid &grid, int column, const QString &text);
