#include "importsettings.h"

#include <QSettings>

QString ProcitajPostavku(const QString &file, const QString &section, const QString &key, const QString &defaultValue)
{
    const QString value = QSettings(file, QSettings::IniFormat).value(section + u'/' + key).toString();
    return value.isEmpty() ? defaultValue : value;
}

bool SpremiPostavku(const QString &file, const QString &section, const QString &key, const QString &value)
{
    // QSettings replaces the file through a temporary one, never in place.
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(section + u'/' + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString tidiedFolder(const QString &typed)
{
    QString folder = typed.trimmed();
    if (folder.endsWith(u'\\') || folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}
