#pragma once
// The settings file as JSON, fields in file order.
#include <nlohmann/json.hpp>

#include "lvtxctl/LoadedFile.h"
#include "system/SettingsRecord.h"

nlohmann::ordered_json settingsToJson(const SettingsRecord& settings);

// One object; an absent file gives the defaults, as at start-up.
LoadedFile loadSettingsFile(const DataFileContext& file, std::u16string_view musicDir);
