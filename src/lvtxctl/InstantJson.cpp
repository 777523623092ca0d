#include "lvtxctl/InstantJson.h"

#include <vector>

#include "data/Text.h"
#include "instant/InstantFile.h"

using nlohmann::ordered_json;

ordered_json instantItemToJson(const InstantItem& item) {
    ordered_json json;
    json["name"] = toUtf8(fixedView(item.name));
    json["path"] = toUtf8(fixedView(item.path));
    json["ext"] = toUtf8(fixedView(item.ext));
    json["durationMs"] = item.durationMs;
    json["isCurrent"] = item.isCurrent;
    json["playedInCycle"] = item.playedInCycle;
    return json;
}

LoadedFile loadInstantFile(const DataFileContext& file, std::u16string_view musicDir) {
    LoadedFile loaded;
    std::vector<InstantItem> items;
    InstantOptions options;
    loaded.result = loadInstant(file, musicDir, items, options);
    if (!loaded.result.ok()) return loaded;

    ordered_json list = ordered_json::array();
    for (const InstantItem& item : items) list.push_back(instantItemToJson(item));
    loaded.document = ordered_json::object();
    loaded.document["instantVolume"] = options.volume;
    loaded.document["instantMode"] = options.mode;
    loaded.document["instantCountMode"] = options.countMode;
    loaded.document["instantSongCount"] = options.songCount;
    loaded.document["instantSeconds"] = options.seconds;
    loaded.document["items"] = std::move(list);
    loaded.summary = std::to_string(items.size()) + (items.size() == 1 ? " item" : " items");
    return loaded;
}
