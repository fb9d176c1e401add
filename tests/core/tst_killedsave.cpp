#include "cellfile.h"
#include "textgrid.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>

namespace {

constexpr int kRows = 100'000;
constexpr int kKills = 20;
const char *const kChildSwitch = "NK_SAVE_BOOK_FOR_A_KILL";

TextGrid book(const QString &edition)
{
    TextGrid grid(64, 10, kRows + 1);
    for (int r = 1; r <= kRows; ++r) {
        grid.setCell(0, r, QString::number(r));
        for (int c = 1; c < 10; ++c)
            grid.setCell(c, r, edition + QString::number(r * 10 + c));
    }
    return grid;
}

// The child: announces itself once its book is built, then saves it.
int saveNewBookAndExit(const QString &path)
{
    const TextGrid grid = book(QStringLiteral("novo "));
    std::puts("ready");
    std::fflush(stdout);
    QString error;
    return saveCellFile(grid, path, error) ? 0 : 2;
}

} // namespace

class TestKilledSave : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void aKilledSaveLeavesTheOldOrTheNewBookWhole();

private:
    // Starts the saving child and waits until its book is built.
    void startSaving(QProcess &child);
    void writeOldBook();

    QTemporaryDir m_dir;
    QString m_path;
    QByteArray m_old;
    QByteArray m_new;
};

void TestKilledSave::initTestCase()
{
    m_path = m_dir.filePath(QStringLiteral("100_2026_roba_uvoz_v_10.txt"));
    m_old = cellFileBytes(book(QStringLiteral("staro ")));
    m_new = cellFileBytes(book(QStringLiteral("novo ")));
}

void TestKilledSave::writeOldBook()
{
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(m_old), m_old.size());
}

void TestKilledSave::startSaving(QProcess &child)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildSwitch, m_path);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted(30000));
    while (!child.canReadLine())
        QVERIFY(child.waitForReadyRead(60000));
    QCOMPARE(child.readLine(), QByteArray("ready\n"));
}

// The kills are spread over one whole save, timed first; after each the
// folder holds just the book, the old one or the new one, never a mix, a
// truncated file or a temporary file.
void TestKilledSave::aKilledSaveLeavesTheOldOrTheNewBookWhole()
{
    writeOldBook();
    QProcess timed;
    startSaving(timed);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(timed.waitForFinished(120000));
    const qint64 saveNs = clock.nsecsElapsed();
    QCOMPARE(timed.exitCode(), 0);

    int oldSeen = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        writeOldBook();
        QProcess child;
        startSaving(child);
        QThread::usleep(static_cast<unsigned long>(saveNs / 1000 * (2 * kill + 1) / (2 * kKills)));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(60000));

        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("100_2026_roba_uvoz_v_10.txt")});
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes == m_old || bytes == m_new, qPrintable(QString("kill %1: %2 bytes").arg(kill).arg(bytes.size())));
        oldSeen += bytes == m_old;
    }
    qInfo("%d of %d kills left the old book, the rest the new one", oldSeen, kKills);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(kChildSwitch))
        return saveNewBookAndExit(qEnvironmentVariable(kChildSwitch));
    QCoreApplication application(argc, argv);
    TestKilledSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killedsave.moc"
