#pragma once

#include "sheettable.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TextGridModel;

// Where a book column of an imported row takes its value from.
struct ImportedColumn {
    enum Source {
        Cell,      // the text of document column `first`
        Pair,      // column `first` + "; " + column `second`
        Amount,    // the amount of column `first` + " EUR", empty when empty
        Payments,  // the payment lines of the document
        EntryDate, // the entry date chosen in the window
    };
    int bookColumn = 0;
    Source source = Cell;
    int first = 0;
    int second = 0;
};

// One client table pair: the files, the shape the check expects, and the
// book row each document becomes.
struct ImportKind {
    int bookKind = 0;
    const char *documentFile = nullptr;
    const char *paymentFile = nullptr;
    int documentColumns = 0;
    int headingColumn = 0;
    const char *heading = nullptr;
    int firstDataRow = 0;
    int keyColumn = 0;
    // How the kind's "nisu po propisu!" message begins.
    const char *shapeMessageStart = nullptr;
    QList<ImportedColumn> columns;
};

// Goods import, goods export and services received; nothing for other kinds.
const ImportKind *importKind(int bookKind);

// The folder and a file name joined, as the user sees the path.
QString shownPath(const QString &folder, const QString &fileName);

// The workbook to read for a table: "name.xls", or "name.xlsx" when only that
// one is in the folder; empty when neither is.
QString workbookPath(const QString &folder, const QString &xlsName);

// "Dokument <folder>\<documents> ili <folder>\<payments> ne postoji!"
QString missingTablesMessage(const ImportKind &kind, const QString &folder);

// The loaded pair of tables, named by the files they came from.
struct ClientTables {
    SheetTable documents;
    SheetTable payments;
    QString documentFile;
    QString paymentFile;
};

// Reads both workbooks of the kind from the folder.
bool loadClientTables(const ImportKind &kind, const QString &folder, ClientTables &tables, QString &error);

bool hasExpectedShape(const ImportKind &kind, const ClientTables &tables);
QString shapeMessage(const ImportKind &kind, const QString &folder, const ClientTables &tables);

// The payment rows of each document, indexed once from the payment table.
class PaymentLines {
public:
    PaymentLines(const SheetTable &payments, const QString &fileName);
    // The document's lines in table order, CR LF between them; nothing when
    // one of its amounts is not a number, with error naming the row.
    std::optional<QString> NadjiPlacanja(const QString &documentNumber, QString &error) const;

private:
    const SheetTable &m_payments;
    QString m_fileName;
    QHash<QString, QList<int>> m_rows;
};

// The book rows of the documents, running numbers not yet given; the
// document numbers beside them. Nothing when an amount is not a number.
struct ImportedRows {
    QList<QStringList> rows;
    QStringList documentNumbers;
};
std::optional<ImportedRows> buildImportedRows(const ImportKind &kind, const ClientTables &tables, const QDate &entryDate,
                                              int bookColumns, QString &error);

// The document numbers that already begin an entry's column 2 ("number; date").
QStringList alreadyImported(const TextGridModel &book, const QStringList &documentNumbers);

// Numbers the rows and puts them into the book at once: into its one empty
// entry, then after its last row. False, with nothing changed, when a running
// number of the book cannot be read.
bool appendImportedRows(TextGridModel &book, QList<QStringList> rows, QString &error);
