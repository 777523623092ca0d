#include "lvtxctl/WebJson.h"

#include "web/WebSettingsFile.h"

using nlohmann::ordered_json;

ordered_json webSettingsToJson(const WebSettingsRecord& settings) {
    ordered_json json;
    json["on"] = settings.on;
    json["port"] = settings.port;
    json["passwordSet"] = settings.passwordSet;
    json["sessionGeneration"] = settings.sessionGeneration;
    json["passwordAlgorithm"] = "PBKDF2-HMAC-SHA256";
    json["passwordIterations"] = settings.password.iterations;
    return json;
}

std::string webSettingsSummary(const WebSettingsRecord& settings) {
    std::string summary = settings.on != 0 ? "web console on" : "web console off";
    summary += ", port " + std::to_string(settings.port);
    if (settings.passwordSet == 0) summary += ", no password";
    return summary;
}

LoadedFile loadWebSettingsFile(const DataFileContext& file, std::u16string_view) {
    LoadedFile loaded;
    WebSettingsRecord settings;
    loaded.result = loadWebSettings(file, settings);
    if (!loaded.result.ok()) return loaded;
    loaded.document = webSettingsToJson(settings);
    loaded.summary = webSettingsSummary(settings);
    return loaded;
}
