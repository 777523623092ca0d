#pragma once
// The immediate-play list as JSON: the page's options, then the items as loaded.
#include <nlohmann/json.hpp>

#include "instant/InstantItem.h"
#include "lvtxctl/LoadedFile.h"

// Name and extension as the load derived them from the path.
nlohmann::ordered_json instantItemToJson(const InstantItem& item);

// {"instantVolume": ..., ..., "items": [...]}; an absent file gives the default list.
LoadedFile loadInstantFile(const DataFileContext& file, std::u16string_view musicDir);
