#include "paths.h"
#include "restore.h"
#include "testsupport.h"
#include "zipsupport.h"
#include "zipwriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

// The restore of the data folder: only files and folders, only inside it,
// each file whole, the old state kept for undoing it.
class TestRestore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void craftedEntriesAreRefused();
    void restoreReplacesAndKeeps();
    void undoPutsBackTheFilesByteForByte();
    void brokenSlotsChangeNothing_data();
    void brokenSlotsChangeNothing();
    void stopChangesNothing();
    void missingDataFolder();

private:
    QString data(const QString &name) const { return m_folders.dataFolder() + '/' + name; }
    // Every file below the program folder with its bytes.
    QMap<QString, QByteArray> programFolderFiles() const;

    std::unique_ptr<TempDataHome> m_home;
    AppFolders m_folders;
};

void TestRestore::init()
{
    m_home = std::make_unique<TempDataHome>();
    m_folders = AppFolders(m_home->path());
    QVERIFY(QDir().mkpath(m_folders.dataFolder()));
    QVERIFY(QDir().mkpath(m_folders.archiveFolder()));
    QVERIFY(writeBytes(m_folders.registerPath(), "5,2\r\n0,1,100\r\n1,1,Alfa d.o.o.\r\n"));
}

void TestRestore::cleanup()
{
    m_home.reset();
}

