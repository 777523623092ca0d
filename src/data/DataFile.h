#pragma once
// One data file as its loader and saver see it. Every data file is its payload followed by
// the MD5 digest of the payload, saved through a companion (its path with "Tmp" appended) so
// that an interrupted save loses nothing: DataFileRead.h reads it, DataFileSave.h saves it,
// FolderRepair.h makes its folder and paths usable and DataFileTexts.h words its failures.
#include <string>
#include <string_view>

#include "data/FileSystem.h"
#include "data/Prompt.h"

// Where the data files live; a save creates the folder.
struct DataFolder {
    FileSystem& fs;
    std::u16string shellFolder;  // the roaming application-data folder
    std::u16string dataDir;      // shellFolder + "lvtx.10"
};

// What every loader and saver of a data file is given.
struct DataFileContext {
    DataFolder folder;
    std::u16string path;
    Prompt* owner = nullptr;     // owns the message boxes; null: failures are silent, only the result tells
    bool* readFailed = nullptr;  // the file's read-failed flag; null for a file that has none
};

inline constexpr std::u16string_view tempSuffix = u"Tmp";

inline std::u16string tempPathOf(std::u16string_view path) {
    std::u16string temp(path);
    temp.append(tempSuffix);
    return temp;
}
