#pragma once
// The programs file as JSON, fields in record order.
#include <nlohmann/json.hpp>

#include "data/ProgramRecord.h"
#include "lvtxctl/LoadedFile.h"

// lastStart is left out: the load resets it, so the file's value never matters.
nlohmann::ordered_json programToJson(const ProgramRecord& program);

// {"programs": [...]}
LoadedFile loadProgramsFile(const DataFileContext& file, std::u16string_view musicDir);
