#include "restoreentry.h"

#include <QTest>

Q_DECLARE_METATYPE(EntryKind)

class TestRestoreEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void restorablePaths_data();
    void restorablePaths();
};

void TestRestoreEntry::restorablePaths_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<QString>("path");

    const EntryKind file = EntryKind::File;
    QTest::newRow("book") << "100_2026_roba_uvoz_v_10.txt" << file << "100_2026_roba_uvoz_v_10.txt";
    QTest::newRow("subfolder") << "stari/p_roba_3.txt" << file << "stari/p_roba_3.txt";
    QTest::newRow("Croatian letters") << "račun_čćđšž.pdf" << file << "račun_čćđšž.pdf";
    QTest::newRow("folder") << "stari/" << EntryKind::Folder << "stari";
    QTest::newRow("dot parts dropped") << "./a/./b.txt" << file << "a/b.txt";
    QTest::newRow("double separators") << "a//b.txt" << file << "a/b.txt";
    QTest::newRow("backslash separates") << "a\\b.txt" << file << "a/b.txt";
    QTest::newRow("dots inside a name") << "a..b.txt" << file << "a..b.txt";
    QTest::newRow("parent") << "../x" << file << "";
    QTest::newRow("parent inside") << "a/../../x" << file << "";
    QTest::newRow("parent at the end") << "a/.." << EntryKind::Folder << "";
    QTest::newRow("parent with backslashes") << "a\\..\\..\\x" << file << "";
    QTest::newRow("three dots") << "a/.../x" << file << "";
    QTest::newRow("dots and blank") << "a/.. /x" << file << "";
    QTest::newRow("absolute") << "/abs/x" << file << "";
    QTest::newRow("absolute with backslash") << "\\abs\\x" << file << "";
    QTest::newRow("drive") << "C:\\x.txt" << file << "";
    QTest::newRow("drive-relative") << "C:x.txt" << file << "";
    QTest::newRow("stream") << "a.txt:hidden" << file << "";
    QTest::newRow("NUL") << QString("a") + QChar(0) + "b.txt" << file << "";
    QTest::newRow("empty") << "" << file << "";
    QTest::newRow("only dots") << "./." << EntryKind::Folder << "";
    QTest::newRow("link") << "link.txt" << EntryKind::Link << "";
    QTest::newRow("device") << "dev.txt" << EntryKind::Other << "";
}

void TestRestoreEntry::restorablePaths()
{
    QFETCH(QString, entry);
    QFETCH(EntryKind, kind);
    QFETCH(QString, path);
    QCOMPARE(restorablePath(entry, kind), path);
}

QTEST_GUILESS_MAIN(TestRestoreEntry)
#include "tst_restoreentry.moc"
