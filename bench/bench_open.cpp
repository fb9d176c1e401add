// Opens a goods book of 100,000 entries from its file as the user does, by
// choosing the book in the entry window until the book view shows it, and
// saves it again; prints the median time of each.

#include "catalogue.h"
#include "cellfile.h"
#include "combos.h"
#include "goodsbook.h"
#include "paths.h"
#include "program.h"
#include "textgrid.h"
#include "timing.h"

#include <QApplication>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWindow>

namespace {

constexpr int kEntries = 100'000;
constexpr int kYear = 2012;
constexpr int kGoodsImport = 0;

QString companyNumber()
{
    return QStringLiteral("100");
}

void writeGoodsBookFile()
{
    TextGrid book(80);
    fillGoodsBook(book, kEntries);
    const QString path = AppFolders(MapaSustava()).bookFilePath(companyNumber(), kYear, *bookKind(kGoodsImport));
    QString error;
    if (!saveCellFile(book, path, error))
        qFatal("%s", qPrintable(error));
}

// Found by name: an empty register already lists one nameless company.
void pickCompany(Tfr_nk_00 &entry)
{
    const QString name = QStringLiteral("Alfa d.o.o.");
    entry.setCompanyLookup([](const QString &) { return companyNumber(); });
    entry.appendCompanyNames({name});
    entry.se_godina->setValue(kYear);
    const int company = entry.cb_drustva->findText(name);
    entry.cb_drustva->setCurrentIndex(company);
    Q_EMIT entry.cb_drustva->activated(company);
}

// Every run shows the window anew, as the first opening of a session does.
void hideBookView(Tfr_nk_grid &bookView)
{
    bookView.hide();
    while (bookView.windowHandle() && bookView.windowHandle()->isExposed())
        QCoreApplication::processEvents();
}

void openGoodsBook(Program &program)
{
    program.entry.cb_nk->setCurrentIndex(kGoodsImport);
    Q_EMIT program.entry.cb_nk->activated(kGoodsImport);
    do
        QCoreApplication::processEvents();
    while (!program.bookView.windowHandle()->isExposed());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's data folder is then a fresh one inside it.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    QApplication app(argc, argv);
    prepareProgramFolder();
    writeGoodsBookFile();
    Program program;
    pickCompany(program.entry);

    const double open = medianMs([&] {
        hideBookView(program.bookView);
        return timeMs([&] { openGoodsBook(program); });
    });
    if (program.book.rowCount() != kEntries + 1)
        qFatal("the book was not opened");
    const double save = medianMs([&] {
        return timeMs([&] {
            if (!program.entry.bt_spremiClick())
                qFatal("the book was not saved");
        });
    });

    printFigure("open_book_100k_rows", open, "ms");
    printFigure("save_book_100k_rows", save, "ms");
    return 0;
}
