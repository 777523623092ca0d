#include "lvtxctl/ProgramsJson.h"

#include <span>

#include "data/ProgramsFile.h"
#include "data/Text.h"
#include "lvtxctl/CalendarJson.h"

using nlohmann::ordered_json;

ordered_json programToJson(const ProgramRecord& program) {
    ordered_json startTimes = ordered_json::array();
    // The load has checked startTimeCount, so it is a valid count here.
    for (const TimeOfDay& time : std::span(program.startTimes, static_cast<std::size_t>(program.startTimeCount))) {
        startTimes.push_back(timeOfDayToJson(time));
    }

    ordered_json json;
    json["name"] = toUtf8(fixedView(program.name));
    json["isFile"] = program.isFile;
    json["path"] = toUtf8(fixedView(program.path));
    json["sequential"] = program.sequential;
    json["volume"] = program.volume;
    json["startTimes"] = std::move(startTimes);
    json["countMode"] = program.countMode;
    json["songCount"] = program.songCount;
    json["seconds"] = program.seconds;
    json["byWeekday"] = program.byWeekday;
    json["weekdays"] = program.weekdays;
    json["monthDays"] = program.monthDays;
    json["dateRange"] = dateHourRangeToJson(program.dateRange);
    json["delayable"] = program.delayable;
    json["disabled"] = program.disabled;
    return json;
}

LoadedFile loadProgramsFile(const DataFileContext& file, std::u16string_view) {
    LoadedFile loaded;
    std::vector<ProgramRecord> programs;
    loaded.result = loadPrograms(file, programs);
    if (!loaded.result.ok()) return loaded;

    ordered_json list = ordered_json::array();
    for (const ProgramRecord& program : programs) list.push_back(programToJson(program));
    loaded.document = ordered_json::object();
    loaded.document["programs"] = std::move(list);
    loaded.summary = std::to_string(programs.size()) + (programs.size() == 1 ? " program" : " programs");
    return loaded;
}
