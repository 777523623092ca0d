#pragma once
// A fresh system in memory, for the play-log tests: no DataDir yet, the log path inside it.
#include <cstdint>
#include <string>
#include <vector>

#include "data/DataFile.h"
#include "scheduler/LogFile.h"
#include "support/MemoryFileSystem.h"
#include "support/Utf16Bytes.h"

struct MemoryLogFolder {
    MemoryFileSystem fs;
    std::u16string shellFolder = u"/users/op/AppData/Roaming";
    std::u16string dataDir = shellFolder + u"/lvtx.10";
    std::u16string log = dataDir + u"/" + std::u16string(logFileName);
    DataFolder folder{fs, shellFolder, dataDir};

    const std::vector<std::uint8_t>& bytes() { return fs.files.at(log); }
};

inline std::vector<std::uint8_t> withMark(std::u16string_view text) {
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    const std::vector<std::uint8_t> rest = utf16le(text);
    bytes.insert(bytes.end(), rest.begin(), rest.end());
    return bytes;
}

// 2024-03-05 07:08:09, a Tuesday.
inline constexpr DateTime logSampleTime{2024, 3, 2, 5, 7, 8, 9, 120};
