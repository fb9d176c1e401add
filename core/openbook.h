#pragma once

#include <QString>

struct BookKind;
class AppFolders;
class TextGrid;
class TextGridModel;

// What a book is saved under: the parts of its file name.
struct BookChoice {
    int kind = -1;
    int year = 0;
    QString company;
};

// The message for the first missing part of a book's file name, in the order
// the user is asked to correct them; empty when the name is complete.
QString missingNamePart(const BookChoice &choice, const AppFolders &folders);

// Width of a column by the length of its title: long titles get a readable
// width, short ones keep the template's.
int titleColumnWidth(const QString &title, int templateWidth);

// After a template is read: the title row and one empty entry, widths by the
// titles, column 0 narrow for the running number.
void layOutTemplate(TextGrid &grid);

// Empties the entries, reads the kind's template and lays it out.
bool openTemplate(TextGridModel &book, const AppFolders &folders, const BookKind &kind, QString &error);
