#pragma once
// Saving a data file through its companion: the paths made usable and an interrupted save
// recovered, the companion written and flushed, then put in place of the file. A file whose
// start-up read failed is overwritten only when the operator agrees.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/DataFile.h"
#include "data/DataFileTexts.h"

struct SaveResult {
    bool ok = false;
    ErrorCode code = errorSuccess;  // 0 also when the operator declined the save question
    std::u16string message;
};

// Opens for writing with truncation, repairing access when denied; a folder in the file's
// place is removed first.
std::unique_ptr<FileHandle> openForWrite(FileSystem& fs, std::u16string_view path, ErrorCode& error);

// Saves payload + digest. A set read-failed flag asks the save question first; a success clears it.
SaveResult saveDataFile(const DataFileContext& context, const DataFileTexts& texts,
                        const std::vector<std::uint8_t>& payload);