QMap<QString, QByteArray> TestRestore::programFolderFiles() const
{
    QMap<QString, QByteArray> files;
    QDirIterator found(m_home->path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (found.hasNext()) {
        const QString path = found.next();
        files[QDir(m_home->path()).relativeFilePath(path)] = found.fileInfo().isSymLink() ? "link" : fileBytes(path);
    }
    return files;
}

void TestRestore::craftedEntriesAreRefused()
{
    QByteArray zip = craftZip({
        {.name = "../x", .bytes = "parent"},
        {.name = "/abs/x", .bytes = "absolute"},
        {.name = "a/../../x", .bytes = "parent inside"},
        {.name = "veza", .bytes = {}, .type = AE_IFLNK, .symlink = "../../../x"},
        {.name = "uredaj", .bytes = "device"},
        {.name = "100_2026_roba_uvoz_v_10.txt", .bytes = "restored book"},
        {.name = "stari/p_roba_3.txt", .bytes = "restored list"},
    });
    // libarchive writes no devices to a zip: the entry is made one by its
    // mode in the central directory (character device, 0644).
    const qsizetype central = zip.lastIndexOf("uredaj") - 46;
    QVERIFY(central > 0 && zip.mid(central, 4) == QByteArray("PK\x01\x02", 4));
    const quint32 device = (020000u | 0644u) << 16;
    for (int i = 0; i < 4; ++i)
        zip[central + 38 + i] = static_cast<char>((device >> (8 * i)) & 0xff);
    const QString slot = m_folders.archiveSlotPath(1);
    QVERIFY(writeBytes(slot, zip));
    const QMap<QString, QByteArray> before = programFolderFiles();

    const RestoreOutcome outcome = SigurKopZamijeni(m_folders, slot, nullptr);

    QCOMPARE(outcome.status, RestoreOutcome::Status::Restored);
    QCOMPARE(outcome.restored, 2);
    QCOMPARE(outcome.refused, (QStringList{"../x", "/abs/x", "a/../../x", "veza", "uredaj"}));
    QMap<QString, QByteArray> expected = before;
    const QString data = "LumbracPartneri/Raravazo veveve/Data/";
    expected[data + "100_2026_roba_uvoz_v_10.txt"] = "restored book";
    expected[data + "stari/p_roba_3.txt"] = "restored list";
    expected["LumbracPartneri/Raravazo veveve/Arhiva/arhiva_prije_vracanja.fxc"] =
        fileBytes(m_folders.preRestoreArchivePath());
    QCOMPARE(programFolderFiles(), expected);
    QVERIFY(!QFileInfo::exists("/abs/x"));
    QVERIFY(!QFileInfo::exists(m_home->path() + "/x"));
    QVERIFY(restoreMessage(outcome, slot).startsWith("Vraćeno datoteka: 2.\n"));
    QVERIFY(restoreMessage(outcome, slot).endsWith("\n../x\n/abs/x\na/../../x\nveza\nuredaj"));
}

void TestRestore::restoreReplacesAndKeeps()
{
    QVERIFY(writeBytes(data("100_2026_roba_uvoz_v_10.txt"), "as archived"));
    QVERIFY(writeBytes(data("valute.txt"), "EUR (978)\r\n"));
    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    QVERIFY(writeBytes(data("100_2026_roba_uvoz_v_10.txt"), "changed since"));
    QVERIFY(QFile::setPermissions(data("100_2026_roba_uvoz_v_10.txt"), QFileDevice::ReadOwner));
    QVERIFY(writeBytes(data("100_2026_usluge_primljene_v_10.txt"), "made since"));
    const QByteArray register_ = fileBytes(m_folders.registerPath());

    const RestoreOutcome outcome = SigurKopZamijeni(m_folders, m_folders.archiveSlotPath(1), nullptr);

    QCOMPARE(outcome.status, RestoreOutcome::Status::Restored);
    QCOMPARE(outcome.restored, 2);
    QVERIFY(outcome.refused.isEmpty());
    QCOMPARE(fileBytes(data("100_2026_roba_uvoz_v_10.txt")), "as archived");
    QCOMPARE(fileBytes(data("valute.txt")), "EUR (978)\r\n");
    QCOMPARE(fileBytes(data("100_2026_usluge_primljene_v_10.txt")), "made since");
    QCOMPARE(fileBytes(m_folders.registerPath()), register_);
    QCOMPARE(QDir(m_folders.programFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             (QStringList{"Arhiva", "Data"}));
    QCOMPARE(restoreMessage(outcome, m_folders.archiveSlotPath(1)), "Vraćeno datoteka: 2.");
}

void TestRestore::undoPutsBackTheFilesByteForByte()
{
    QVERIFY(writeBytes(data("100_2026_roba_uvoz_v_10.txt"), "yesterday"));
    QVERIFY(writeBytes(data("stari/p_roba_3.txt"), "old list"));
    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    QVERIFY(writeBytes(data("100_2026_roba_uvoz_v_10.txt"), "today's work"));
    QVERIFY(writeBytes(data("stari/p_roba_3.txt"), "today's list"));
    QVERIFY(writeBytes(data("100_2026_depoziti_v_10.txt"), "only today"));
    const QMap<QString, QByteArray> beforeRestore = programFolderFiles();

    QCOMPARE(SigurKopZamijeni(m_folders, m_folders.archiveSlotPath(1), nullptr).restored, 2);
    QCOMPARE(fileBytes(data("100_2026_roba_uvoz_v_10.txt")), "yesterday");
    QCOMPARE(readZip(m_folders.preRestoreArchivePath()).keys(),
             (QStringList{"100_2026_depoziti_v_10.txt", "100_2026_roba_uvoz_v_10.txt", "stari/p_roba_3.txt"}));

    const RestoreOutcome undo = SigurKopZamijeni(m_folders, m_folders.preRestoreArchivePath(), nullptr);
    QCOMPARE(undo.status, RestoreOutcome::Status::Restored);
    QCOMPARE(undo.restored, 3);
    QMap<QString, QByteArray> afterUndo = programFolderFiles();
    afterUndo.remove("LumbracPartneri/Raravazo veveve/Arhiva/arhiva_prije_vracanja.fxc");
    QCOMPARE(afterUndo, beforeRestore);
}

void TestRestore::brokenSlotsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("slotBytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing") << QByteArray() << int(RestoreOutcome::Status::ArchiveMissing)
                             << "Sigurnosna kopija ne postoji: ";
    QTest::newRow("not a zip") << QByteArray("not an archive at all") << int(RestoreOutcome::Status::ArchiveUnreadable)
                               << "Sigurnosna kopija nije ispravna: ";
    const QByteArray good = craftZip({{.name = "a.txt", .bytes = QByteArray(4000, 'a')},
                                      {.name = "b.txt", .bytes = QByteArray(4000, 'b')}});
    QTest::newRow("cut short") << good.left(good.size() / 3) << int(RestoreOutcome::Status::ArchiveUnreadable)
                               << "Sigurnosna kopija nije ispravna: ";
}

void TestRestore::brokenSlotsChangeNothing()
{
    QFETCH(QByteArray, slotBytes);
    QFETCH(int, status);
    QFETCH(QString, message);
    QVERIFY(writeBytes(data("a.txt"), "current"));
    const QString slot = m_folders.archiveSlotPath(4);
    if (!slotBytes.isEmpty())
        QVERIFY(writeBytes(slot, slotBytes));
    const QMap<QString, QByteArray> before = programFolderFiles();

    const RestoreOutcome outcome = SigurKopZamijeni(m_folders, slot, nullptr);

    QCOMPARE(int(outcome.status), status);
    QCOMPARE(outcome.restored, 0);
    QCOMPARE(programFolderFiles(), before);
    QCOMPARE(QDir(m_folders.programFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             (QStringList{"Arhiva", "Data"}));
    QVERIFY(restoreMessage(outcome, slot).startsWith(message + QDir::toNativeSeparators(slot)));
}

void TestRestore::stopChangesNothing()
{
    QVERIFY(writeBytes(data("a.txt"), QByteArray(2 << 20, 'a')));
    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    QVERIFY(writeBytes(data("a.txt"), "current"));
    const QMap<QString, QByteArray> before = programFolderFiles();
    StopAtFirstFile stop;
    const RestoreOutcome outcome = SigurKopZamijeni(m_folders, m_folders.archiveSlotPath(1), &stop);
    QCOMPARE(outcome.status, RestoreOutcome::Status::Cancelled);
    QCOMPARE(programFolderFiles(), before);
    QCOMPARE(restoreMessage(outcome, {}), "Vraćanje je prekinuto. Ništa nije promijenjeno.");
}

void TestRestore::missingDataFolder()
{
    QCOMPARE(Arhiv(m_folders, nullptr), 1);
    QVERIFY(QDir(m_folders.dataFolder()).removeRecursively());
    const RestoreOutcome outcome = SigurKopZamijeni(m_folders, m_folders.archiveSlotPath(1), nullptr);
    QCOMPARE(outcome.status, RestoreOutcome::Status::DataFolderMissing);
    QCOMPARE(restoreMessage(outcome, {}), "Nije dobar naziv direktorija u točki 1.");
    QVERIFY(!QFileInfo::exists(m_folders.dataFolder()));
    QVERIFY(!QFileInfo::exists(m_folders.preRestoreArchivePath()));
}

QTEST_GUILESS_MAIN(TestRestore)
#include "tst_restore.moc"
