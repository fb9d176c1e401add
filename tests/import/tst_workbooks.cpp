#include "sheettable.h"
#include "workbookbuilder.h"

#include <QTemporaryDir>
#include <QTest>

class TestWorkbooks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void probe()
    {
        QTemporaryDir dir;
        BookSheet sheet{.rows = {{txt("Zemlja"), num(7345.6700000000001), date(QDate(2024, 3, 5))},
                                 {formula(12.5), formulaText("Šđčćž"), num(3)}}};
        for (const QString &suffix : {QStringLiteral(".xls"), QStringLiteral(".xlsx")}) {
            const QString path = dir.filePath("t" + suffix);
            QVERIFY(writeFile(path, suffix == ".xls" ? xlsBytes(sheet) : xlsxBytes(sheet)));
            SheetTable table;
            QString error;
            QVERIFY2(readSheet(path, 0, table, error), qPrintable(error));
            for (int r = 0; r < table.rowCount(); ++r) {
                QStringList row;
                for (int c = 0; c < table.columnCount(); ++c)
                    row << table.text(c, r);
                qDebug() << suffix << row;
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestWorkbooks)
#include "tst_workbooks.moc"
