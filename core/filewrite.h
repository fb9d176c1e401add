#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file with the bytes, or leaves the old file whole: the bytes go
// to a temporary file beside it, which is renamed over the old one only when
// complete, and the folder is synced so that the rename itself survives a
// power cut. On failure error is "Cannot Create " and the native path.
bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString &error);

// Makes a rename or a new file in the folder of the path durable (POSIX; a
// no-op elsewhere). False when the folder cannot be synced.
bool syncFolderOf(const QString &path);

// The whole file, or false with "Cannot open file " and the native path.
bool readWholeFile(const QString &path, QByteArray &bytes, QString &error);
