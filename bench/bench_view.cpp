// Shows the book view window on a goods book of 100,000 entries that is
// already in memory, reloads it into the shown window and moves through it;
// prints the median time of each.

#include "bookgrid.h"
#include "bookhistory.h"
#include "catalogue.h"
#include "goodsbook.h"
#include "textgridmodel.h"
#include "tfr_nk_grid.h"
#include "timing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <QWindow>

#include <memory>

namespace {

constexpr int kEntries = 100'000;
constexpr int kPages = 20;

// Paints what is in view now, which fits the rows coming into view.
void paintNow(Tfr_nk_grid &window)
{
    window.sg_nk->viewport()->repaint();
}

std::unique_ptr<Tfr_nk_grid> shownWindow(TextGridModel &book, BookHistory &history, const ColumnMasks &masks)
{
    auto window = std::make_unique<Tfr_nk_grid>(&book, &history, &masks);
    window->show();
    while (!window->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    paintNow(*window);
    return window;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TextGridModel book(80);
    book.edit([](TextGrid &grid) { fillGoodsBook(grid, kEntries); });
    BookHistory history(&book);
    ColumnMasks masks;
    KoloneFormati(0, masks);

    const double show = medianMs([&] {
        std::unique_ptr<Tfr_nk_grid> window;
        const double ms = timeMs([&] { window = shownWindow(book, history, masks); });
        if (window->sg_nk->rowHeight(2) <= 21)
            qFatal("the rows in view were not fitted");
        return ms;
    });
    const auto window = shownWindow(book, history, masks);
    // As the entry window does when it opens a book in the shown window.
    const double reload = medianMs([&] {
        return timeMs([&] {
            book.edit([](TextGrid &) {});
            window->fitRowHeights();
            paintNow(*window);
        });
    });
    const double jump = medianMs([&] {
        window->bt_pocetak->click();
        paintNow(*window);
        return timeMs([&] {
            window->bt_kraj->click();
            paintNow(*window);
        });
    });
    const double page = medianMs([&] {
        window->bt_pocetak->click();
        paintNow(*window);
        return timeMs([&] {
            for (int i = 0; i < kPages; ++i) {
                QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
                QApplication::sendEvent(window->sg_nk, &pageDown);
                paintNow(*window);
            }
        });
    });

    printFigure("view_show_100k_rows", show, "ms");
    printFigure("view_reload_100k_rows", reload, "ms");
    printFigure("view_jump_to_last_100k_rows", jump, "ms", 1);
    printFigure("view_page_down_100k_rows", page / kPages, "ms", 1);
    return 0;
}
