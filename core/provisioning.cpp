#include "provisioning.h"

#include "filewrite.h"
#include "paths.h"

#include <QDir>
#include <QFile>

namespace {

bool copyMissingFiles(const QString &fromFolder, const QString &toFolder, QString &error)
{
    const QDir from(fromFolder);
    for (const QString &name : from.entryList(QDir::Files, QDir::Name)) {
        const QString target = toFolder + QLatin1Char('/') + name;
        if (QFile::exists(target))
            continue;
        QByteArray bytes;
        if (!readWholeFile(from.filePath(name), bytes, error)
            || !saveFileAtomically(target, bytes, error))
            return false;
    }
    return true;
}

} // namespace

bool provisionProgramFolder(const AppFolders &folders, QString &error, const QString &shippedRoot)
{
    if (folders.appData().isEmpty())
        return true; // nowhere to put it; the entry window reports the missing folder

    for (const QString &folder : {folders.programFolder(), folders.dataFolder(),
                                  folders.templateFolder(), folders.reportFolder(),
                                  folders.archiveFolder()}) {
        if (!QDir().mkpath(folder)) {
            error = QStringLiteral("Mapu nije moguće stvoriti: ") + QDir::toNativeSeparators(folder);
            return false;
        }
    }
    return copyMissingFiles(shippedRoot + QStringLiteral("/kng"), folders.templateFolder(), error)
           && copyMissingFiles(shippedRoot + QStringLiteral("/rtm"), folders.reportFolder(), error);
}
