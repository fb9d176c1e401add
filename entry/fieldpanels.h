#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct BookKind;

// How a field is typed in, and so how it turns into a cell's text and back.
enum class Input { Text, Date, Amount, Number, Composite, Year };

// What a sub-field holds, for the fixed hint it carries.
enum class SubRole { Plain, DocumentMark, DocumentDate, PaymentDate, PaymentAmount, PaymentMethod, EntryNumber, EntryYear };

struct SubFieldDef {
    Input input;
    SubRole role = SubRole::Plain;
    bool list = false;            // has a remembered-value list
    const char *label = nullptr;  // a short label beside it
    const char *hint = nullptr;   // a hint of its own, where the role gives none
};

// The field of one book column, column 1 first.
struct ColumnDef {
    Input input;
    const char *caption;
    std::vector<SubFieldDef> subFields = {}; // composites only
    bool list = false;
    const char *secondCaption = nullptr;      // over the sub-fields from secondCaptionFrom on
    int secondCaptionFrom = 0;
    const char *title = nullptr;              // column title, where the caption alone is not enough
};

struct PanelDef {
    const char *prefix;
    const char *panelName;
    std::vector<ColumnDef> columns;
    std::vector<const char *> tabOrder; // "5" is column 5, "2_1" sub-field 1 of column 2
};

const std::vector<PanelDef> &fieldPanels();
const PanelDef &panelFor(const BookKind &kind);

QString fieldName(const PanelDef &panel, int column);
QString subFieldName(const PanelDef &panel, int column, int subField);

// The title a book's template carries for the column.
QString columnTitle(const ColumnDef &column);

// Every field with a remembered-value list, panel by panel, in column order.
QStringList listFieldNames();
