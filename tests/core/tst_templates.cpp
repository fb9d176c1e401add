#include "catalogue.h"
#include "cellfile.h"
#include "textgrid.h"

#include <QFile>
#include <QTest>

class TestTemplates : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyShippedTemplateIsAnEmptyBookOfItsKind_data();
    void everyShippedTemplateIsAnEmptyBookOfItsKind();
};

void TestTemplates::everyShippedTemplateIsAnEmptyBookOfItsKind_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("columns");

    for (const BookKind &kind : bookCatalogue())
        QTest::newRow(kind.templateName) << ":/shipped/kng/" + QString::fromUtf8(kind.templateName) + ".txt"
                                         << kind.columnCount;
}

void TestTemplates::everyShippedTemplateIsAnEmptyBookOfItsKind()
{
    QFETCH(QString, resource);
    QFETCH(int, columns);

    QFile file(resource);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(resource));
    const QByteArray bytes = file.readAll();
    TextGrid grid;
    QVERIFY(readCellBytes(bytes, grid));

    QCOMPARE(grid.columnCount(), columns);
    QCOMPARE(grid.cell(0, 0), QString("R. br."));
    for (int c = 1; c < columns; ++c)
        QVERIFY2(!grid.cell(c, 0).trimmed().isEmpty(), qPrintable(QString("column %1").arg(c)));
    QCOMPARE(cellFileBytes(grid), bytes);
}

QTEST_APPLESS_MAIN(TestTemplates)
#include "tst_templates.moc"
