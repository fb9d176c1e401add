// Shows the book view window on a goods book of 100,000 entries that is
// already in memory, reloads it into the shown window and moves through it;
// prints the median time of each.

#include "bookgrid.h"
#include "catalogue.h"
#include "textgridmodel.h"
#include "tfr_nk_grid.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kEntries = 100'000;
constexpr int kColumns = 14;
constexpr int kRuns = 7;
constexpr int kPages = 20;

const QStringList kTitles{
    "R. br.", "Datum unosa podataka", "Oznaka i datum isprave", "Naziv tvrtke nerezidenta",
    "Zemlja sjedišta nerezidenta", "Ugovorena vrijednost posla", "Naznaka", "Postotak provizije",
    "Datum, iznos i način izvršenog plaćanja ili naplate", "Oznaka i datum odobrenja ili rješenja",
    "Oznaka rednog broja i godina upisa", "Carinska deklaracija", "Napomena", "Izmjene i dopune"};
const QStringList kPartners{"Kovačević d.o.o.", "Šimunić GmbH, Graz", "Đurđević S.r.l.",
                            "Žagar & Čolić AG, Zürich", "Ćosić Ltd.", "Babić s.p."};
const QStringList kCountries{"Njemačka", "Austrija", "Italija", "Slovenija", "Mađarska", "Češka"};

QString dateText(int entry)
{
    return QDate(2012, 1, 1).addDays(entry % 366).toString("dd.MM.yyyy");
}

// Every third entry was paid in two or three parts, one line each.
QString paymentLines(int entry)
{
    QStringList lines{dateText(entry) + "; 1.250,00 EUR; virman"};
    for (int part = 1; part <= entry % 3; ++part)
        lines += dateText(entry + part) + QStringLiteral("; %1.000,00 EUR; doznaka").arg(part);
    return lines.join("\r\n");
}

void fillGoodsBook(TextGridModel &book)
{
    book.edit([](TextGrid &grid) {
        grid.setColumnCount(kColumns);
        grid.setRowCount(kEntries + 1);
        grid.setColumnWidth(0, 40);
        grid.setColumnWidth(8, 150);
        for (int column = 0; column < kColumns; ++column)
            grid.setCell(column, 0, kTitles[column]);
        for (int entry = 1; entry <= kEntries; ++entry) {
            const QStringList cells{QString::number(entry), dateText(entry), QStringLiteral("R-%1/2012").arg(entry),
                                    kPartners[entry % kPartners.size()], kCountries[entry % kCountries.size()],
                                    QStringLiteral("%1,00 EUR").arg(entry % 9000), "Uvoz robe", "2,5",
                                    paymentLines(entry), QString(), QStringLiteral("%1/2012").arg(entry),
                                    QStringLiteral("CD-%1").arg(entry), QString(), QString()};
            for (int column = 0; column < kColumns; ++column)
                grid.setCell(column, entry, cells[column]);
        }
    });
}

// Paints what is in view now, which fits the rows coming into view.
void paintNow(Tfr_nk_grid &window)
{
    window.sg_nk->viewport()->repaint();
}

double elapsedMs(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Each run times itself; the first run warms up.
double medianMs(const std::function<double()> &run)
{
    std::vector<double> times;
    for (int i = 0; i <= kRuns; ++i) {
        const double ms = run();
        if (i > 0)
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::unique_ptr<Tfr_nk_grid> shownWindow(TextGridModel &book, const ColumnMasks &masks)
{
    auto window = std::make_unique<Tfr_nk_grid>(&book, &masks);
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
    fillGoodsBook(book);
    ColumnMasks masks;
    KoloneFormati(0, masks);

    const double show = medianMs([&] {
        QElapsedTimer timer;
        timer.start();
        const auto window = shownWindow(book, masks);
        const double ms = elapsedMs(timer);
        if (window->sg_nk->rowHeight(2) <= 21)
            qFatal("the rows in view were not fitted");
        return ms;
    });
    const auto window = shownWindow(book, masks);
    // As the entry window does when it opens a book in the shown window.
    const double reload = medianMs([&] {
        QElapsedTimer timer;
        timer.start();
        book.edit([](TextGrid &) {});
        window->fitRowHeights();
        paintNow(*window);
        return elapsedMs(timer);
    });
    const double jump = medianMs([&] {
        window->bt_pocetak->click();
        paintNow(*window);
        QElapsedTimer timer;
        timer.start();
        window->bt_kraj->click();
        paintNow(*window);
        return elapsedMs(timer);
    });
    const double page = medianMs([&] {
        window->bt_pocetak->click();
        paintNow(*window);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kPages; ++i) {
            QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
            QApplication::sendEvent(window->sg_nk, &pageDown);
            paintNow(*window);
        }
        return elapsedMs(timer);
    });

    std::printf("view_show_100k_rows: %.0f ms\n", show);
    std::printf("view_reload_100k_rows: %.0f ms\n", reload);
    std::printf("view_jump_to_last_100k_rows: %.1f ms\n", jump);
    std::printf("view_page_down_100k_rows: %.1f ms\n", page / kPages);
    return 0;
}
