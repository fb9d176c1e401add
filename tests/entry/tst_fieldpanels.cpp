#include "catalogue.h"
#include "cellfile.h"
#include "fieldpanels.h"
#include "textgrid.h"

#include <QFile>
#include <QTest>

class TestFieldPanels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void templatesCarryThePanelsTitles_data();
    void templatesCarryThePanelsTitles();
    void tabOrderNamesExistingFields();
    void thirtyNineListFields();
};

void TestFieldPanels::templatesCarryThePanelsTitles_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 0; kind < kBookKindCount; ++kind)
        QTest::newRow(bookKind(kind)->templateName) << kind;
}

void TestFieldPanels::templatesCarryThePanelsTitles()
{
    QFETCH(int, kind);
    const BookKind &book = *bookKind(kind);
    const PanelDef &panel = panelFor(book);
    QCOMPARE(QLatin1String(panel.panelName), QLatin1String(book.panelName));

    QFile file(":/shipped/kng/" + QString::fromUtf8(book.templateName) + ".txt");
    QVERIFY(file.open(QIODevice::ReadOnly));
    TextGrid grid;
    QVERIFY(readCellBytes(file.readAll(), grid));
    QCOMPARE(grid.columnCount(), static_cast<int>(panel.columns.size()) + 1);
    QCOMPARE(grid.cell(0, 0), "R. br.");
    for (int c = 1; c < grid.columnCount(); ++c)
        QCOMPARE(grid.cell(c, 0), columnTitle(panel.columns[c - 1]));
}

void TestFieldPanels::tabOrderNamesExistingFields()
{
    for (const PanelDef &panel : fieldPanels()) {
        QSet<QString> reached;
        for (const char *stop : panel.tabOrder) {
            const QStringList parts = QString::fromLatin1(stop).split('_');
            const int column = parts[0].toInt();
            QVERIFY2(column >= 1 && column <= static_cast<int>(panel.columns.size()), stop);
            const ColumnDef &definition = panel.columns[column - 1];
            if (parts.size() == 2) {
                QVERIFY2(parts[1].toInt() >= 1 && parts[1].toInt() <= static_cast<int>(definition.subFields.size()), stop);
            } else {
                QVERIFY2(definition.input != Input::Composite, stop); // memos are no tab stops
            }
            QVERIFY2(!reached.contains(stop), stop);
            reached.insert(stop);
        }
    }
}

void TestFieldPanels::thirtyNineListFields()
{
    const QStringList names = listFieldNames();
    QCOMPARE(names.size(), 39);
    QCOMPARE(names.mid(0, 5), QStringList({"p_roba_3", "p_roba_4", "p_roba_8_3", "p_roba_12", "p_roba_13"}));
    QCOMPARE(names.mid(8, 7), QStringList({"p_kredit_3", "p_kredit_4", "p_kredit_7_3", "p_kredit_10_1",
                                           "p_kredit_10_2", "p_kredit_11", "p_kredit_16"}));
    QCOMPARE(names.mid(33, 6), QStringList({"p_depozit_2_3", "p_depozit_2_4", "p_depozit_3_3", "p_depozit_5",
                                            "p_promet_3", "p_promet_7"}));
}

QTEST_APPLESS_MAIN(TestFieldPanels)
#include "tst_fieldpanels.moc"
