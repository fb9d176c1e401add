#pragma once

#include <QString>
#include <QStringList>

class QToolButton;
class QWidget;
class TextGridModel;

// The road between the column fields of the shown panel and a row of the
// book. Fields are found by name, prefix + column; a column without a field
// is skipped.
class FieldMapping {
public:
    FieldMapping(const QWidget &window, const QString &prefix) : m_window(window), m_prefix(prefix) {}

    // Writes every column field into the row. An amount of 0 leaves its cell
    // as it was.
    void Polja_u_grid(TextGridModel &book, int row) const;

    // Fills every column field from the row. Cells that cannot be shown as a
    // date or an amount leave their field empty and are named in the result;
    // every other field is still filled.
    QStringList Grid_u_polja(const TextGridModel &book, int row) const;

    // Empties the column fields; date fields and sub-fields keep theirs.
    void PoljaIsprazni(int columnCount) const;

private:
    QWidget *columnField(int column) const;

    const QWidget &m_window;
    QString m_prefix;
};

// The line an insert button adds to its composite field, built from the
// composite's sub-fields.
QString insertedLine(const QWidget &window, const QString &compositeName, int subFields);

// Adds a line under the composite field's text.
void appendLine(QWidget &composite, const QString &line);
