#include "archiveslots.h"
#include "paths.h"
#include "testsupport.h"
#include "zipsupport.h"
#include "zipwriter.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <unistd.h>

// The archive on exit: which files it takes, how the zip holds them, which
// slot it writes, and that nothing is lost when it fails or is stopped.
class TestArchiveOnExit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void snapshotHoldsEveryMaskedFile();
    void zipIsDeflatedWithUtf8Names();
    void firstExitFillsSevenSlots();
    void firstArchiveKeepsPresentSlots();
    void eightDaysRotateThroughTheSlots();
    void deletedSlotIsTakenNext();
    void stopLeavesThePreviousSlot();
    void failingArchiveLeavesThePreviousSlot();
    void missingFoldersWriteNothing();

private:
    QString data(const QString &name) const { return m_folders.dataFolder() + '/' + name; }
    void setSlotDate(int slot, const QDate &day);
    QStringList archiveFolderFiles() const;

    std::unique_ptr<TempDataHome> m_home;
    AppFolders m_folders;
};

void TestArchiveOnExit::init()
{
    m_home = std::make_unique<TempDataHome>();
    m_folders = AppFolders(m_home->path());
    QVERIFY(QDir().mkpath(m_folders.dataFolder()));
    QVERIFY(QDir().mkpath(m_folders.archiveFolder()));
    QVERIFY(writeBytes(data("100_2026_roba_uvoz_v_10.txt"), "14,2\r\ncw 0,40\r\n"));
}

void TestArchiveOnExit::cleanup()
{
    m_home.reset();
}

void TestArchiveOnExit::setSlotDate(int slot, const QDate &day)
{
    QFile file(m_folders.archiveSlotPath(slot));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(day, QTime(12, 0)), QFileDevice::FileModificationTime));
}

