// Loading the client's tables and building the book rows: a 5,000-row
// document table and a 10,000-row payment table, as .xls.
#include "clientimport.h"
#include "timing.h"
#include "workbookbuilder.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

void writeTables(const QString &folder)
{
    BookSheet docs{.rows = {{txt("r"), txt("Datum"), txt("Datum isprave"), txt("Broj"), txt("Dobavljac"), txt("Iznos"),
                             txt("Zemlja"), txt("Podrijetlo"), txt("JCD"), txt("JCD datum")},
                            {txt("podnaslov")}}};
    BookSheet pays{.rows = {{txt("Datum placanja"), txt("x"), txt("Valuta"), txt("Iznos"), txt("Dokument"), txt("y")}}};
    for (int i = 0; i < 5000; ++i) {
        const QString number = QStringLiteral("D-%1").arg(i);
        docs.rows << QList<BookCell>{num(i + 1), date(QDate(2024, 1, 1).addDays(i % 365)), date(QDate(2024, 1, 1)), txt(number),
                                     txt(QStringLiteral("Dobavljač %1").arg(i % 50)), num(1000.25 + i), txt("Slovenija"),
                                     txt("Italija"), txt(QStringLiteral("J%1").arg(i)), date(QDate(2024, 2, 1))};
        for (int k = 0; k < 2; ++k)
            pays.rows << QList<BookCell>{date(QDate(2024, 3, 1)), {}, txt("EUR"), num(500.125 + k), txt(number), {}};
    }
    writeFile(folder + "/roba_uvoz.xls", xlsBytes(docs));
    writeFile(folder + "/uplate.xls", xlsBytes(pays));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    writeTables(dir.path());
    const ImportKind &kind = *importKind(0);
    const double ms = medianMs([&] {
        return timeMs([&] {
            ClientTables tables;
            QString error;
            if (!loadClientTables(kind, dir.path(), tables, error) || !buildImportedRows(kind, tables, QDate(), 14, error))
                qFatal("%s", qPrintable(error));
        });
    });
    printFigure("import_5k_documents", ms, "ms");
    return 0;
}
