#pragma once

#include <QByteArray>
#include <QString>

class TextGrid;
class TextGridModel;

// The cell file: a header "columns,rows", a width line "cw c,w" per column and
// one line "c,r,text" per non-empty cell, row by row, each ended by CR LF, in
// Windows-1250. Users' books are stored this way, so these bytes are fixed.
QByteArray cellFileBytes(const TextGrid &grid);

// Reads into the grid as it is: cells and widths the bytes do not list keep
// what they had. An empty file changes nothing. False (and the grid as it
// was) when the header asks for an impossibly large grid.
bool readCellBytes(QByteArrayView bytes, TextGrid &grid);

// Errors: "Cannot Create " / "Cannot open file " and the native path. Saving
// is atomic: a save that fails leaves the old file whole.
bool saveCellFile(const TextGrid &grid, const QString &path, QString &error);
bool loadCellFile(TextGridModel &model, const QString &path, QString &error);
