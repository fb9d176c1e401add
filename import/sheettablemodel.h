#pragma once

#include "sheettable.h"

#include <QAbstractTableModel>

// A loaded client table as the window's read-only grids show it: every row
// a grid row, headings included.
class SheetTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(const SheetTable &table);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    SheetTable m_table;
};
