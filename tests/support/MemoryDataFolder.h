#pragma once
// A data folder in memory with the programs file's paths, for the envelope tests.
#include <string>

#include "data/DataFile.h"
#include "data/ProgramsFile.h"
#include "support/MemoryFileSystem.h"
#include "support/RecordingPrompt.h"

struct MemoryDataFolder {
    MemoryFileSystem fs;
    std::u16string shellFolder = u"/users/op/AppData/Roaming";
    std::u16string dataDir = shellFolder + u"/lvtx.10";
    std::u16string file = dataDir + u"/定时播t";
    std::u16string temp = file + u"Tmp";
    DataFolder folder{fs, shellFolder, dataDir};
    RecordingPrompt prompt;
    bool readFailed = false;
    std::vector<ProgramRecord> programs;

    MemoryDataFolder() { fs.addFolder(dataDir); }

    // The file `path` of this folder with this folder's read-failed flag.
    DataFileContext contextOf(const std::u16string& path, Prompt* owner) { return {folder, path, owner, &readFailed}; }

    ReadResult load() { return loadPrograms(contextOf(file, &prompt), programs); }
    SaveResult save(Prompt* owner) { return savePrograms(contextOf(file, owner), programs); }
    SaveResult save() { return save(&prompt); }
};
