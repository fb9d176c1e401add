#pragma once

#include <QString>

class AppFolders;

// What an installer would do, done at start-up: creates the missing folders
// of the program tree and copies every shipped file (kng/, rtm/ below
// shippedRoot) that is missing. Existing files are never overwritten.
// On failure error names the folder or file that could not be made.
bool provisionProgramFolder(const AppFolders &folders, QString &error,
                            const QString &shippedRoot = QStringLiteral(":/shipped"));
