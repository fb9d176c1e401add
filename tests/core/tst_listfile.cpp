#include "listfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

// Files may grow to the given size only, as on a full disk; writing past it
// fails instead of raising a signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};
#endif

class TestListFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reading_data();
    void reading();
    void writingEndsEveryItemWithCrLf();
    void writingReducesWhatTheCodePageLacks();
    void writingReplacesTheWholeFile();
    void aFailedWriteLeavesTheOldFile();
    void aMissingFolderIsReported();
};

void TestListFile::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("CR LF") << QByteArray("EUR (978)\r\nUSD (840)\r\n") << QStringList{"EUR (978)", "USD (840)"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty line in the middle") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("byte 0 ends the content") << QByteArray("a\r\nb\0c\r\nd\r\n", 11) << QStringList{"a", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("Croatian letters") << QByteArray("\xE8\xE6\xF0\x9A\x9E\r\n\xC8\xC6\xD0\x8A\x8E\r\n")
                                      << QStringList{"čćđšž", "ČĆĐŠŽ"};
}

void TestListFile::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, items);
    QCOMPARE(parseListBytes(bytes), items);
}

void TestListFile::writingEndsEveryItemWithCrLf()
{
    QCOMPARE(listBytes({"Italija", "", "Češka"}), QByteArray("Italija\r\n\r\n\xC8" "e\x9Aka\r\n"));
    QCOMPARE(listBytes({}), QByteArray());
}

// The same reduction as the book files: never the converter's Ctrl-Z, and no
// NUL, which would end the list when it is read again.
void TestListFile::writingReducesWhatTheCodePageLacks()
{
    QCOMPARE(listBytes({"à la carte", "Жито", QString("a") + QChar(0) + "b"}),
             QByteArray("a la carte\r\n????\r\na?b\r\n"));
}

void TestListFile::writingReplacesTheWholeFile()
{
    TempDataHome home;
    const QString path = home.path() + "/p_roba_4.txt";
    QString error;
    QVERIFY(writeListFile(path, {"Austrija", "Njemačka", "Italija"}, error));
    QVERIFY(writeListFile(path, {"Slovenija"}, error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Slovenija\r\n"));

    QStringList items;
    QVERIFY(readListFile(path, items, error));
    QCOMPARE(items, QStringList{"Slovenija"});
}

void TestListFile::aFailedWriteLeavesTheOldFile()
{
#ifdef Q_OS_UNIX
    TempDataHome home;
    const QString path = home.path() + "/p_roba_4.txt";
    const QByteArray old = "Austrija\r\nItalija\r\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(old), old.size());
    }
    // The disk fills up halfway through the new list.
    const QStringList longList(2000, QStringLiteral("Njemačka"));
    QString error;
    {
        const FileSizeLimit full(1024);
        QVERIFY(!writeListFile(path, longList, error));
    }
    QCOMPARE(error, "Cannot Create " + path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"p_roba_4.txt"});
#else
    QSKIP("needs a file size limit");
#endif
}

void TestListFile::aMissingFolderIsReported()
{
    TempDataHome home;
    QString error;
    const QString missingFolder = home.path() + "/nema/valute.txt";
    QVERIFY(!writeListFile(missingFolder, {"EUR"}, error));
    QCOMPARE(error, "Cannot Create " + missingFolder);

    QStringList items{"stays"};
    QVERIFY(!readListFile(missingFolder, items, error));
    QCOMPARE(error, "Cannot open file " + missingFolder);
    QCOMPARE(items, QStringList{"stays"});
}

QTEST_APPLESS_MAIN(TestListFile)
#include "tst_listfile.moc"