QStringList TestArchiveOnExit::archiveFolderFiles() const
{
    return QDir(m_folders.archiveFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void TestArchiveOnExit::snapshotHoldsEveryMaskedFile()
{
    QVERIFY(writeBytes(data(".skriveni.txt"), "hidden"));
    QVERIFY(writeBytes(data("zakljucana.txt"), "read-only"));
    QVERIFY(QFile::setPermissions(data("zakljucana.txt"), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QVERIFY(writeBytes(data("stari/2020/100_2020_usluge_primljene_v_10.txt"), "old book"));
    QVERIFY(writeBytes(data("Izvod.PDF"), "%PDF"));
    QVERIFY(writeBytes(data("tablica.xlsx"), "PK"));
    QVERIFY(writeBytes(data("tablica.xls"), "xls"));
    QVERIFY(writeBytes(data("biljeska.doc"), "no mask"));
    QVERIFY(writeBytes(data("txt"), "no mask either"));
    QVERIFY(writeBytes(m_home->path() + "/izvan/tudje.txt", "outside"));
    QVERIFY(QFile::link(m_home->path() + "/izvan/tudje.txt", data("poveznica.txt")));
    QVERIFY(QFile::link(m_home->path() + "/izvan", data("mapa_poveznica")));
    const QDateTime written(QDate(2025, 1, 31), QTime(8, 30, 14));
    {
        QFile book(data("100_2026_roba_uvoz_v_10.txt"));
        QVERIFY(book.open(QIODevice::ReadWrite));
        QVERIFY(book.setFileTime(written, QFileDevice::FileModificationTime));
    }

    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    const QMap<QString, ZipEntry> zip = readZip(m_folders.archiveSlotPath(1));
    QCOMPARE(zip.keys(), (QStringList{".skriveni.txt", "100_2026_roba_uvoz_v_10.txt", "Izvod.PDF",
                                      "stari/2020/100_2020_usluge_primljene_v_10.txt", "tablica.xls", "tablica.xlsx",
                                      "zakljucana.txt"}));
    QCOMPARE(zip["stari/2020/100_2020_usluge_primljene_v_10.txt"].bytes, "old book");
    QCOMPARE(zip[".skriveni.txt"].bytes, "hidden");
    QCOMPARE(zip["zakljucana.txt"].mode, 0100440);
    QCOMPARE(zip["100_2026_roba_uvoz_v_10.txt"].mode & 0170000, 0100000);
    QCOMPARE(zip["100_2026_roba_uvoz_v_10.txt"].mtime, written.toSecsSinceEpoch());
    QCOMPARE(zip["100_2026_roba_uvoz_v_10.txt"].bytes, "14,2\r\ncw 0,40\r\n");
}

// Method 8 (deflate) in the local header; bit 11 of the flags says the
// names are UTF-8, and the name's bytes are UTF-8.
void TestArchiveOnExit::zipIsDeflatedWithUtf8Names()
{
    QVERIFY(QFile::remove(data("100_2026_roba_uvoz_v_10.txt")));
    QVERIFY(writeBytes(data("račun.pdf"), QByteArray(5000, 'a')));
    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    const QByteArray zip = fileBytes(m_folders.archiveSlotPath(1));
    QVERIFY(zip.startsWith(QByteArray("PK\x03\x04", 4)));
    QCOMPARE(static_cast<unsigned char>(zip[8]), 8u);
    QVERIFY(static_cast<unsigned char>(zip[7]) & 0x08);
    QCOMPARE(zip.mid(30, 10), QByteArray("ra\xc4\x8d" "un.pdf"));
    QVERIFY(zip.size() < 1000);
    QCOMPARE(readZip(m_folders.archiveSlotPath(1))["račun.pdf"].bytes, QByteArray(5000, 'a'));
}

void TestArchiveOnExit::firstExitFillsSevenSlots()
{
    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    const QByteArray first = fileBytes(m_folders.archiveSlotPath(1));
    QVERIFY(!first.isEmpty());
    for (int slot = 2; slot <= kSlotCount; ++slot) {
        QCOMPARE(fileBytes(m_folders.archiveSlotPath(slot)), first);
        QCOMPARE(GetFileDateTime(m_folders.archiveSlotPath(slot)), GetFileDateTime(m_folders.archiveSlotPath(1)));
    }
    QCOMPARE(archiveFolderFiles().size(), kSlotCount);

    // A second exit the same day writes slot 1 only.
    QVERIFY(writeBytes(data("novo.txt"), "new"));
    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    QVERIFY(readZip(m_folders.archiveSlotPath(1)).contains("novo.txt"));
    QCOMPARE(fileBytes(m_folders.archiveSlotPath(2)), first);
}

// Slot 1 missing while others exist: the first-archive road, copying only
// into the slots that are missing.
void TestArchiveOnExit::firstArchiveKeepsPresentSlots()
{
    QVERIFY(writeBytes(m_folders.archiveSlotPath(3), "slot three"));
    QVERIFY(writeBytes(m_folders.archiveSlotPath(6), "slot six"));
    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    QCOMPARE(fileBytes(m_folders.archiveSlotPath(3)), "slot three");
    QCOMPARE(fileBytes(m_folders.archiveSlotPath(6)), "slot six");
    for (int slot : {2, 4, 5, 7})
        QCOMPARE(fileBytes(m_folders.archiveSlotPath(slot)), fileBytes(m_folders.archiveSlotPath(1)));
}

void TestArchiveOnExit::eightDaysRotateThroughTheSlots()
{
    const QDate firstDay(2026, 3, 1);
    QCOMPARE(Arhiv(m_folders, nullptr, firstDay), 1);
    for (int slot = 1; slot <= kSlotCount; ++slot)
        setSlotDate(slot, firstDay);
    QList<int> written;
    for (int day = 1; day <= 8; ++day) {
        const QDate today = firstDay.addDays(day);
        const QByteArray book = "day " + QByteArray::number(day);
        QVERIFY(writeBytes(data("100_2026_roba_uvoz_v_10.txt"), book));
        const int slot = Arhiv(m_folders, nullptr, today);
        written << slot;
        setSlotDate(slot, today);
        QCOMPARE(readZip(m_folders.archiveSlotPath(slot))["100_2026_roba_uvoz_v_10.txt"].bytes, book);
    }
    QCOMPARE(written, (QList<int>{1, 2, 3, 4, 5, 6, 7, 1}));
    QCOMPARE(readZip(m_folders.archiveSlotPath(2))["100_2026_roba_uvoz_v_10.txt"].bytes, "day 2");
}

void TestArchiveOnExit::deletedSlotIsTakenNext()
{
    const QDate today(2026, 3, 10);
    QCOMPARE(Arhiv(m_folders, nullptr, today), 1);
    for (int slot = 1; slot <= kSlotCount; ++slot)
        setSlotDate(slot, today.addDays(-slot));
    QVERIFY(QFile::remove(m_folders.archiveSlotPath(5)));
    QVERIFY(QFile::remove(m_folders.archiveSlotPath(3)));
    QCOMPARE(Arhiv(m_folders, nullptr, today), 3);
    setSlotDate(3, today);
    QCOMPARE(Arhiv(m_folders, nullptr, today), 3);
    QVERIFY(!QFile::exists(m_folders.archiveSlotPath(5)));
}

void TestArchiveOnExit::stopLeavesThePreviousSlot()
{
    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    const QByteArray previous = fileBytes(m_folders.archiveSlotPath(1));
    QVERIFY(writeBytes(data("veliki.txt"), QByteArray(3 << 20, 'x')));
    StopAtFirstFile stop;
    QCOMPARE(Arhiv(m_folders, &stop), 0);
    QCOMPARE(fileBytes(m_folders.archiveSlotPath(1)), previous);
    QCOMPARE(archiveFolderFiles().size(), kSlotCount);
}

void TestArchiveOnExit::failingArchiveLeavesThePreviousSlot()
{
    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    const QByteArray previous = fileBytes(m_folders.archiveSlotPath(2));
    // A slot that cannot be replaced: a folder of that name.
    QVERIFY(QFile::remove(m_folders.archiveSlotPath(1)));
    QVERIFY(QDir().mkdir(m_folders.archiveSlotPath(1)));
    QCOMPARE(Arhiv(m_folders, nullptr), 0);
    QCOMPARE(fileBytes(m_folders.archiveSlotPath(2)), previous);
    QCOMPARE(archiveFolderFiles().size(), kSlotCount);

    QVERIFY(QDir().rmdir(m_folders.archiveSlotPath(1)));
    QVERIFY(QFile::setPermissions(m_folders.archiveFolder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (geteuid() != 0) { // the superuser writes into a read-only folder all the same
        QCOMPARE(Arhiv(m_folders, nullptr), 0);
        QCOMPARE(archiveFolderFiles().size(), kSlotCount - 1);
    }
    QVERIFY(QFile::setPermissions(m_folders.archiveFolder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                 | QFileDevice::ExeOwner));
}

void TestArchiveOnExit::missingFoldersWriteNothing()
{
    QVERIFY(QDir(m_folders.archiveFolder()).removeRecursively());
    QCOMPARE(Arhiv(m_folders, nullptr), 0);
    QVERIFY(!QFileInfo::exists(m_folders.archiveFolder()));

    QVERIFY(QDir().mkpath(m_folders.archiveFolder()));
    QVERIFY(QDir(m_folders.dataFolder()).removeRecursively());
    QCOMPARE(Arhiv(m_folders, nullptr), 0);
    QVERIFY(archiveFolderFiles().isEmpty());
}

QTEST_GUILESS_MAIN(TestArchiveOnExit)
#include "tst_archiveonexit.moc"
