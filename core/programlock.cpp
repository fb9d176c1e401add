#include "programlock.h"

#include "paths.h"

#include <QDir>

std::unique_ptr<QLockFile> lockProgramFolder(const AppFolders &folders)
{
    QDir().mkpath(folders.programFolder());
    auto lock = std::make_unique<QLockFile>(folders.programFolder() + QStringLiteral("/nadzorne_knjige.lock"));
    // Only a dead owner makes a lock stale: a long run must not lose it.
    lock->setStaleLockTime(0);
    if (!lock->tryLock())
        return nullptr;
    return lock;
}
