#pragma once

#include <QLockFile>

#include <memory>

class AppFolders;

// Held for the whole run: two copies of the program on one data folder would
// open the same book and save over each other's rows. A lock left by a copy
// that died is taken over. Null when a running copy holds it.
std::unique_ptr<QLockFile> lockProgramFolder(const AppFolders &folders);
