#include "versionlabel.h"

#include "version.h"

#include <QStringList>

QString versionLabel(const QString &version)
{
    const QStringList numbers = version.split(QLatin1Char('.'));
    if (numbers.size() < 2 || numbers[0].isEmpty() || numbers[1].isEmpty())
        return {};
    return numbers[0] + QLatin1Char('.') + numbers[1];
}

QString VerzijaPrograma()
{
    return versionLabel(QStringLiteral(NK_VERSION));
}
