// Exports a goods book of 100,000 entries to an .xlsx workbook and prints the
// median time, with saving the same book as a cell file, interleaved, as the
// baseline: the least a write of the whole book costs.

#include "bookexport.h"
#include "printing.h"
#include "catalogue.h"
#include "cellfile.h"
#include "goodsbook.h"
#include "textgrid.h"
#include "timing.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

constexpr int kEntries = 100'000;

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString workbook = dir.filePath("1_2012_roba_uvoz_v_10.xlsx");
    const QString cellFile = dir.filePath("1_2012_roba_uvoz_v_10.txt");
    TextGrid book(64);
    fillGoodsBook(book, kEntries);
    const BookKind &kind = *bookKind(0);
    const ExportHeading heading{{"Alfa d.o.o.", "Ilica 1", "Zagreb"},
                                bookTitleLine(QString::fromUtf8(kind.displayName), QStringLiteral("2012"))};

    std::vector<double> saveTimes;
    const double exportMs = medianMs([&] {
        QString error;
        saveTimes.push_back(timeMs([&] {
            if (!saveCellFile(book, cellFile, error))
                qFatal("%s", qPrintable(error));
        }));
        return timeMs([&] {
            if (!exportBook(book, kind, heading, workbook, error))
                qFatal("%s", qPrintable(error));
        });
    });
    saveTimes.erase(saveTimes.begin()); // the warm-up
    const double saveMs = median(saveTimes);

    printFigure("export_100k_rows", exportMs, "ms");
    printFigure("export_cellfile_save_100k_rows", saveMs, "ms");
    printFigure("export_ratio", exportMs / saveMs, "", 1);
    printFigure("export_size_100k_rows", QFileInfo(workbook).size() / 1e6, "MB", 1);
    return 0;
}
