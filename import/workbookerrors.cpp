#include "workbookerrors.h"

#include "cellvalues.h"

#include <QDir>

QString workbookError(const QString &path, const QString &reason)
{
    return QStringLiteral("Datoteku %1 nije moguće učitati: %2.").arg(QDir::toNativeSeparators(path), reason);
}

QString unreadableFormulaError(const QString &path, int column, int row)
{
    return workbookError(path, QStringLiteral("formula u ćeliji %1 nema izračunatu vrijednost").arg(cellName(column, row)));
}
