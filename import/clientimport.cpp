#include "clientimport.h"

#include "amounttext.h"
#include "runningnumbers.h"
#include "textgridmodel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

namespace {

using C = ImportedColumn;

const QList<ImportKind> &importKinds()
{
    static const QList<ImportKind> kinds = {
        {
            .bookKind = 0,
            .documentFile = "roba_uvoz.xls",
            .paymentFile = "uplate.xls",
            .documentColumns = 10,
            .headingColumn = 6,
            .heading = "Zemlja",
            .firstDataRow = 2,
            .keyColumn = 3,
            .shapeMessageStart = "Dokumenti ",
            .columns = {
                {.bookColumn = 1, .source = C::Cell, .first = 1},
                {.bookColumn = 2, .source = C::Pair, .first = 3, .second = 2},
                {.bookColumn = 3, .source = C::Cell, .first = 4},
                {.bookColumn = 4, .source = C::Cell, .first = 6},
                {.bookColumn = 5, .source = C::Amount, .first = 5},
                {.bookColumn = 8, .source = C::Payments},
                {.bookColumn = 11, .source = C::Pair, .first = 8, .second = 9},
                {.bookColumn = 12, .source = C::Cell, .first = 7},
            },
        },
        {
            .bookKind = 1,
            .documentFile = "roba_izvoz.xls",
            .paymentFile = "naplate.xls",
            .documentColumns = 8,
            .headingColumn = 0,
            .heading = "datum",
            .firstDataRow = 1,
            .keyColumn = 1,
            .shapeMessageStart = "Dokument ",
            .columns = {
                {.bookColumn = 1, .source = C::EntryDate},
                {.bookColumn = 2, .source = C::Pair, .first = 1, .second = 0},
                {.bookColumn = 3, .source = C::Cell, .first = 5},
                {.bookColumn = 5, .source = C::Amount, .first = 4},
                {.bookColumn = 8, .source = C::Payments},
                {.bookColumn = 11, .source = C::Pair, .first = 6, .second = 7},
            },
        },
        {
            .bookKind = 2,
            .documentFile = "usluge_uvoz.xls",
            .paymentFile = "uplate.xls",
            .documentColumns = 8,
            .headingColumn = 5,
            .heading = "Dobavljac",
            .firstDataRow = 2,
            .keyColumn = 3,
            .shapeMessageStart = "Dokument ",
            .columns = {
                {.bookColumn = 1, .source = C::Cell, .first = 1},
                {.bookColumn = 2, .source = C::Pair, .first = 3, .second = 2},
                {.bookColumn = 3, .source = C::Cell, .first = 5},
                {.bookColumn = 4, .source = C::Cell, .first = 6},
                {.bookColumn = 5, .source = C::Amount, .first = 7},
                {.bookColumn = 8, .source = C::Payments},
            },
        },
    };
    return kinds;
}

constexpr int kPaymentColumns = 6;
constexpr int kPaymentDate = 0;
constexpr int kPaymentCurrency = 2;
constexpr int kPaymentAmount = 3;
constexpr int kPaymentDocument = 4;
const QString kPaymentHeading = QStringLiteral("Datum placanja");

QString joined(const QString &folder, const QString &fileName)
{
    return folder + QDir::separator() + fileName;
}

// A number cell is taken as the number it is; a text goes through the amount
// rule. Nothing when the text is not a number.
std::optional<QString> amountText(const SheetTable &table, int column, int row)
{
    const QString &text = table.text(column, row);
    if (table.isNumber(column, row))
        return formatAmountNumber(QString(text).replace(u',', u'.').toDouble());
    return stringBroj(text);
}

QString notANumber(const QString &fileName, const SheetTable &table, int column, int row)
{
    return QStringLiteral("Iznos u tablici %1, u %2. retku, nije broj: \"%3\"")
        .arg(fileName)
        .arg(table.sheetRow(row))
        .arg(table.text(column, row));
}

bool hasHeading(const SheetTable &table, int columns, int column, const QString &heading)
{
    return table.columnCount() == columns && table.rowCount() > 0 && table.text(column, 0) == heading;
}

} // namespace

const ImportKind *importKind(int bookKind)
{
    for (const ImportKind &kind : importKinds())
        if (kind.bookKind == bookKind)
            return &kind;
    return nullptr;
}

QString shownPath(const QString &folder, const QString &fileName)
{
    return QDir::toNativeSeparators(joined(folder, fileName));
}

QString workbookPath(const QString &folder, const QString &xlsName)
{
    const QString xls = joined(folder, xlsName);
    if (QFile::exists(xls))
        return xls;
    const QString xlsx = xls + u'x';
    return QFile::exists(xlsx) ? xlsx : QString();
}

QString missingTablesMessage(const ImportKind &kind, const QString &folder)
{
    return QStringLiteral("Dokument ") + shownPath(folder, QString::fromLatin1(kind.documentFile)) + QStringLiteral(" ili ")
           + shownPath(folder, QString::fromLatin1(kind.paymentFile)) + QStringLiteral(" ne postoji!");
}

bool loadClientTables(const ImportKind &kind, const QString &folder, ClientTables &tables, QString &error)
{
    const QString documents = workbookPath(folder, QString::fromLatin1(kind.documentFile));
    const QString payments = workbookPath(folder, QString::fromLatin1(kind.paymentFile));
    if (documents.isEmpty() || payments.isEmpty()) {
        error = missingTablesMessage(kind, folder);
        return false;
    }
    ClientTables loaded;
    if (!readSheet(documents, 0, loaded.documents, error) || !readSheet(payments, 0, loaded.payments, error))
        return false;
    loaded.documentFile = QFileInfo(documents).fileName();
    loaded.paymentFile = QFileInfo(payments).fileName();
    tables = loaded;
    return true;
}

