// Reads and writes a goods book of 100,000 entries as a cell file and prints
// the median time of each, and the file's size.

#include "cellfile.h"
#include "goodsbook.h"
#include "textgrid.h"
#include "textgridmodel.h"
#include "timing.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int kEntries = 100'000;

void saveOrFail(const TextGrid &book, const QString &path)
{
    QString error;
    if (!saveCellFile(book, path, error))
        qFatal("%s", qPrintable(error));
}

void loadOrFail(TextGridModel &model, const QString &path)
{
    QString error;
    if (!loadCellFile(model, path, error))
        qFatal("%s", qPrintable(error));
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("1_2012_roba_uvoz_v_10.txt");
    TextGrid book(64);
    fillGoodsBook(book, kEntries);
    saveOrFail(book, path);

    std::unique_ptr<TextGridModel> model;
    const double readMs = medianMs([&] {
        model = std::make_unique<TextGridModel>(64);
        return timeMs([&] { loadOrFail(*model, path); });
    });
    if (!(model->grid() == book))
        qFatal("the book read back differs from the one written");
    const double writeMs = medianMs([&] { return timeMs([&] { saveOrFail(book, path); }); });

    printFigure("cellfile_read_100k_rows", readMs, "ms");
    printFigure("cellfile_write_100k_rows", writeMs, "ms");
    printFigure("cellfile_size_100k_rows", QFileInfo(path).size() / 1e6, "MB", 1);
    return 0;
}
