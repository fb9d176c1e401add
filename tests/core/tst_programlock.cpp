#include "paths.h"
#include "programlock.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>

#include <unistd.h>

// A copy of the program that takes the lock and dies without releasing it.
static int holdLockAndDie()
{
    auto lock = lockProgramFolder(AppFolders(MapaSustava()));
    _exit(lock ? 0 : 3);
}

class TestProgramLock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aSecondCopyIsRefusedWhileTheFirstRuns();
    void theLockOfACopyThatDiedIsTakenOver();
};

void TestProgramLock::aSecondCopyIsRefusedWhileTheFirstRuns()
{
    TempDataHome home;
    const AppFolders folders(MapaSustava());
    auto first = lockProgramFolder(folders);
    QVERIFY(first);
    QVERIFY(!lockProgramFolder(folders));
    first.reset();
    QVERIFY(lockProgramFolder(folders));
}

void TestProgramLock::theLockOfACopyThatDiedIsTakenOver()
{
    TempDataHome home;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("NK_HOLD_LOCK_AND_DIE", "1");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    const AppFolders folders(MapaSustava());
    QVERIFY(QFile::exists(folders.programFolder() + "/nadzorne_knjige.lock"));

    QVERIFY(lockProgramFolder(folders));
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("NK_HOLD_LOCK_AND_DIE"))
        return holdLockAndDie();
    QCoreApplication application(argc, argv);
    TestProgramLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programlock.moc"
