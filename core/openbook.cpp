#include "openbook.h"

#include "catalogue.h"
#include "cellfile.h"
#include "paths.h"
#include "textgridmodel.h"

QString missingNamePart(const BookChoice &choice, const AppFolders &folders)
{
    if (!bookKind(choice.kind))
        return QStringLiteral("Greška - Odabir knjige");
    if (choice.year == 0)
        return QStringLiteral("Greška - Odabir godine");
    if (choice.company.isEmpty())
        return QStringLiteral("Greška - Odabir društva");
    if (folders.appData().isEmpty())
        return QStringLiteral("Greška - Application data - spremi knjigu");
    return {};
}

int titleColumnWidth(const QString &title, int templateWidth)
{
    const qsizetype length = title.size();
    if (length > 200)
        return 200;
    if (length > 80 && length < 200)
        return 150;
    return templateWidth;
}

void layOutTemplate(TextGrid &grid)
{
    grid.setRowCount(2);
    for (int column = 0; column < grid.columnCount(); ++column)
        grid.setColumnWidth(column, titleColumnWidth(grid.cell(column, 0), grid.columnWidth(column)));
    grid.setColumnWidth(0, 40);
}

bool openTemplate(TextGridModel &book, const AppFolders &folders, const BookKind &kind, QString &error)
{
    book.edit([](TextGrid &grid) {
        if (grid.rowCount() > 1)
            grid.clearRows(1, grid.rowCount() - 1);
    });
    if (!loadCellFile(book, folders.templatePath(kind), error))
        return false;
    book.edit(layOutTemplate);
    return true;
}
