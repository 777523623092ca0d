#pragma once
// The web console's settings file as JSON: the options and whether a password is set, never the
// salt or the derived key.
#include <nlohmann/json.hpp>

#include "lvtxctl/LoadedFile.h"
#include "web/WebSettingsRecord.h"

nlohmann::ordered_json webSettingsToJson(const WebSettingsRecord& settings);
// "web console on, port 8765" or "web console off, port 8765, no password".
std::string webSettingsSummary(const WebSettingsRecord& settings);

// One object; an absent file gives the defaults, as at start-up.
LoadedFile loadWebSettingsFile(const DataFileContext& file, std::u16string_view musicDir);
