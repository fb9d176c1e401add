#pragma once

#include "gridchanges.h"
#include "textgrid.h"

#include <QAbstractTableModel>

// The grid as the views see it. Model rows and columns are the grid's own, so
// row 0 is the title row; the views show it as their header (headerData).
// Text entering through the model is reduced to what Windows-1250 holds, so
// what is shown is exactly what will be saved. Every change is told to the
// recorder, if there is one, so that it can be undone.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TextGridModel(int defaultColumnWidth, QObject *parent = nullptr);

    const TextGrid &grid() const { return m_grid; }

    // Bulk change of the whole grid (loading a file, emptying it); the views
    // are reset once.
    template <typename Change>
    void edit(Change &&change)
    {
        beginResetModel();
        change(m_grid);
        endResetModel();
        if (m_recorder)
            m_recorder->recordReplacement();
    }

    void setChangeRecorder(GridChangeRecorder *recorder) { m_recorder = recorder; }

    const QString &cell(int column, int row) const { return m_grid.cell(column, row); }
    void setCell(int column, int row, const QString &text);
    // Writes entry rows of texts from firstRow (1 or below) down, cut to the
    // grid's width, as one change.
    void setRows(int firstRow, const QList<QStringList> &rows);

    void setColumnWidth(int column, int width);
    void setRowCount(int rows);
    // Rows holding the cells, row by row, every column.
    void insertFilledRows(int row, int count, const QList<QString> &cells);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool insertRows(int row, int count, const QModelIndex &parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    bool insertColumns(int column, int count, const QModelIndex &parent = {}) override;
    bool removeColumns(int column, int count, const QModelIndex &parent = {}) override;

Q_SIGNALS:
    void columnWidthChanged(int column, int width);

private:
    void record(GridChange change);

    TextGrid m_grid;
    GridChangeRecorder *m_recorder = nullptr;
};
