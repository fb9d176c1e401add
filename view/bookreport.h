#pragma once

#include "report.h"

class TextGrid;

// The book's side of printing: what the program writes into a loaded
// template, and the values of the report's fields.

// The titles of the book's columns into the memos "rp_tt_" + n; a title
// that names the approval ("Oznaka i datum odobrenja") is shortened to the
// one the landscape footnote explains.
void rp_titlovi_vrt_grid_u_report(Report &report, const TextGrid &book);

// The titles of the book's columns, unchanged, into the memos "rp_mm_" + n.
void rp_titlovi_grid_u_report(Report &report, const TextGrid &book);

// Shows the region "ppRegion" + n of every column of the book.
void rp_regioni_visible(Report &report, int columns);

// Loads the template and prepares it for the book as its file name says
// (rcn_00.rtm, vrt_00.rtm or hrz_00.rtm); on failure the report keeps the
// layout it had.
bool loadReportTemplate(Report &report, const QString &path, const TextGrid &book, QString &error);

// The title block: company name, address and place, and the book's line.
struct TitleBlock {
    QString name;
    QString address;
    QString place;
    QString bookLine;
};
void rp_nkBeforePrint(Report &report, const TitleBlock &title);

// The value of a report field ("Polje0" .. "Polje18", any case) for an
// entry row of the book: the cell as stored; empty for every other name.
QString GetFieldValue(const TextGrid &book, int row, const QString &field);
