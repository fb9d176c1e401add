#pragma once

#include <QString>

// The title line of a printed or exported book: the display name with its
// first "NK" spelt out, then the year ("NK - trgovina robom, uvoz" of 2012
// gives "Nadzorna knjiga - trgovina robom, uvoz - 2012. godina").
QString bookTitleLine(const QString &displayName, int year);