bool hasExpectedShape(const ImportKind &kind, const ClientTables &tables)
{
    return hasHeading(tables.documents, kind.documentColumns, kind.headingColumn, QString::fromLatin1(kind.heading))
           && hasHeading(tables.payments, kPaymentColumns, kPaymentDate, kPaymentHeading);
}

QString shapeMessage(const ImportKind &kind, const QString &folder, const ClientTables &tables)
{
    const QString documents = tables.documentFile.isEmpty() ? QString::fromLatin1(kind.documentFile) : tables.documentFile;
    const QString payments = tables.paymentFile.isEmpty() ? QString::fromLatin1(kind.paymentFile) : tables.paymentFile;
    return QString::fromLatin1(kind.shapeMessageStart) + shownPath(folder, documents) + QStringLiteral(" ili ")
           + shownPath(folder, payments) + QStringLiteral(" nisu po propisu!");
}

PaymentLines::PaymentLines(const SheetTable &payments, const QString &fileName)
    : m_payments(payments), m_fileName(fileName)
{
    if (payments.columnCount() < kPaymentColumns)
        return;
    for (int row = 1; row < payments.rowCount(); ++row)
        if (!payments.text(kPaymentAmount, row).isEmpty())
            m_rows[payments.text(kPaymentDocument, row)] << row;
}

std::optional<QString> PaymentLines::NadjiPlacanja(const QString &documentNumber, QString &error) const
{
    QStringList lines;
    for (const int row : m_rows.value(documentNumber)) {
        const std::optional<QString> amount = amountText(m_payments, kPaymentAmount, row);
        if (!amount) {
            error = notANumber(m_fileName, m_payments, kPaymentAmount, row);
            return std::nullopt;
        }
        lines << m_payments.text(kPaymentDate, row) + QStringLiteral("; ") + *amount + u' '
                     + m_payments.text(kPaymentCurrency, row);
    }
    return lines.join(QStringLiteral("\r\n"));
}

std::optional<ImportedRows> buildImportedRows(const ImportKind &kind, const ClientTables &tables, const QDate &entryDate,
                                              int bookColumns, QString &error)
{
    const SheetTable &documents = tables.documents;
    const PaymentLines payments(tables.payments, tables.paymentFile);
    ImportedRows built;
    for (int row = kind.firstDataRow; row < documents.rowCount(); ++row) {
        const QString &key = documents.text(kind.keyColumn, row);
        if (key.isEmpty())
            break;
        QStringList bookRow(bookColumns);
        for (const ImportedColumn &column : kind.columns) {
            if (column.bookColumn >= bookColumns)
                continue;
            QString &cell = bookRow[column.bookColumn];
            switch (column.source) {
            case C::Cell:
                cell = documents.text(column.first, row);
                break;
            case C::Pair:
                cell = documents.text(column.first, row) + QStringLiteral("; ") + documents.text(column.second, row);
                break;
            case C::Amount:
                if (!documents.text(column.first, row).isEmpty()) {
                    const std::optional<QString> amount = amountText(documents, column.first, row);
                    if (!amount) {
                        error = notANumber(tables.documentFile, documents, column.first, row);
                        return std::nullopt;
                    }
                    cell = *amount + QStringLiteral(" EUR");
                }
                break;
            case C::Payments:
                if (const std::optional<QString> lines = payments.NadjiPlacanja(key, error))
                    cell = *lines;
                else
                    return std::nullopt;
                break;
            case C::EntryDate:
                cell = entryDate.toString(QStringLiteral("dd.MM.yyyy"));
                break;
            }
        }
        built.rows << bookRow;
        built.documentNumbers << key;
    }
    return built;
}

QStringList alreadyImported(const TextGridModel &book, const QStringList &documentNumbers)
{
    QSet<QString> inBook;
    for (int row = 1; row < book.rowCount() && book.columnCount() > 2; ++row)
        inBook.insert(book.cell(2, row).section(QStringLiteral("; "), 0, 0));
    QStringList found;
    for (const QString &number : documentNumbers)
        if (inBook.contains(number) && !found.contains(number))
            found << number;
    return found;
}

bool appendImportedRows(TextGridModel &book, QList<QStringList> rows, QString &error)
{
    if (rows.isEmpty())
        return true;
    const bool intoEmptyEntry = book.rowCount() == 2 && hasNoEntries(book.grid());
    const std::optional<int> largest = intoEmptyEntry ? 0 : largestRunningNumber(book.grid(), error);
    if (!largest)
        return false;
    if (*largest > std::numeric_limits<int>::max() - rows.size()) {
        error = QStringLiteral("Redni broj je prevelik: %1").arg(qint64(*largest) + rows.size());
        return false;
    }
    for (int i = 0; i < rows.size(); ++i)
        rows[i][0] = QString::number(*largest + 1 + i);
    const int firstRow = intoEmptyEntry ? 1 : book.rowCount();
    const int added = static_cast<int>(rows.size()) - (intoEmptyEntry ? 1 : 0);
    if (added > 0)
        book.insertRows(book.rowCount(), added);
    book.setRows(firstRow, rows);
    return true;
}
