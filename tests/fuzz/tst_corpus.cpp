#include "fuzzchecks.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Every committed corpus file through its check, under the sanitizers of the
// test build: what fuzzing once found stays found without a fuzzing engine.
class TestCorpus : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyCheckHasSeeds();
    void replay_data();
    void replay();
};

static QDir corpusFolder(const FuzzCheck &check)
{
    return QDir(QStringLiteral(NK_FUZZ_CORPUS "/") + QLatin1String(check.name));
}

void TestCorpus::everyCheckHasSeeds()
{
    for (const FuzzCheck &check : fuzzChecks())
        QVERIFY2(!corpusFolder(check).entryList(QDir::Files).isEmpty(), check.name);
}

void TestCorpus::replay_data()
{
    QTest::addColumn<QString>("checkName");
    QTest::addColumn<QString>("path");
    for (const FuzzCheck &check : fuzzChecks()) {
        const QDir folder = corpusFolder(check);
        for (const QString &file : folder.entryList(QDir::Files, QDir::Name))
            QTest::addRow("%s/%s", check.name, qPrintable(file)) << QString(check.name) << folder.filePath(file);
    }
}

void TestCorpus::replay()
{
    QFETCH(QString, checkName);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString broken = findFuzzCheck(checkName.toLatin1())->check(file.readAll());
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

QTEST_MAIN(TestCorpus)
#include "tst_corpus.moc"
