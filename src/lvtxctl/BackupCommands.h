#pragma once
// backup and restore: the schedule data of a data folder to one file and back, as the settings
// page's dialogs do it.
#include <string_view>

#include "data/BackupFile.h"
#include "data/FileSystem.h"

int runBackup(FileSystem& fs, std::u16string_view dataDir, std::u16string_view out, const BackupParts& parts);

// `programRuns`: the program holds this data folder, whose files it would overwrite from memory.
int runRestore(FileSystem& fs, std::u16string_view dataDir, std::u16string_view backup, const BackupParts& parts,
               bool programRuns);
