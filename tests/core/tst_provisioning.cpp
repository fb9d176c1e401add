#include "catalogue.h"
#include "paths.h"
#include "provisioning.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestProvisioning : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartMakesTheTree();
    void existingFilesAreLeftAsTheyAre();
    void noApplicationDataFolderMakesNothing();
};

void TestProvisioning::firstStartMakesTheTree()
{
    TempDataHome home;
    const AppFolders folders(MapaSustava());
    QString error;
    QVERIFY2(provisionProgramFolder(folders, error), qPrintable(error));

    for (const QString &folder : {folders.programFolder(), folders.dataFolder(), folders.templateFolder(),
                                  folders.reportFolder(), folders.archiveFolder()})
        QVERIFY2(QDir(folder).exists(), qPrintable(folder));
    for (const BookKind &kind : bookCatalogue()) {
        QFile copied(folders.templatePath(kind));
        QVERIFY2(copied.open(QIODevice::ReadOnly), qPrintable(copied.fileName()));
        QVERIFY(copied.permissions() & QFile::WriteOwner);
        QFile shipped(":/shipped/kng/" + QString::fromUtf8(kind.templateName) + ".txt");
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), shipped.readAll());
    }
    QVERIFY(QDir(folders.dataFolder()).isEmpty());
}

void TestProvisioning::existingFilesAreLeftAsTheyAre()
{
    TempDataHome home;
    const AppFolders folders(MapaSustava());
    QVERIFY(QDir().mkpath(folders.templateFolder()));
    const QString own = folders.templatePath(*bookKind(0));
    {
        QFile file(own);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("2,2\r\ncw 0,40\r\ncw 1,90\r\n0,0,R. br.\r\n1,0,Moj naslov\r\n");
    }
    QString error;
    QVERIFY(provisionProgramFolder(folders, error));
    QFile file(own);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("2,2\r\ncw 0,40\r\ncw 1,90\r\n0,0,R. br.\r\n1,0,Moj naslov\r\n"));
    QVERIFY(QFile::exists(folders.templatePath(*bookKind(1))));
}

void TestProvisioning::noApplicationDataFolderMakesNothing()
{
    QString error;
    QVERIFY(provisionProgramFolder(AppFolders(), error));
    QVERIFY(!QDir(QStringLiteral("/LumbracPartneri")).exists());
}

QTEST_APPLESS_MAIN(TestProvisioning)
#include "tst_provisioning.moc"
