#include "lvtxctl/SettingsJson.h"

#include "data/Text.h"
#include "lvtxctl/CalendarJson.h"
#include "system/SettingsFile.h"

using nlohmann::ordered_json;

ordered_json settingsToJson(const SettingsRecord& settings) {
    ordered_json json;
    json["dailyShutdownOn"] = settings.dailyShutdownOn;
    json["dailyShutdownTime"] = timeOfDayToJson(settings.dailyShutdownTime);
    json["weeklyShutdownOn"] = settings.weeklyShutdownOn;
    json["weeklyShutdownDays"] = settings.weeklyShutdownDays;
    json["weeklyShutdownTime"] = timeOfDayToJson(settings.weeklyShutdownTime);
    json["restartOn"] = settings.restartOn;
    json["restartDays"] = settings.restartDays;
    json["restartTime"] = timeOfDayToJson(settings.restartTime);
    json["duckPercent"] = settings.duckPercent;
    json["duckFadeOutLength"] = settings.duckFadeOutLength;
    json["duckFadeInLength"] = settings.duckFadeInLength;
    json["outputDevice"] = toUtf8(fixedView(settings.outputDevice));
    return json;
}

LoadedFile loadSettingsFile(const DataFileContext& file, std::u16string_view) {
    LoadedFile loaded;
    SettingsRecord settings;
    loaded.result = loadSettings(file, settings);
    if (!loaded.result.ok()) return loaded;
    loaded.document = settingsToJson(settings);
    loaded.summary = "settings";
    return loaded;
}
