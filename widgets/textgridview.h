#pragma once

#include <QHeaderView>
#include <QTableView>

class TextGridModel;

// The title row of a grid: bold white on the program's blue, titles wrapped.
class TitleHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit TitleHeader(QWidget *parent = nullptr);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
};

// A table view of a TextGridModel: row 0 of the grid is shown as the fixed
// title header, the column widths are the grid's own (resizing a column
// writes its width back, since widths are saved with the grid), and cells
// wrap their text at the top of the cell.
class TextGridView : public QTableView {
    Q_OBJECT

public:
    explicit TextGridView(QWidget *parent = nullptr);

    void setGridModel(TextGridModel *model);
    TextGridModel *gridModel() const { return m_model; }

    // Horizontal placement of a cell's text; the text always starts at the top.
    virtual Qt::Alignment cellAlignment(int column, int row) const;

private:
    void applyGridLayout();
    void applyColumnWidth(int column, int width);
    void storeColumnWidth(int column, int oldWidth, int newWidth);

    TextGridModel *m_model = nullptr;
    bool m_applyingWidths = false;
};
