#include "catalogue.h"
#include "paths.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestPaths : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bookFileNames_data();
    void bookFileNames();
    void foldersAndFiles_data();
    void foldersAndFiles();
    void applicationDataFolderIsTheUsersDataFolder();
    void manualIsFoundBesideTheProgramOrInItsShareFolder_data();
    void manualIsFoundBesideTheProgramOrInItsShareFolder();
};

void TestPaths::bookFileNames_data()
{
    QTest::addColumn<QString>("company");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("bookFile");
    QTest::addColumn<QString>("templateFile");

    QTest::newRow("goods import") << "100" << 2012 << 0 << "100_2012_roba_uvoz_v_10.txt" << "roba_uvoz.txt";
    QTest::newRow("credits granted") << "100" << 2012 << 4 << "100_2012_kredit_odobrenja_v_10.txt"
                                     << "kredit_odobrenje.txt";
    QTest::newRow("another year, another file") << "100" << 2013 << 4 << "100_2013_kredit_odobrenja_v_10.txt"
                                                << "kredit_odobrenje.txt";
    QTest::newRow("turnover") << "117" << 2100 << 18 << "117_2100_prometa_rn_inozemstvu_v_10.txt"
                              << "depozit_promet.txt";
}

void TestPaths::bookFileNames()
{
    QFETCH(QString, company);
    QFETCH(int, year);
    QFETCH(int, kind);
    QFETCH(QString, bookFile);
    QFETCH(QString, templateFile);

    const AppFolders folders(QStringLiteral("/srv/podaci"));
    QCOMPARE(bookFileName(company, year, *bookKind(kind)), bookFile);
    QCOMPARE(folders.bookFilePath(company, year, *bookKind(kind)),
             "/srv/podaci/LumbracPartneri/Raravazo veveve/Data/" + bookFile);
    QCOMPARE(folders.templatePath(*bookKind(kind)),
             "/srv/podaci/LumbracPartneri/Raravazo veveve/kng/" + templateFile);
}

void TestPaths::foldersAndFiles_data()
{
    QTest::addColumn<QString>("appData");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("found") << "C:/ProgramData" << "C:/ProgramData/LumbracPartneri/Raravazo veveve";
    // A missing folder still composes paths: they begin with the fixed part.
    QTest::newRow("missing") << "" << "/LumbracPartneri/Raravazo veveve";
}

void TestPaths::foldersAndFiles()
{
    QFETCH(QString, appData);
    QFETCH(QString, prefix);

    const AppFolders folders(appData);
    QCOMPARE(folders.programFolder(), prefix);
    QCOMPARE(folders.dataFolder(), prefix + "/Data");
    QCOMPARE(folders.templateFolder(), prefix + "/kng");
    QCOMPARE(folders.reportFolder(), prefix + "/rtm");
    QCOMPARE(folders.archiveFolder(), prefix + "/Arhiva");
    QCOMPARE(folders.archiveSlotPath(1), prefix + "/Arhiva/arhiva_1.fxc");
    QCOMPARE(folders.archiveSlotPath(7), prefix + "/Arhiva/arhiva_7.fxc");
    // The register sits beside the data folder, so an archive of Data leaves it out.
    QCOMPARE(folders.registerPath(), prefix + "/nk_drustva_txt.txt");
    QCOMPARE(folders.importSettingsPath(), prefix + "/karbunica.ini");
    QCOMPARE(folders.listFilePath("p_roba_3"), prefix + "/Data/p_roba_3.txt");
    QCOMPARE(folders.listFilePath("valute"), prefix + "/Data/valute.txt");
}

void TestPaths::applicationDataFolderIsTheUsersDataFolder()
{
    TempDataHome home;
    QCOMPARE(MapaSustava(), home.path());
}

static void writeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
}

void TestPaths::manualIsFoundBesideTheProgramOrInItsShareFolder_data()
{
    QTest::addColumn<QStringList>("manuals");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("found");

    const QString beside = QStringLiteral("usr/bin/upute_nk.pdf");
    const QString installed = QStringLiteral("usr/share/nadzorne-knjige/upute_nk.pdf");
    QTest::newRow("build tree") << QStringList{beside} << QString() << beside;
    QTest::newRow("installed package") << QStringList{installed} << QString() << installed;
    QTest::newRow("beside wins") << QStringList{installed, beside} << QString() << beside;
    QTest::newRow("missing") << QStringList{} << QString() << QString();
    QTest::newRow("a folder of that name is no manual") << QStringList{} << installed << QString();
}

void TestPaths::manualIsFoundBesideTheProgramOrInItsShareFolder()
{
    QFETCH(QStringList, manuals);
    QFETCH(QString, folder);
    QFETCH(QString, found);

    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("usr/bin"));
    if (!folder.isEmpty())
        QDir(root.path()).mkpath(folder);
    for (const QString &manual : manuals)
        writeFile(root.filePath(manual));

    const QString executableFolder = root.filePath(QStringLiteral("usr/bin"));
    QCOMPARE(findManual(executableFolder), found.isEmpty() ? QString() : root.filePath(found));
    QCOMPARE(installedManualPath(executableFolder), root.filePath(QStringLiteral("usr/share/nadzorne-knjige/upute_nk.pdf")));
}

QTEST_APPLESS_MAIN(TestPaths)
#include "tst_paths.moc"
