#include "booktitle.h"

QString bookTitleLine(const QString &displayName, int year)
{
    QString title = displayName;
    const qsizetype nk = title.indexOf(QLatin1String("NK"));
    if (nk >= 0)
        title.replace(nk, 2, QStringLiteral("Nadzorna knjiga"));
    return title + QStringLiteral(" - ") + QString::number(year) + QStringLiteral(". godina");
}
