#pragma once

#include <QString>
#include <QStringList>

class TextGrid;

// The company register: row 0 the titles, each further row one company,
// column 0 its number, column 1 its name, 2 its address, 3 its place.

struct CompanyLines {
    QString name;
    QString address;
    QString place;
};

// The name, address and place of the company with the number; empty texts
// when no row has it.
CompanyLines companyLines(const TextGrid &companies, const QString &number);

// "Dodaj" names the register's only company instead of adding one while that
// company has no name yet.
bool onlyCompanyIsUnnamed(const TextGrid &companies);

// Whether the row holds anything besides its number.
bool holdsCompanyData(const TextGrid &companies, int row);

// One more than the largest number in the register and in the names of the
// book files in the data folder, so that a new company never takes over the
// books of a deleted one. A book file name begins with the company number and
// a four-digit year, each followed by "_", and ends in ".txt" (in any case);
// other files count for nothing.
int nextCompanyNumber(const TextGrid &companies, const QStringList &dataFileNames);

// The number of the first company of a fresh register: 100, or past the
// numbers of the book files already in the data folder.
int firstCompanyNumber(const QStringList &dataFileNames);

// The first data row whose text in the column equals the text, case ignored;
// 0 when none does or the text is empty.
int findRowIgnoringCase(const TextGrid &grid, int column, const QString &text);
