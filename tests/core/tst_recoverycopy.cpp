#include "gridsupport.h"
#include "recovery.h"
#include "textgridmodel.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime kEarlier(QDate(2026, 3, 5), QTime(14, 7, 9));
const QDateTime kLater(QDate(2026, 3, 6), QTime(8, 0, 0));

void writeFile(const QString &path, const QByteArray &bytes, const QDateTime &modified = {})
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.flush();
    if (modified.isValid())
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TextGrid twoEntries()
{
    return gridOf({40, 90}, {{"R. br.", "Naziv"}, {"1", "\u0160koda"}, {"2", "Erste"}});
}

// The cell file of twoEntries, as the book file would hold it.
const QByteArray kTwoEntriesBytes = "2,3\r\ncw 0,40\r\ncw 1,90\r\n0,0,R. br.\r\n1,0,Naziv\r\n"
                                    "0,1,1\r\n1,1,\x8Akoda\r\n0,2,2\r\n1,2,Erste\r\n";

} // namespace

class TestRecoveryCopy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void aCopyIsOfferedUnlessTheBookIsNewer_data();
    void aCopyIsOfferedUnlessTheBookIsNewer();
    void theQuestionNamesWhenTheCopyWasWritten();
    void loadingACopyReplacesTheWholeGrid();
    void aChangeIsWrittenAfterADelayAsACellFile();
    void discardingRemovesTheCopyAndAPendingWrite();
    void noOpenBookNoCopy();
    void aFailingWriteIsReportedOnce();

private:
    QString copyPath() const { return m_dir->filePath(QStringLiteral("Oporavak/100_2026_roba_uvoz_v_10.txt")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecoveryCopy::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestRecoveryCopy::aCopyIsOfferedUnlessTheBookIsNewer_data()
{
    QTest::addColumn<bool>("copyExists");
    QTest::addColumn<QDateTime>("bookWritten");
    QTest::addColumn<int>("state");

    QTest::newRow("no copy") << false << kLater << int(LeftBehindCopy::None);
    QTest::newRow("no book file") << true << QDateTime() << int(LeftBehindCopy::Offered);
    QTest::newRow("book older") << true << kEarlier.addSecs(-60) << int(LeftBehindCopy::Offered);
    QTest::newRow("book newer") << true << kLater << int(LeftBehindCopy::Stale);
}

void TestRecoveryCopy::aCopyIsOfferedUnlessTheBookIsNewer()
{
    QFETCH(bool, copyExists);
    QFETCH(QDateTime, bookWritten);
    QFETCH(int, state);
    const QString copy = m_dir->filePath(QStringLiteral("copy.txt"));
    const QString book = m_dir->filePath(QStringLiteral("book.txt"));
    if (copyExists)
        writeFile(copy, kTwoEntriesBytes, kEarlier);
    if (bookWritten.isValid())
        writeFile(book, kTwoEntriesBytes, bookWritten);

    const LeftBehindCopy found = leftBehindCopy(copy, book);
    QCOMPARE(int(found.state), state);
    if (found.state != LeftBehindCopy::None)
        QCOMPARE(found.written, kEarlier);
}

void TestRecoveryCopy::theQuestionNamesWhenTheCopyWasWritten()
{
    QCOMPARE(recoveryQuestion(kEarlier),
             QStringLiteral("Pronađene su nespremljene promjene ove knjige od 05.03.2026 14:07:09. Vratiti ih?"));
}

// Cells the copy does not list were emptied before the crash: none may come back.
void TestRecoveryCopy::loadingACopyReplacesTheWholeGrid()
{
    TextGridModel book(80);
    book.edit([](TextGrid &grid) {
        grid = gridOf({40, 90, 70}, {{"R. br.", "Naziv", "Iznos"}, {"1", "stari", "5,00"}, {"2", "x", "y"}, {"3", "z", ""}});
    });
    const QString copy = m_dir->filePath(QStringLiteral("copy.txt"));
    writeFile(copy, kTwoEntriesBytes);
    QString error;
    QVERIFY(loadRecoveryCopy(book, copy, error));
    QCOMPARE(book.grid(), twoEntries());
}

void TestRecoveryCopy::aChangeIsWrittenAfterADelayAsACellFile()
{
    TextGridModel book(80);
    book.edit([](TextGrid &grid) { grid = twoEntries(); });
    RecoveryCopy recovery(&book);
    recovery.follow(copyPath());
    recovery.bookChanged();
    recovery.bookChanged();
    QVERIFY(!QFile::exists(copyPath()));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(copyPath()), 3 * RecoveryCopy::kDelayMs);
    QCOMPARE(fileBytes(copyPath()), kTwoEntriesBytes);
}

void TestRecoveryCopy::discardingRemovesTheCopyAndAPendingWrite()
{
    TextGridModel book(80);
    book.edit([](TextGrid &grid) { grid = twoEntries(); });
    RecoveryCopy recovery(&book);
    recovery.follow(copyPath());
    recovery.bookChanged();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(copyPath()), 3 * RecoveryCopy::kDelayMs);

    book.setCell(1, 2, "Addiko");
    recovery.bookChanged();
    recovery.discard();
    QVERIFY(!QFile::exists(copyPath()));
    QTest::qWait(RecoveryCopy::kDelayMs + 500);
    QVERIFY(!QFile::exists(copyPath()));
}

void TestRecoveryCopy::noOpenBookNoCopy()
{
    TextGridModel book(80);
    RecoveryCopy recovery(&book);
    recovery.follow(copyPath());
    recovery.follow({});
    recovery.bookChanged();
    QTest::qWait(RecoveryCopy::kDelayMs + 500);
    QVERIFY(!QFile::exists(copyPath()));
}

void TestRecoveryCopy::aFailingWriteIsReportedOnce()
{
    writeFile(m_dir->filePath(QStringLiteral("Oporavak")), "a file where the folder should be");
    TextGridModel book(80);
    RecoveryCopy recovery(&book);
    QSignalSpy failed(&recovery, &RecoveryCopy::writeFailed);
    recovery.follow(copyPath());
    recovery.bookChanged();
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 3 * RecoveryCopy::kDelayMs);
    recovery.bookChanged();
    QTest::qWait(RecoveryCopy::kDelayMs + 500);
    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.first().first().toString().startsWith(QStringLiteral("Cannot Create ")));
}

QTEST_MAIN(TestRecoveryCopy)
#include "tst_recoverycopy.moc"
