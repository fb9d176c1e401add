#include "layoutpass.h"
#include "report.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A portrait page with 90 mm for records on the first page (297 - 10 - 10,
// less title 10, header 7 and footer 170) and 100 mm on the others: one
// growing field per record, a region below another, and a hidden region
// between them.
const QByteArray kLayout = R"({
 "page": {"size": "A4", "orientation": "portrait", "margins": [10, 10, 10, 10]},
 "title": {"height": 10, "components": [
  {"name": "naslov", "kind": "label", "rect": [0, 0, 100, 8], "font": {"size": 12, "bold": true}, "text": "Naslov"}]},
 "pageHeader": {"height": 7, "components": [
  {"name": "zaglavlje", "kind": "memo", "rect": [0, 0, 100, 5], "text": "Stupci"}]},
 "detail": {"height": 0, "components": [
  {"name": "prvi", "kind": "region", "rect": [0, 0, 190, 4], "components": [
   {"name": "vrijednost", "kind": "dataField", "field": "Polje1", "rect": [0, 0, 40, 4], "grows": true},
   {"name": "crta", "kind": "line", "style": "dotted", "rect": [45, 0, 0, 1], "grows": true}]},
  {"name": "skriveni", "kind": "region", "rect": [0, 0, 190, 6], "below": "prvi", "visible": false, "components": [
   {"name": "skriveno", "kind": "memo", "rect": [0, 0, 40, 4], "text": "nevidljivo"}]},
  {"name": "zadnji", "kind": "region", "rect": [0, 0, 190, 2], "below": "skriveni", "components": [
   {"name": "kraj", "kind": "line", "rect": [0, 1, 190, 0]}]}]},
 "pageFooter": {"height": 170, "components": [
  {"name": "broj", "kind": "pageNumber", "rect": [0, 160, 50, 5], "text": "Stranica %1 od %2"}]}
})";

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

RecordSource recordsOf(const QStringList &values)
{
    return {.first = 0,
            .count = static_cast<int>(values.size()),
            .value = [values](int record, const QString &field) {
                return field == QLatin1String("Polje1") ? values[record] : QString();
            }};
}

QList<ReportPage> layOut(const Report &report, const QStringList &values)
{
    const auto pages = layOutReport(report, recordsOf(values), QDate(2012, 5, 7));
    if (!pages)
        qFatal("laying out was cancelled");
    return *pages;
}

QStringList textsOf(const ReportPage &page)
{
    QStringList texts;
    for (const TextBox &box : page.texts)
        texts << box.text;
    return texts;
}

