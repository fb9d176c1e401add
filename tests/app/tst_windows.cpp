#include "bookgrid.h"
#include "combos.h"
#include "program.h"
#include "testsupport.h"
#include "windowsupport.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolTip>

namespace {

// Whether the title row shows a tooltip over the column: it does for a title
// that does not show whole.
bool titleNeedsToolTip(QHeaderView *titles, int column)
{
    QToolTip::hideText();
    const QPoint pos(titles->sectionViewportPosition(column) + titles->sectionSize(column) / 2, titles->height() / 2);
    QHelpEvent help(QEvent::ToolTip, pos, titles->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(titles->viewport(), &help);
    const bool shown = QToolTip::isVisible();
    QToolTip::hideText();
    return shown;
}

void nameCompany(Program &program, int row, const QString &name)
{
    auto *grid = program.companies.findChild<QTableView *>("sg_drustva");
    grid->model()->setData(grid->model()->index(row, 1), name);
    QTest::mouseClick(program.companies.findChild<QPushButton *>("bt_spremi"), Qt::LeftButton);
}

} // namespace

// The windows working together through the program's wiring.
class TestWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void openedBookShowsEveryTitleWhole_data();
    void openedBookShowsEveryTitleWhole();
    void renamedCompanyStaysChosen();

private:
    std::unique_ptr<TempDataHome> m_home;
    std::unique_ptr<Program> m_program;
};

void TestWindows::init()
{
    m_home = std::make_unique<TempDataHome>();
    prepareProgramFolder();
    m_program = std::make_unique<Program>();
    nameCompany(*m_program, 1, "Alfa d.o.o.");
    pick(m_program->entry.cb_drustva, 0);
}

void TestWindows::cleanup()
{
    m_program.reset();
    m_home.reset();
}

void TestWindows::openedBookShowsEveryTitleWhole_data()
{
    QTest::addColumn<int>("kind");

    QTest::newRow("goods import") << 0;
    QTest::newRow("credits granted") << 4;
    QTest::newRow("turnover on an account abroad") << 18;
}

// The title row is as high as its longest title needs: one line lower, a
// title no longer shows whole.
void TestWindows::openedBookShowsEveryTitleWhole()
{
    QFETCH(int, kind);
    pick(m_program->entry.cb_nk, kind);
    QVERIFY(m_program->bookView.isVisible());
    QHeaderView *titles = m_program->bookView.sg_nk->horizontalHeader();
    for (int column = 0; column < titles->count(); ++column)
        QVERIFY2(!titleNeedsToolTip(titles, column), qPrintable(QString::number(column)));

    const int fitted = titles->height();
    m_program->bookView.sg_nk->setTitleRowHeight(fitted - titles->fontMetrics().height());
    QCoreApplication::processEvents();
    bool someTitleCut = false;
    for (int column = 0; column < titles->count(); ++column)
        someTitleCut = someTitleCut || titleNeedsToolTip(titles, column);
    QVERIFY2(someTitleCut, qPrintable(QString("%1 pixels is more than the titles need").arg(fitted)));
}

void TestWindows::renamedCompanyStaysChosen()
{
    Tfr_nk_00 &entry = m_program->entry;
    pick(entry.cb_nk, 1);
    nameCompany(*m_program, 1, "Alfa i sinovi d.o.o.");
    QCOMPARE(entry.cb_drustva->currentIndex(), 0);
    QCOMPARE(entry.cb_drustva->currentText(), "Alfa i sinovi d.o.o.");
    QCOMPARE(entry.companyNumber(), "100");

    pick(entry.cb_nk, 0);
    QCOMPARE(m_program->bookView.windowTitle(), "Alfa i sinovi d.o.o. - NK - trgovina robom, uvoz");
    QVERIFY(!entry.bt_karbunica->isHidden());
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
