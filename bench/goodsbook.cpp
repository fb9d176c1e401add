#include "goodsbook.h"

#include "cellfile.h"
#include "openbook.h"
#include "textgrid.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QStringList>

namespace {

const QStringList kPartners{"Kovačević d.o.o.", "Šimunić GmbH, Graz", "Đurđević S.r.l.",
                            "Žagar & Čolić AG, Zürich", "Ćosić Ltd.", "Babić s.p."};
const QStringList kCountries{"Njemačka", "Austrija", "Italija", "Slovenija", "Mađarska", "Češka"};
const QStringList kGoods{"Strojevi", "Tekstil, pređa", "Građevinski materijal", "Sušeno voće"};

// Laid out as the program lays out an opened template, so that the widths
// are the ones it saves.
void readGoodsTemplate(TextGrid &grid)
{
    QFile file(QStringLiteral(":/shipped/kng/roba_uvoz.txt"));
    if (!file.open(QIODevice::ReadOnly) || !readCellBytes(file.readAll(), grid))
        qFatal("the shipped goods template cannot be read");
    layOutTemplate(grid);
}

QString dateText(int entry)
{
    return QDate(2012, 1, 1).addDays(entry % 366).toString(QStringLiteral("dd.MM.yyyy"));
}

QString amountText(qint64 cents, const QString &currency)
{
    const QString whole = QLocale(QLocale::German).toString(cents / 100);
    return QStringLiteral("%1,%2 %3").arg(whole).arg(cents % 100, 2, 10, QLatin1Char('0')).arg(currency);
}

// Paid in one part, two or three, one line each.
QString paymentLines(int entry)
{
    QStringList lines;
    for (int part = 0; part <= entry % 3; ++part) {
        const QString amount = amountText((entry + part) * 7919LL % 10'000'000, QStringLiteral("EUR"));
        lines << dateText(entry + 30 * part) + QStringLiteral("; ") + amount + QStringLiteral("; virman");
    }
    return lines.join(QStringLiteral("\r\n"));
}

QStringList entryTexts(int entry)
{
    return {QString::number(entry),
            dateText(entry),
            QStringLiteral("UR-%1/2012, %2").arg(entry).arg(dateText(entry)),
            kPartners[entry % kPartners.size()],
            kCountries[entry % kCountries.size()],
            amountText(entry * 7919LL % 100'000'000, QStringLiteral("EUR")),
            kGoods[entry % kGoods.size()],
            QStringLiteral("2,50"),
            paymentLines(entry),
            QStringLiteral("HNB-%1, %2").arg(entry % 977).arg(dateText(entry)),
            QStringLiteral("%1/2012").arg(entry),
            entry % 3 ? QString() : QStringLiteral("JCD %1, %2").arg(entry * 13).arg(dateText(entry)),
            kCountries[entry / 7 % kCountries.size()],
            entry % 5 ? QString() : QStringLiteral("Kina")};
}

} // namespace

void fillGoodsBook(TextGrid &grid, int entries)
{
    readGoodsTemplate(grid);
    grid.setRowCount(entries + 1);
    for (int entry = 1; entry <= entries; ++entry) {
        const QStringList texts = entryTexts(entry);
        for (int column = 0; column < texts.size(); ++column)
            grid.setCell(column, entry, texts[column]);
    }
}
