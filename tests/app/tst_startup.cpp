#include "program.h"
#include "testsupport.h"
#include "versionlabel.h"

#include <QPushButton>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void versionLabel_data();
    void versionLabel();
    void sevenWindowsWithTheirCaptions();
    void startWindow();
    void bigButtonShowsTheEntryWindow();
    void closingTheStartWindowEndsWithTheFolders();

private:
    TempDataHome m_home;
};

void TestStartup::versionLabel_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("label");

    QTest::newRow("four numbers") << "1.3.1.6" << "1.3";
    QTest::newRow("two numbers") << "2.10" << "2.10";
    QTest::newRow("one number") << "7" << "";
    QTest::newRow("none") << "" << "";
}

void TestStartup::versionLabel()
{
    QFETCH(QString, version);
    QFETCH(QString, label);
    QCOMPARE(::versionLabel(version), label);
}

void TestStartup::sevenWindowsWithTheirCaptions()
{
    Program program;
    const QList<QWidget *> windows{&program.start, &program.entry, &program.bookView, &program.companies,
                                   &program.progress, &program.archive, &program.clientImport};
    const QStringList captions{"Raravazo veveve", "Forma za unos podataka", "Nadzorna knjiga", "Društva",
                               "Napredovanje", "Arhiva", "Karbunica Bravin d.o.o."};
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QCOMPARE(windows[i]->windowTitle(), captions[i]);
        QVERIFY(windows[i]->isWindow());
        QVERIFY(!windows[i]->isVisible());
    }
    QCOMPARE(program.entry.folders().appData(), m_home.path());
    QCOMPARE(program.entry.size(), QSize(754, 508));
    QCOMPARE(program.bookView.size(), QSize(800, 600));
    QCOMPARE(program.companies.size(), QSize(632, 451));
}

void TestStartup::startWindow()
{
    Program program;
    program.start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.start));
    QCOMPARE(program.start.size(), QSize(533, 200));
    QCOMPARE(program.start.lb_verzija->text(), "1.3"); // the program is version 1.3.1.6
    QCOMPARE(program.start.bt_nk1->text(), "NADZORNE KNJIGE");
    QCOMPARE(program.start.bt_nk1->toolTip(), "oTVARANJE NADZORNIH KNJIGA");
    QCOMPARE(program.start.lb_upute->text(), "UPUTE");
    QCOMPARE(program.start.lb_upute->toolTip(), "upute_nk.pdf");
    QVERIFY(!(program.start.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(program.start.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(program.start.windowFlags() & Qt::WindowCloseButtonHint);
}

void TestStartup::bigButtonShowsTheEntryWindow()
{
    Program program;
    program.start.show();
    auto *button = program.start.findChild<QPushButton *>("bt_nk1");
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(program.entry.isVisible());

    // Closing the entry window only hides it; the button shows it again.
    program.entry.close();
    QVERIFY(!program.entry.isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(program.entry.isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(program.entry.isVisible());
}

void TestStartup::closingTheStartWindowEndsWithTheFolders()
{
    Program program;
    program.start.show();
    QString archivedFrom;
    connect(&program.start, &Tfr_nk::FormClose, this,
            [&](const AppFolders &folders) { archivedFrom = folders.appData(); });
    QVERIFY(program.start.close());
    QCOMPARE(archivedFrom, m_home.path());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
