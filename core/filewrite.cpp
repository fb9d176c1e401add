#include "filewrite.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = QStringLiteral("Cannot Create ") + QDir::toNativeSeparators(path);
    return false;
}

bool readWholeFile(const QString &path, QByteArray &bytes, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot open file ") + QDir::toNativeSeparators(path);
        return false;
    }
    bytes = file.readAll();
    return true;
}
