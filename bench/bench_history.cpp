// The book's undo history and its recovery copy on a goods book of 100,000
// entries: what recording an import costs against the bare append, undoing
// and redoing it, and writing the recovery copy (on the writer thread, and
// what the user-interface thread spends on taking the grid for it).

#include "bookhistory.h"
#include "cellfile.h"
#include "goodsbook.h"
#include "textgridmodel.h"
#include "timing.h"

#include <QApplication>
#include <QTemporaryDir>

namespace {

constexpr int kEntries = 100'000;

// As an import appends: a row at the end, then its cells.
void appendRows(TextGridModel &book, const TextGrid &rows)
{
    for (int source = 1; source < rows.rowCount(); ++source) {
        const int row = book.rowCount();
        book.insertRows(row, 1);
        for (int column = 0; column < rows.columnCount(); ++column)
            book.setCell(column, row, rows.cell(column, source));
    }
}

void startEmpty(TextGridModel &book)
{
    book.edit([](TextGrid &grid) {
        fillGoodsBook(grid, 0);
        grid.setRowCount(1);
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TextGrid imported(80);
    fillGoodsBook(imported, kEntries);

    TextGridModel bare(80);
    const double plain = medianMs([&] {
        startEmpty(bare);
        return timeMs([&] { appendRows(bare, imported); });
    });

    TextGridModel book(80);
    BookHistory history(&book);
    const double recorded = medianMs([&] {
        startEmpty(book);
        return timeMs([&] { history.record(QStringLiteral("Uvoz"), [&] { appendRows(book, imported); }); });
    });
    if (book.rowCount() != kEntries + 1 || history.stepCount() != 1)
        qFatal("the import was not one step");
    const double undoRedo = medianMs([&] {
        return timeMs([&] {
            history.undo();
            history.redo();
        });
    });
    if (book.rowCount() != kEntries + 1)
        qFatal("the import did not come back");

    QTemporaryDir folder;
    const QString copyPath = folder.filePath(QStringLiteral("copy.txt"));
    const double write = medianMs([&] {
        return timeMs([&] {
            QString error;
            if (!saveCellFile(book.grid(), copyPath, error))
                qFatal("%s", qPrintable(error));
        });
    });
    // The copy taken for the writer is shared until the next change detaches it.
    const double uiThread = medianMs([&] {
        return timeMs([&] {
            const TextGrid snapshot = book.grid();
            book.setCell(6, 1, book.cell(6, 1) + QLatin1Char('x'));
            book.setCell(6, 1, snapshot.cell(6, 1));
        });
    });

    printFigure("append_100k_rows", plain, "ms");
    printFigure("append_100k_rows_recorded", recorded, "ms");
    printFigure("record_ratio", recorded / plain, "", 2);
    printFigure("undo_import_100k_rows", undoRedo, "ms");
    printFigure("recovery_write_100k_rows", write, "ms");
    printFigure("recovery_ui_thread_100k_rows", uiThread, "ms", 1);
    return 0;
}
