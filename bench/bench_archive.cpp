// Archives a data folder of 400 books (about 40 MB) the way an exit does,
// and zip -1 of the same folder in the same run, interleaved; then restores
// the folder from the archive. Prints the medians and the ratio.

#include "cellfile.h"
#include "goodsbook.h"
#include "paths.h"
#include "restore.h"
#include "textgrid.h"
#include "timing.h"
#include "zipwriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

constexpr int kBooks = 400;
constexpr int kEntriesPerBook = 337;

qint64 makeDataFolder(const QString &dataFolder)
{
    QDir().mkpath(dataFolder);
    TextGrid book(64);
    fillGoodsBook(book, kEntriesPerBook);
    QString error;
    const QString first = dataFolder + "/100_2012_roba_uvoz_v_10.txt";
    if (!saveCellFile(book, first, error))
        qFatal("%s", qPrintable(error));
    for (int i = 1; i < kBooks; ++i)
        QFile::copy(first, dataFolder + QStringLiteral("/%1_%2_roba_uvoz_v_10.txt").arg(100 + i % 40).arg(2000 + i / 40));
    qint64 size = 0;
    QDirIterator files(dataFolder, QDir::Files);
    while (files.hasNext()) {
        files.next();
        size += files.fileInfo().size();
    }
    return size;
}

double archiveMs(const AppFolders &folders)
{
    const QString slot = folders.archiveSlotPath(1);
    QFile::remove(slot);
    return timeMs([&] {
        QString error;
        if (writeArchive(folders.dataFolder(), slot, nullptr, error) != ArchiveOutcome::Written)
            qFatal("%s", qPrintable(error));
    });
}

double zipMs(const QString &zipProgram, const AppFolders &folders)
{
    const QString target = folders.archiveFolder() + "/zip_1.zip";
    QFile::remove(target);
    return timeMs([&] {
        QProcess zip;
        zip.setWorkingDirectory(folders.dataFolder());
        zip.start(zipProgram, {"-1", "-r", "-q", target, "."});
        if (!zip.waitForFinished(-1) || zip.exitCode() != 0)
            qFatal("zip failed");
    });
}

double restoreMs(const AppFolders &folders)
{
    return timeMs([&] {
        const RestoreOutcome outcome = SigurKopZamijeni(folders, folders.archiveSlotPath(1), nullptr);
        if (outcome.status != RestoreOutcome::Status::Restored || outcome.restored != kBooks)
            qFatal("restore failed: %s", qPrintable(outcome.error));
    });
}

} // namespace

int main()
{
    QTemporaryDir home;
    const AppFolders folders(home.path());
    QDir().mkpath(folders.archiveFolder());
    const qint64 size = makeDataFolder(folders.dataFolder());
    printFigure("archive_data_folder_size", static_cast<double>(size) / 1e6, "MB", 1);

    const QString zipProgram = QStandardPaths::findExecutable("zip");
    constexpr int kRuns = 7;
    archiveMs(folders);
    if (!zipProgram.isEmpty())
        zipMs(zipProgram, folders);
    std::vector<double> ours, theirs;
    for (int run = 0; run < kRuns; ++run) {
        ours.push_back(archiveMs(folders));
        if (!zipProgram.isEmpty())
            theirs.push_back(zipMs(zipProgram, folders));
    }
    printFigure("archive_40mb", median(ours), "ms");
    if (zipProgram.isEmpty()) {
        std::printf("zip_1_40mb: zip is not installed, no baseline and no ratio\n");
    } else {
        printFigure("zip_1_40mb", median(theirs), "ms");
        std::printf("archive_ratio: %.2f\n", median(ours) / median(theirs));
    }

    archiveMs(folders);
    printFigure("restore_40mb", medianMs([&] { return restoreMs(folders); }), "ms");
    return 0;
}
