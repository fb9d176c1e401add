#include "reportfont.h"

QFont reportQFont(const ReportFont &font)
{
    QString family = font.family;
#ifndef Q_OS_WIN
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        family = QStringLiteral("Liberation Sans");
#endif
    QFont result(family);
    result.setPointSizeF(font.pointSize);
    result.setBold(font.bold);
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}
