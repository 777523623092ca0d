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

    ReadResult load() { return loadPrograms(folder, file, &prompt, readFailed, programs); }
    SaveResult save(Prompt* owner) { return savePrograms(folder, file, owner, readFailed, programs); }
    SaveResult save() { return save(&prompt); }
};
