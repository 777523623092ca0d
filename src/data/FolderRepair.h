#pragma once
// Making the data folder and the paths in it usable: the folder created, the access of the
// folder holding a path repaired when a check or an open is denied, and a folder standing
// where a file belongs removed.
#include <memory>
#include <string_view>

#include "data/FileSystem.h"

// Creates the missing folders of the path that leads to DataDir; a plain file holding the
// name of the shell folder or of DataDir is deleted first.
ErrorCode ensureDataFolder(FileSystem& fs, std::u16string_view shellFolder, std::u16string_view dataDir);

// Deletes a folder and everything below it, reporting nothing.
void removeTreeQuiet(FileSystem& fs, std::u16string_view folder);
// The same, repairing access before each deletion; a folder already gone is a success.
ErrorCode removeTreeChecked(FileSystem& fs, std::u16string_view folder);

// The folder that holds the paths one operation works on, and whether that operation has
// repaired it yet.
struct HoldingFolder {
    std::u16string_view path;
    bool repaired = false;
};

void repairOnce(FileSystem& fs, HoldingFolder& holder);
// The existence check of `path`; a denied check repairs the holding folder and checks once more.
PathStatus checkRepairing(FileSystem& fs, std::u16string_view path, HoldingFolder& holder);
// Opens with normal attributes; a denied open repairs the holding folder (once) and the path,
// then opens once more. `error` is 0 with a handle.
std::unique_ptr<FileHandle> openRepairing(FileSystem& fs, std::u16string_view path, OpenMode mode,
                                          HoldingFolder& holder, ErrorCode& error);
// Removes the folder standing where the file `path` belongs: quietly first, and when it is
// still there, checked after one repair of the holding folder. 0 once it is gone.
ErrorCode removeFolderInPlace(FileSystem& fs, std::u16string_view path, HoldingFolder& holder);
