#pragma once

#include "bookreport.h"

#include <QWidget>

struct ColumnMasks;
class BookGrid;
class CommandGroup;
struct PrintRequest;
class BookHistory;
class QFrame;
class QKeyEvent;
class QToolButton;
class TextGridModel;

// The book view window: the open book's grid, moving between its entries,
// deleting an entry and emptying cells. The entry window follows the grid
// through the signals; nothing here saves.
class Tfr_nk_grid : public QWidget {
    Q_OBJECT

public:
    // The book, its history and the current masks belong to the program and
    // outlive the window. Every change made here is a step of the history.
    Tfr_nk_grid(TextGridModel *book, BookHistory *history, const ColumnMasks *masks, QWidget *parent = nullptr);

    // The first entry whose cell in the column contains the text (case
    // distinguished), made the current row; 0 when none. The column becomes
    // the current column either way.
    int Trazi(int column, const QString &text);

    int currentRow() const;

    // The title row as high as its tallest wrapped title, never lower than a row.
    void fitTitleRowHeight();
    // After a book is loaded, and after an entry is written.
    void fitRowHeights();
    void fitRowHeight(int row);

    // Loads the report template and prepares it for the open book; the
    // report keeps its layout when the load fails.
    bool loadReportTemplate(const QString &path, QString &error);
    // Fills the title block, lays out the requested entries and shows them
    // in the print preview.
    void printReport(const PrintRequest &request, const TitleBlock &title);
    // Makes the entry the current one, as selecting it in the grid does.
    void selectEntry(int row);

    QFrame *pn_top = nullptr;
    CommandGroup *fcButtonGroup1 = nullptr;
    QToolButton *bt_sljedeci = nullptr;
    QToolButton *bt_prethodni = nullptr;
    QToolButton *bt_kraj = nullptr;
    QToolButton *bt_pocetak = nullptr;
    QToolButton *bt_brisi = nullptr;
    QWidget *pn_sg = nullptr;
    BookGrid *sg_nk = nullptr;
    Report rp_nk;

Q_SIGNALS:
    // Fill the entry fields from this row of the book.
    void rowToFields(int row);
    // "R. br.: " and the running number of the row selected in the grid.
    void runningNumberSelected(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    QToolButton *addButton(const char *name, const QIcon &icon, const QString &hint);

    void sg_nkSelectCell(int row);
    // True when the key was handled here and must not reach the grid.
    bool sg_nkKeyDown(const QKeyEvent *event);
    void bt_sljedeciClick();
    void bt_prethodniClick();
    void bt_krajClick();
    void bt_pocetakClick();
    void bt_brisiClick();

    bool hasEntries() const;
    int lastEntryRow() const;
    int currentEntryRow() const;
    void goToEntry(int row);
    void startAtFirstEntry();

    TextGridModel *m_book;
    BookHistory *m_history;
    const ColumnMasks *m_masks;
    // Set while the program moves the current cell without selecting a row.
    bool m_movingQuietly = false;
};
