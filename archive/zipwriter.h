#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class AppFolders;
class ArchiveProgress;

// The files of the data folder tree an archive takes, "/"-separated and
// relative to it: every *.txt, *.xls, *.xlsx and *.pdf (any case), hidden and
// read-only ones too. Links are neither taken nor followed.
QStringList archivedFiles(const QString &dataFolder);

enum class ArchiveOutcome { Written, Cancelled, Failed };
enum class Compression { Deflate, Store };

// Packs the archived files of the data folder into a zip (deflate at the
// fastest level or stored, UTF-8 names, modes and last-write times). The target is
// replaced only when the archive is complete: a failure or a stop leaves the
// old file and no temporary file. On failure error says why.
ArchiveOutcome writeArchive(const QString &dataFolder, const QString &target, ArchiveProgress *progress,
                            QString &error, Compression compression = Compression::Deflate);

// The archive on exit into the slot of the day. The first archive (no slot 1)
// goes to slot 1 and is copied, with its date, to every missing slot. Nothing
// happens without a data or archive folder, and every failure is dropped.
// Returns the slot written, 0 when none was.
int Arhiv(const AppFolders &folders, ArchiveProgress *progress, const QDate &today = QDate::currentDate());
