#pragma once

#include <QString>
#include <QStringList>

class QToolButton;
class QWidget;
class TextGridModel;

// A cell that could not be shown as a date or an amount, and what its
// emptied field showed instead.
struct UnshownCell {
    int column = 0;
    QString cell;
    QString emptiedField;
    bool operator==(const UnshownCell &) const = default;
};

// The road between the column fields of the shown panel and a row of the
// book. Fields are found by name, prefix + column; a column without a field
// is skipped. Emptied year fields take the open book's year.
class FieldMapping {
public:
    FieldMapping(const QWidget &window, const QString &prefix, int bookYear)
        : m_window(window), m_prefix(prefix), m_bookYear(bookYear)
    {
    }

    // Writes every column field into the row. An amount of 0 leaves its cell
    // as it was, and so does the field of an unshown cell of that row as long
    // as it shows what emptying it left: the cell's text is never lost to a
    // field that could not show it.
    void Polja_u_grid(TextGridModel &book, int row, const QList<UnshownCell> &unshownInRow) const;

    // Fills every column field from the row. Cells that cannot be shown as a
    // date or an amount leave their field empty and are returned; every other
    // field is still filled.
    QList<UnshownCell> Grid_u_polja(const TextGridModel &book, int row) const;

    // Empties the column fields and sets the year fields to the book's year;
    // date fields and the other sub-fields keep theirs.
    void PoljaIsprazni(int columnCount) const;

    // Every year field of the panel, sub-fields included, to the book's year.
    void resetYearFields() const;

private:
    QWidget *columnField(int column) const;
    void clearField(QWidget *field) const;

    const QWidget &m_window;
    QString m_prefix;
    int m_bookYear;
};

// The line an insert button adds to its composite field, built from the
// composite's sub-fields.
QString insertedLine(const QWidget &window, const QString &compositeName, int subFields);

// Adds a line under the composite field's text.
void appendLine(QWidget &composite, const QString &line);
