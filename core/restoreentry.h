#pragma once

#include <QString>

// What an archive entry would make on disk. Only files and folders are ever
// restored; links and devices could reach outside the data folder.
enum class EntryKind { File, Folder, Link, Other };

// The "/"-separated path below the data folder that an archive entry may be
// restored to, without empty or "." parts; the empty text when the entry is
// refused: not a file or folder, an absolute or drive path, a ".." part (or a
// part of dots and blanks only, which Windows reads as one), a ":" or a NUL.
// "\" counts as a separator, as it does on Windows.
QString restorablePath(const QString &entryPath, EntryKind kind);
