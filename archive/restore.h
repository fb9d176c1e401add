#pragma once

#include <QString>
#include <QStringList>

class AppFolders;
class ArchiveProgress;

struct RestoreOutcome {
    enum class Status { Restored, DataFolderMissing, ArchiveMissing, ArchiveUnreadable, SafetyCopyFailed, Cancelled, Incomplete };

    Status status = Status::Restored;
    int restored = 0;
    // Archive entries that were not restored: links, devices, paths that
    // would lead outside the data folder.
    QStringList refused;
    QString error;
};

// Restores the data folder from the archive. The archive is first unpacked
// into a folder of its own, so a broken or stopped unpacking changes nothing;
// then the current data folder is archived for undoing the restore, and only
// then is each unpacked file renamed over its target, read-only ones too.
// Files the archive lacks stay; nothing outside the data folder is written.
RestoreOutcome SigurKopZamijeni(const AppFolders &folders, const QString &archivePath, ArchiveProgress *progress);

// What the user is told after a restore.
QString restoreMessage(const RestoreOutcome &outcome, const QString &archivePath);
