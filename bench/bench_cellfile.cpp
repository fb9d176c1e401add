// Reads and writes a goods book of 100,000 entries as a cell file and prints
// the median time of each, and the file's size.

#include "cellfile.h"
#include "textgrid.h"
#include "textgridmodel.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kEntries = 100'000;
constexpr int kColumns = 14;
constexpr int kRuns = 7;

const QStringList kTitles{
    "R. br.", "Datum unosa podataka", "Oznaka i datum isprave", "Naziv tvrtke nerezidenta",
    "Zemlja sjedišta nerezidenta", "Ugovorena vrijednost posla", "Naznaka", "Postotak provizije",
    "Datum, iznos i način izvršenog plaćanja ili naplate", "Oznaka i datum odobrenja ili rješenja",
    "Oznaka rednog broja i godina upisa", "Carinska deklaracija", "Napomena", "Izmjene i dopune"};

const QStringList kPartners{"Kovačević d.o.o.", "Šimunić GmbH", "Đurđević S.r.l.",
                            "Žagar & Čolić AG", "Ćosić Ltd.", "Babić s.p."};

const QStringList kCountries{"Njemačka", "Austrija", "Italija", "Slovenija", "Mađarska", "Češka"};

const QStringList kGoods{"Strojevi", "Tekstil, pređa", "Građevinski materijal", "Sušeno voće"};

QString dateText(int entry)
{
    return QDate(2012, 1, 1).addDays(entry % 366).toString("dd.MM.yyyy");
}

QString amountText(int entry, const char *currency)
{
    const qint64 cents = (entry * 7919LL) % 100'000'000;
    const QString whole = QLocale(QLocale::German).toString(cents / 100);
    return QString("%1,%2 %3").arg(whole).arg(cents % 100, 2, 10, QChar('0')).arg(currency);
}

QString paymentsText(int entry)
{
    QStringList payments;
    for (int k = 0; k <= entry % 2; ++k)
        payments << dateText(entry + 30 * k) + " " + amountText(entry + k, "EUR") + " virman";
    return payments.join("\r\n");
}

QStringList entryTexts(int entry)
{
    return {QString::number(entry),
            dateText(entry),
            QString("UR-%1/2012").arg(entry),
            kPartners[entry % kPartners.size()],
            kCountries[entry % kCountries.size()],
            amountText(entry, "EUR"),
            kGoods[entry % kGoods.size()],
            amountText(entry / 3, "USD"),
            paymentsText(entry),
            QString("HNB-%1").arg(entry % 977),
            QString(),
            entry % 3 ? QString() : QString("JCD %1").arg(entry * 13),
            entry % 5 ? QString() : QString("Plaćeno u dvije rate"),
            QString()};
}

TextGrid goodsBook()
{
    TextGrid grid(64, kColumns, kEntries + 1);
    for (int c = 0; c < kColumns; ++c) {
        grid.setColumnWidth(c, 40 + 10 * c);
        grid.setCell(c, 0, kTitles[c]);
    }
    for (int entry = 1; entry <= kEntries; ++entry) {
        const QStringList texts = entryTexts(entry);
        for (int c = 0; c < kColumns; ++c)
            grid.setCell(c, entry, texts[c]);
    }
    return grid;
}

// Median of kRuns timed runs after one untimed warm-up; prepare runs untimed
// before each.
qint64 medianMs(const std::function<void()> &prepare, const std::function<void()> &run)
{
    prepare();
    run();
    std::vector<qint64> times;
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.elapsed());
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

[[noreturn]] void fail(const QString &error)
{
    std::fprintf(stderr, "%s\n", qPrintable(error));
    std::exit(1);
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("1_2012_roba_uvoz_v_10.txt");
    const TextGrid book = goodsBook();
    QString error;
    if (!saveCellFile(book, path, error))
        fail(error);

    std::unique_ptr<TextGridModel> model;
    const qint64 readMs = medianMs([&] { model = std::make_unique<TextGridModel>(64); },
                                   [&] {
                                       if (!loadCellFile(*model, path, error))
                                           fail(error);
                                   });
    if (!(model->grid() == book))
        fail("the book read back differs from the one written");
    const qint64 writeMs = medianMs([] {}, [&] {
        if (!saveCellFile(book, path, error))
            fail(error);
    });

    QTextStream out(stdout);
    out << "cellfile_read_100k_rows: " << readMs << " ms\n";
    out << "cellfile_write_100k_rows: " << writeMs << " ms\n";
    out << "cellfile_size_100k_rows: " << QString::number(QFileInfo(path).size() / 1e6, 'f', 1) << " MB\n";
    return 0;
}
