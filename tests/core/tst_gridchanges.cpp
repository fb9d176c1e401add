#include "gridchanges.h"
#include "gridsupport.h"
#include "textgridmodel.h"

#include <QTest>

#include <functional>

namespace {

using Change = std::function<void(TextGridModel &)>;

// Notes every change into one step, as the book's history does.
class StepRecorder : public GridChangeRecorder {
public:
    explicit StepRecorder(TextGridModel &model) : m_model(model) { model.setChangeRecorder(this); }
    ~StepRecorder() { m_model.setChangeRecorder(nullptr); }

    void recordChange(GridChange change) override { step.add(std::move(change)); }
    void recordReplacement() override { ++replacements; }

    GridChanges step;
    int replacements = 0;

private:
    TextGridModel &m_model;
};

TextGrid threeEntries()
{
    return gridOf({40, 80, 150}, {{"R. br.", "Datum", "Iznos"},
                                  {"1", "01.02.2012", "100,00 EUR"},
                                  {"2", "03.02.2012", "7,50 USD"},
                                  {"3", "", "1,00 EUR"}});
}

void appendEntries(TextGridModel &m, int count)
{
    for (int n = 0; n < count; ++n) {
        const int row = m.rowCount();
        m.insertRows(row, 1);
        m.setCell(0, row, QString::number(row));
        m.setCell(2, row, QStringLiteral("%1,00 EUR").arg(n));
    }
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestGridChanges : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void undoGivesTheGridBeforeAndRedoTheGridAfter_data();
    void undoGivesTheGridBeforeAndRedoTheGridAfter();
    void appendedRowsAreKeptAsOneBlock();
    void aStepKnowsTheRowItWasAbout_data();
    void aStepKnowsTheRowItWasAbout();
    void readingAWholeGridIsAReplacement();
};

void TestGridChanges::undoGivesTheGridBeforeAndRedoTheGridAfter_data()
{
    QTest::addColumn<Change>("change");

    QTest::newRow("one cell") << Change([](TextGridModel &m) { m.setCell(1, 2, "04.02.2012"); });
    QTest::newRow("a cell twice") << Change([](TextGridModel &m) {
        m.setCell(1, 2, "x");
        m.setCell(1, 2, "y");
    });
    QTest::newRow("a cell emptied") << Change([](TextGridModel &m) { m.setCell(2, 1, ""); });
    QTest::newRow("a row appended and filled") << Change([](TextGridModel &m) { appendEntries(m, 1); });
    QTest::newRow("rows inserted in the middle, filled, one changed again") << Change([](TextGridModel &m) {
        m.insertRows(2, 2);
        m.setCell(1, 2, "a");
        m.setCell(1, 3, "b");
        m.setCell(1, 2, "c");
    });
    QTest::newRow("a row removed") << Change([](TextGridModel &m) { m.removeRows(2, 1); });
    QTest::newRow("a row emptied then removed") << Change([](TextGridModel &m) {
        m.setCell(0, 1, "");
        m.removeRows(1, 1);
    });
    QTest::newRow("cells below inserted rows, then the rows filled") << Change([](TextGridModel &m) {
        m.insertRows(1, 1);
        m.setCell(2, 3, "changed below");
        m.setCell(2, 1, "in the new row");
    });
    QTest::newRow("a paste adding columns and rows") << Change([](TextGridModel &m) {
        m.insertColumns(3, 2);
        m.setRowCount(6);
        for (int row = 2; row < 6; ++row)
            for (int column = 1; column < 5; ++column)
                m.setCell(column, row, QStringLiteral("%1/%2").arg(row).arg(column));
    });
    QTest::newRow("rows removed after rows appended") << Change([](TextGridModel &m) {
        appendEntries(m, 3);
        m.removeRows(1, 2);
        m.setCell(1, 1, "first now");
    });
}

void TestGridChanges::undoGivesTheGridBeforeAndRedoTheGridAfter()
{
    QFETCH(Change, change);
    TextGridModel model(64);
    model.edit([](TextGrid &grid) { grid = threeEntries(); });
    TextGrid after;
    StepRecorder recorder(model);
    change(model);
    after = model.grid();
    model.setChangeRecorder(nullptr);

    recorder.step.undo(model);
    QCOMPARE(model.grid(), threeEntries());
    recorder.step.redo(model);
    QCOMPARE(model.grid(), after);
    recorder.step.undo(model);
    QCOMPARE(model.grid(), threeEntries());
}

// An import or a paste of many rows is held as the rows, not as a record per cell.
void TestGridChanges::appendedRowsAreKeptAsOneBlock()
{
    TextGridModel model(64);
    model.edit([](TextGrid &grid) { grid = threeEntries(); });
    StepRecorder recorder(model);
    appendEntries(model, 1000);
    QCOMPARE(recorder.step.size(), 1);
    const TextGrid after = model.grid();
    model.setChangeRecorder(nullptr);
    recorder.step.undo(model);
    QCOMPARE(model.grid(), threeEntries());
    recorder.step.redo(model);
    QCOMPARE(model.grid(), after);
}

void TestGridChanges::aStepKnowsTheRowItWasAbout_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("row");

    QTest::newRow("cell") << Change([](TextGridModel &m) { m.setCell(1, 3, "x"); }) << 3;
    QTest::newRow("appended row") << Change([](TextGridModel &m) { appendEntries(m, 2); }) << 4;
    QTest::newRow("removed row") << Change([](TextGridModel &m) { m.removeRows(2, 1); }) << 2;
    QTest::newRow("columns first") << Change([](TextGridModel &m) { m.insertColumns(3, 1); }) << 1;
}

void TestGridChanges::aStepKnowsTheRowItWasAbout()
{
    QFETCH(Change, change);
    QFETCH(int, row);
    TextGridModel model(64);
    model.edit([](TextGrid &grid) { grid = threeEntries(); });
    StepRecorder recorder(model);
    change(model);
    QCOMPARE(recorder.step.firstRow(), row);
}

void TestGridChanges::readingAWholeGridIsAReplacement()
{
    TextGridModel model(64);
    StepRecorder recorder(model);
    model.edit([](TextGrid &grid) { grid = threeEntries(); });
    model.setColumnWidth(1, 99);
    QCOMPARE(recorder.replacements, 1);
    QVERIFY(recorder.step.isEmpty());
}

QTEST_MAIN(TestGridChanges)
#include "tst_gridchanges.moc"
