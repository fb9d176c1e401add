#include "companynumbers.h"

#include "booklookup.h"
#include "textgrid.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int kNumberColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kFirstCompanyNumber = 100;

// A text that is no whole number counts as 0, as an empty cell does.
int wholeNumber(const QString &text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? number : 0;
}

int largestRegisterNumber(const TextGrid &companies)
{
    int largest = 0;
    for (int row = 1; row < companies.rowCount(); ++row)
        largest = std::max(largest, wholeNumber(companies.cell(kNumberColumn, row)));
    return largest;
}

int largestBookFileNumber(const QStringList &dataFileNames)
{
    static const QRegularExpression bookFileName(QStringLiteral("^(\\d+)_\\d{4}_.+\\.txt$"),
                                                 QRegularExpression::CaseInsensitiveOption);
    int largest = 0;
    for (const QString &name : dataFileNames) {
        const QRegularExpressionMatch match = bookFileName.match(name);
        if (match.hasMatch())
            largest = std::max(largest, wholeNumber(match.captured(1)));
    }
    return largest;
}

} // namespace

CompanyLines companyLines(const TextGrid &companies, const QString &number)
{
    const int row = findRowEqualTo(companies, kNumberColumn, number);
    if (row == 0 || companies.columnCount() <= kNameColumn + 2)
        return {};
    return {companies.cell(kNameColumn, row), companies.cell(kNameColumn + 1, row),
            companies.cell(kNameColumn + 2, row)};
}

bool onlyCompanyIsUnnamed(const TextGrid &companies)
{
    return companies.rowCount() == 2 && companies.cell(kNameColumn, 1).isEmpty();
}

bool holdsCompanyData(const TextGrid &companies, int row)
{
    for (int column = kNameColumn; column < companies.columnCount(); ++column)
        if (!companies.cell(column, row).isEmpty())
            return true;
    return false;
}

int nextCompanyNumber(const TextGrid &companies, const QStringList &dataFileNames)
{
    return std::max(largestRegisterNumber(companies), largestBookFileNumber(dataFileNames)) + 1;
}

int firstCompanyNumber(const QStringList &dataFileNames)
{
    return std::max(kFirstCompanyNumber, largestBookFileNumber(dataFileNames) + 1);
}

int findRowIgnoringCase(const TextGrid &grid, int column, const QString &text)
{
    if (text.isEmpty())
        return 0;
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (grid.cell(column, row).compare(text, Qt::CaseInsensitive) == 0)
            return row;
    }
    return 0;
}
