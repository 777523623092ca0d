#pragma once
// What reading one data file gives the tool: the start-up read's result and, on
// success, the file's content as JSON.
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "data/DataFileRead.h"

struct LoadedFile {
    ReadResult result;
    nlohmann::ordered_json document;
    std::string summary;  // e.g. "3 programs"
};

// Reads the file as the program does at start-up: the file, else its companion, else absent.
// `musicDir` stands for the program's music folder, where a new installation's
// immediate-play list points; the other kinds have no use for it.
using KindLoader = LoadedFile (*)(const DataFileContext& file, std::u16string_view musicDir);
