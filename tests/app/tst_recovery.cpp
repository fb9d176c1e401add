#include "cellfile.h"
#include "programsupport.h"
#include "testsupport.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Set only by this test for the child it starts and then kills.
constexpr char kChildSwitch[] = "NK_TEST_KILLED_CHILD";

// The child: a user adds two entries to a new book and the machine loses
// power before "Spremi". It reports once the recovery copy is on disk.
int runChildUntilKilled()
{
    prepareProgramFolder();
    Program program;
    nameFirstCompany(program, "Alfa d.o.o.");
    openGoodsBook(program);
    addEntry(program, "Delta");
    addEntry(program, "Epsilon");
    while (!QFile::exists(goodsCopyPath(program)))
        QTest::qWait(50);
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

void runAndKillChild(const QString &dataHome)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildSwitch, "1");
    environment.insert("XDG_DATA_HOME", dataHome);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted());
    QByteArray output;
    while (!output.contains("ready\n")) {
        QVERIFY2(child.waitForReadyRead(120000), "the child never wrote its recovery copy");
        output += child.readAllStandardOutput();
    }
    child.kill(); // SIGKILL: nothing runs after it
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
}

QStringList partners(const Program &program)
{
    QStringList names;
    for (int row = 1; row < program.book.rowCount(); ++row)
        names << program.book.cell(3, row);
    return names;
}

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next();
    return files;
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aKilledRunsChangesAreOfferedAtTheNextStart_data();
    void aKilledRunsChangesAreOfferedAtTheNextStart();
    void aCopyOlderThanTheBookGoesWithoutAQuestion();
    void theCopyGoesWhenNothingIsLeftUnsaved_data();
    void theCopyGoesWhenNothingIsLeftUnsaved();
};

void TestRecovery::aKilledRunsChangesAreOfferedAtTheNextStart_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("Da") << "Da";
    QTest::newRow("Ne") << "Ne";
}

void TestRecovery::aKilledRunsChangesAreOfferedAtTheNextStart()
{
    QFETCH(QString, answer);
    TempDataHome home;
    runAndKillChild(home.path());
    if (QTest::currentTestFailed())
        return;

    Program program;
    QVERIFY(QFile::exists(goodsCopyPath(program)));
    QVERIFY(!QFile::exists(goodsBookPath(program)));
    // Archives take the data folder: the copy is not in it.
    QVERIFY(filesUnder(program.entry.folders().dataFolder()).filter(QFileInfo(goodsCopyPath(program)).fileName()).isEmpty());
    QVERIFY(!goodsCopyPath(program).startsWith(program.entry.folders().dataFolder() + "/"));
    {
        MessageBoxAnswerer answerer({answer});
        openGoodsBook(program);
        QCOMPARE(answerer.texts.size(), 1);
        QVERIFY(answerer.texts[0].startsWith("Pronađene su nespremljene promjene ove knjige od "));
        QVERIFY(answerer.texts[0].endsWith(". Vratiti ih?"));
    }
    if (answer == "Da") {
        QCOMPARE(partners(program), (QStringList{"Delta", "Epsilon"}));
        QVERIFY(program.entry.bookChanged());
        QVERIFY(!QFile::exists(goodsBookPath(program)));
        QTest::mouseClick(program.entry.bt_spremi, Qt::LeftButton);
        QVERIFY(fileBytes(goodsBookPath(program)).endsWith("0,1,1\r\n3,1,Delta\r\n0,2,2\r\n3,2,Epsilon\r\n"));
    } else {
        QCOMPARE(partners(program), QStringList{""});
        QVERIFY(!program.entry.bookChanged());
    }
    QVERIFY(!QFile::exists(goodsCopyPath(program)));
}

void TestRecovery::aCopyOlderThanTheBookGoesWithoutAQuestion()
{
    TempDataHome home;
    prepareProgramFolder();
    Program program;
    nameFirstCompany(program, "Alfa d.o.o.");
    openGoodsBook(program);
    QTest::mouseClick(program.entry.bt_spremi, Qt::LeftButton);
    QVERIFY(QDir().mkpath(program.entry.folders().recoveryFolder()));
    writeFile(goodsCopyPath(program), "14,2\r\n0,1,1\r\n3,1,Stari\r\n");
    QFile copy(goodsCopyPath(program));
    QVERIFY(copy.open(QIODevice::ReadWrite));
    QVERIFY(copy.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    copy.close();

    MessageBoxAnswerer answerer;
    pick(program.entry.cb_nk, 1);
    pick(program.entry.cb_nk, 0);
    QVERIFY(answerer.texts.isEmpty());
    QVERIFY(!QFile::exists(goodsCopyPath(program)));
    QCOMPARE(program.book.cell(3, 1), "");
}

void TestRecovery::theCopyGoesWhenNothingIsLeftUnsaved_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Spremi") << "Spremi";
    QTest::newRow("Ne to the question before another book") << "Ne";
    QTest::newRow("undone to the saved state") << "undo";
}

void TestRecovery::theCopyGoesWhenNothingIsLeftUnsaved()
{
    QFETCH(QString, how);
    TempDataHome home;
    prepareProgramFolder();
    Program program;
    nameFirstCompany(program, "Alfa d.o.o.");
    openGoodsBook(program);
    addEntry(program, "Delta");
    QVERIFY(!QFile::exists(goodsCopyPath(program)));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(goodsCopyPath(program)), 10000);
    QCOMPARE(fileBytes(goodsCopyPath(program)), cellFileBytes(program.book.grid()));
    QVERIFY(!QFile::exists(goodsBookPath(program)));

    if (how == "Spremi") {
        QTest::mouseClick(program.entry.bt_spremi, Qt::LeftButton);
    } else if (how == "Ne") {
        MessageBoxAnswerer answerer({"Ne"});
        pick(program.entry.cb_nk, 1);
        QCOMPARE(answerer.texts.size(), 1);
    } else {
        program.history.undo();
    }
    QVERIFY(!QFile::exists(goodsCopyPath(program)));
    QTest::qWait(2500);
    QVERIFY(!QFile::exists(goodsCopyPath(program)));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildSwitch))
        return runChildUntilKilled();
    TestRecovery test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
