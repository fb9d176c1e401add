#pragma once

#include <QHeaderView>
#include <QTableView>

#include <vector>

class TextGridModel;

// The title row of a grid: bold white on the program's blue, titles wrapped
// and centred; a title that does not fit shows whole as a tooltip.
class TitleHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit TitleHeader(QWidget *parent = nullptr);

    // The height at which every title shows whole.
    int heightForTitles() const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    bool viewportEvent(QEvent *event) override;

private:
    QString title(int logicalIndex) const;
    QFont titleFont() const;
};

// A table view of a TextGridModel: row 0 of the grid is shown as the fixed
// title header, the column widths are the grid's own (resizing a column
// writes its width back, since widths are saved with the grid), and cells
// wrap their text at the top of the cell. Cells are edited in place, as text
// of one or more lines or, in date columns, with a date picker.
//
// Rows grow to show their wrapped text. Only rows that come into view are
// measured, so that a grid of any length opens and scrolls at once.
class TextGridView : public QTableView {
    Q_OBJECT

public:
    explicit TextGridView(QWidget *parent = nullptr);

    void setGridModel(TextGridModel *model);
    TextGridModel *gridModel() const { return m_model; }

    // Horizontal placement of a cell's text; the text always starts at the top.
    virtual Qt::Alignment cellAlignment(int column, int row) const;
    // Whether the cells of the column are edited with a date picker.
    virtual bool isDateColumn(int column) const;

    void setTitleRowHeight(int height);
    int titleRowHeight() const;
    void fitTitleRowHeight();

    // Every entry row is fitted to its text again (as it comes into view).
    void fitRowHeights();
    void fitRowHeight(int row);

    // Whether the cell shows its whole text at its present size.
    bool cellTextFits(int column, int row) const;

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyGridLayout();
    void applyColumnWidth(int column, int width);
    void storeColumnWidth(int column, int oldWidth, int newWidth);
    void forgetFittedRows();
    void forgetFittedRows(int firstRow, int lastRow);
    void fitRowsInView();
    void fitRowsAround(int row);
    int gridLineWidth() const;
    int lineWidth(int column) const;
    QSize textSize(const QString &text, int column) const;
    int rowHeightForText(int row) const;

    TextGridModel *m_model = nullptr;
    bool m_applyingWidths = false;
    std::vector<bool> m_fittedRows;
};
