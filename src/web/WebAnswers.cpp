#include "web/WebAnswers.h"

#include "data/Text.h"
#include "scheduler/DayPlan.h"
#include "scheduler/LogFile.h"
#include "scheduler/DayPlanTexts.h"

using nlohmann::ordered_json;

namespace {

std::string utf8(std::u16string_view text) {
    return toUtf8(text);
}

std::string dateOnly(int year, int month, int day) {
    return toUtf8(dateText(year, month, day));
}

}  // namespace

ordered_json statusJson(const WebStatus& status) {
    ordered_json json;
    json["now"] = utf8(formatLogTime(status.now));
    json["playing"] = ordered_json::array();
    for (const WebPlayingRow& row : status.playing) {
        json["playing"].push_back({{"name", utf8(row.name)}, {"progress", utf8(row.progress)}, {"song", utf8(row.song)}});
    }
    if (status.next) {
        json["next"] = {{"name", utf8(status.next->name)}, {"at", utf8(formatLogTime(status.next->at))}};
    } else {
        json["next"] = nullptr;
    }
    json["device"] = utf8(status.device);
    json["volume"] = utf8(status.volume);
    json["instant"] = {{"active", status.instantActive}, {"item", utf8(status.instantItem)}, {"status", utf8(status.instantStatus)}};
    return json;
}

ordered_json planJson(FileSystem& fs, const WebSchedule& schedule, int year, int month, int day) {
    const DayPlan plan = dayPlan(fs, schedule.programs, schedule.holidays, schedule.shiftDays, year, month, day);
    ordered_json json;
    json["date"] = dateOnly(year, month, day);
    if (plan.shiftDayIndex >= 0) {
        const ShiftDayRecord& shift = schedule.shiftDays[static_cast<std::size_t>(plan.shiftDayIndex)];
        json["shiftDay"] = dateOnly(shift.bYear, shift.bMonth, shift.bDay);
    } else {
        json["shiftDay"] = nullptr;
    }
    if (plan.holidayIndex >= 0) {
        json["holiday"] = utf8(fixedView(schedule.holidays[static_cast<std::size_t>(plan.holidayIndex)].name));
    } else {
        json["holiday"] = nullptr;
    }
    json["starts"] = ordered_json::array();
    for (const PlannedStart& start : plan.starts) {
        if (start.program < 0) continue;
        const ProgramRecord& program = schedule.programs[static_cast<std::size_t>(start.program)];
        const TimeOfDay at{start.time.hour, start.time.minute, start.time.second};
        json["starts"].push_back({{"at", utf8(timeOfDayText(at))},
                                  {"name", utf8(fixedView(program.name))},
                                  {"path", utf8(fixedView(program.path))},
                                  {"onTime", program.delayable == 0}});
    }
    json["silent"] = ordered_json::array();
    const PlanLists lists{schedule.programs, schedule.holidays, schedule.shiftDays};
    for (const SilentProgram& silent : plan.silent) {
        const ProgramRecord& program = schedule.programs[static_cast<std::size_t>(silent.program)];
        json["silent"].push_back({{"name", utf8(fixedView(program.name))},
                                  {"reason", utf8(silenceReasonText(silent, lists))}});
    }
    return json;
}

ordered_json programsJson(const WebSchedule& schedule) {
    ordered_json json;
    json["programs"] = ordered_json::array();
    for (const ProgramRecord& program : schedule.programs) {
        json["programs"].push_back({{"name", utf8(fixedView(program.name))}, {"enabled", program.disabled == 0}});
    }
    return json;
}

ordered_json instantJson(const WebInstantList& list) {
    ordered_json json;
    json["items"] = ordered_json::array();
    for (const std::u16string& item : list.items) json["items"].push_back(utf8(item));
    json["current"] = list.current;
    return json;
}

bool parseDateText(std::string_view text, int& year, int& month, int& day) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (std::size_t i = 0; i < lengths[p]; ++i) {
            const char c = text[starts[p] + i];
            if (c < '0' || c > '9') return false;
            parts[p] = parts[p] * 10 + (c - '0');
        }
    }
    if (!isValidDate(parts[0], parts[1], parts[2])) return false;
    year = parts[0], month = parts[1], day = parts[2];
    return true;
}