// The closing rules ("kraj") of the records on a page, top to bottom.
QList<double> closingRules(const ReportPage &page)
{
    QList<double> tops;
    for (const LineBox &box : page.lines)
        if (box.line.dy() == 0 && box.line.dx() > 100)
            tops << box.line.y1();
    return tops;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_report = Report();
        QString error;
        QVERIFY2(m_report.load(writeFile(m_dir, QStringLiteral("dobar.rtm"), kLayout), error), qPrintable(error));
    }

    void aFaultyFileKeepsTheLayout_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << QByteArray("{ \"page\": ") << QString();
        QTest::newRow("no band") << QByteArray(R"({"page": {"size": "A4", "orientation": "portrait", "margins": [1,1,1,1]}})")
                                 << QStringLiteral("nema trake \"title\"");
        QTest::newRow("unknown kind") << QByteArray(kLayout).replace("\"kind\": \"memo\"", "\"kind\": \"slika\"")
                                      << QStringLiteral("nepoznata vrsta \"slika\"");
        QTest::newRow("name twice") << QByteArray(kLayout).replace("\"name\": \"kraj\"", "\"name\": \"crta\"")
                                    << QStringLiteral("ime \"crta\" se ponavlja");
        QTest::newRow("below nothing") << QByteArray(kLayout).replace("\"below\": \"prvi\"", "\"below\": \"nema\"")
                                       << QStringLiteral("nepostojećeg područja \"nema\"");
        QTest::newRow("other sheet") << QByteArray(kLayout).replace("\"A4\"", "\"A3\"")
                                     << QStringLiteral("stranica mora biti A4");
        QTest::newRow("slanted line") << QByteArray(kLayout).replace("[0, 1, 190, 0]", "[0, 1, 190, 3]")
                                      << QStringLiteral("crta \"kraj\" nije ni vodoravna ni okomita");
    }

    void aFaultyFileKeepsTheLayout()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = writeFile(m_dir, QStringLiteral("los.rtm"), bytes);
        QString error;
        QVERIFY(!m_report.load(path, error));
        QVERIFY2(error.startsWith(QStringLiteral("Predložak ispisa nije ispravan (")), qPrintable(error));
        QVERIFY2(error.endsWith(QStringLiteral("): ") + QDir::toNativeSeparators(path)), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(m_report.find(QStringLiteral("vrijednost"), ComponentKind::DataField));
    }

    void aMissingFileIsNamedInFull()
    {
        const QString path = m_dir.filePath(QStringLiteral("nema.rtm"));
        QString error;
        QVERIFY(!m_report.load(path, error));
        QCOMPARE(error, QStringLiteral("File not found: ") + QDir::toNativeSeparators(path));
        QVERIFY(m_report.find(QStringLiteral("naslov"), ComponentKind::Label));
    }

    void componentsAreFoundByNameAndKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ComponentKind>("kind");
        QTest::addColumn<bool>("found");
        QTest::newRow("label") << "naslov" << ComponentKind::Label << true;
        QTest::newRow("region") << "skriveni" << ComponentKind::Region << true;
        QTest::newRow("inside a region") << "skriveno" << ComponentKind::Memo << true;
        QTest::newRow("other kind") << "naslov" << ComponentKind::Memo << false;
        QTest::newRow("absent") << "rp_tt_0" << ComponentKind::Memo << false;
    }

    void componentsAreFoundByNameAndKind()
    {
        QFETCH(QString, name);
        QFETCH(ComponentKind, kind);
        QFETCH(bool, found);
        QCOMPARE(m_report.find(name, kind) != nullptr, found);
    }

    void aLoadReplacesTheWholeLayout()
    {
        m_report.find(QStringLiteral("skriveni"), ComponentKind::Region)->visible = true;
        m_report.find(QStringLiteral("naslov"), ComponentKind::Label)->text = QStringLiteral("Promijenjeno");
        QString error;
        QVERIFY(m_report.load(m_dir.filePath(QStringLiteral("dobar.rtm")), error));
        QCOMPARE(m_report.find(QStringLiteral("skriveni"), ComponentKind::Region)->visible, false);
        QCOMPARE(m_report.find(QStringLiteral("naslov"), ComponentKind::Label)->text, QStringLiteral("Naslov"));
    }

    // Title 10 mm, header 7 mm: the first record starts at 27 mm. A record
    // of one line is 4 mm and its closing rule region 2 mm; the hidden
    // region between them takes no room.
    void aHiddenRegionTakesNoRoom()
    {
        const QList<ReportPage> pages = layOut(m_report, {QStringLiteral("1"), QStringLiteral("2")});
        QCOMPARE(pages.size(), 1);
        QCOMPARE(closingRules(pages[0]), (QList<double>{27 + 4 + 1, 27 + 6 + 4 + 1}));
        QVERIFY(!textsOf(pages[0]).contains(QStringLiteral("nevidljivo")));
    }

    void aShownRegionPushesTheNextDown()
    {
        m_report.find(QStringLiteral("skriveni"), ComponentKind::Region)->visible = true;
        const QList<ReportPage> pages = layOut(m_report, {QStringLiteral("1")});
        QCOMPARE(closingRules(pages[0]), QList<double>{27 + 4 + 6 + 1});
        QVERIFY(textsOf(pages[0]).contains(QStringLiteral("nevidljivo")));
    }

    void aGrowingFieldGrowsItsBandAndItsLines()
    {
        const QString threeLines = QStringLiteral("prvi\r\ndrugi\r\ntreći");
        const QList<ReportPage> pages = layOut(m_report, {threeLines, QStringLiteral("sljedeći")});
        const ReportPage &page = pages[0];
        QCOMPARE(textsOf(page).mid(2, 4), (QStringList{"prvi", "drugi", "treći", "sljedeći"}));
        const double lineHeight = page.texts[3].rect.top() - page.texts[2].rect.top();
        QVERIFY(lineHeight > 2 && lineHeight < 5);
        const double firstBottom = 27 + 3 * lineHeight;
        QCOMPARE(closingRules(page).value(0), firstBottom + 1);
        QCOMPARE(page.texts[5].rect.top(), firstBottom + 2);
        const LineBox &dotted = page.lines[0];
        QVERIFY(dotted.dotted);
        QCOMPARE(dotted.line.y2() - dotted.line.y1(), 3 * lineHeight);
    }

    void longWordsAndLongTextsWrapInsideTheirColumn()
    {
        const QString text = QStringLiteral("Datum, iznos i način izvršenog plaćanja ili naplate; "
                                             "Zrakoplovnotehničkoodržavateljskiposlovi d.o.o.");
        const QList<ReportPage> pages = layOut(m_report, {text});
        QStringList wrapped = textsOf(pages[0]).mid(2);
        wrapped.removeLast(); // the page number
        QVERIFY(wrapped.size() >= 4);
        QCOMPARE(wrapped.join(QString()).remove(QLatin1Char(' ')), QString(text).remove(QLatin1Char(' ')));
    }

    void aRecordThatDoesNotFitMovesWholeToTheNextPage()
    {
        // 15 records of 6 mm fill the first page's 90 mm; a record of 9 lines follows.
        QStringList values(15, QStringLiteral("kratko"));
        values << QStringList(9, QStringLiteral("redak")).join(QLatin1Char('\n'));
        const QList<ReportPage> pages = layOut(m_report, values);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(closingRules(pages[0]).size(), 15);
        QCOMPARE(textsOf(pages[1]), (QStringList{"Stupci"} + QStringList(9, QStringLiteral("redak"))
                                     + QStringList{"Stranica 2 od 2"}));
        QCOMPARE(pages[1].texts[1].rect.top(), 10 + 7);
        QCOMPARE(textsOf(pages[0]).constLast(), QStringLiteral("Stranica 1 od 2"));
    }

    void aRecordTallerThanAPageIsSplitBetweenLines()
    {
        QStringList lines;
        for (int n = 1; n <= 80; ++n)
            lines << QStringLiteral("redak %1").arg(n);
        const QList<ReportPage> pages = layOut(m_report, {lines.join(QStringLiteral("\r\n"))});
        QVERIFY(pages.size() >= 2);
        QStringList printed;
        for (const ReportPage &page : pages) {
            for (const TextBox &box : page.texts) {
                if (box.text.startsWith(QLatin1String("redak"))) {
                    printed << box.text;
                    QVERIFY2(box.rect.bottom() <= 297 - 10 - 170 + 1e-6, qPrintable(box.text));
                }
            }
        }
        QCOMPARE(printed, lines);
        QCOMPARE(textsOf(pages[1]).value(0), QStringLiteral("Stupci"));
    }

    void noRecordsGiveOnePageWithTitleAndHeader()
    {
        const QList<ReportPage> pages = layOut(m_report, {});
        QCOMPARE(pages.size(), 1);
        QCOMPARE(textsOf(pages[0]), (QStringList{"Naslov", "Stupci", "Stranica 1 od 1"}));
    }

    void layingOutCanBeCancelled()
    {
        int told = 0;
        const auto pages = layOutReport(m_report, recordsOf(QStringList(50, QStringLiteral("x"))), QDate(2012, 1, 1),
                                        [&told](int done) {
                                            told = done;
                                            return done < 10;
                                        });
        QVERIFY(!pages);
        QCOMPARE(told, 10);
    }

private:
    QTemporaryDir m_dir;
    Report m_report;
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
