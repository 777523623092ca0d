#include "lvtxctl/HolidaysJson.h"

#include <vector>

#include "data/HolidaysFile.h"
#include "data/Text.h"
#include "lvtxctl/CalendarJson.h"

using nlohmann::ordered_json;

ordered_json holidayToJson(const HolidayRecord& holiday) {
    ordered_json json;
    json["name"] = toUtf8(fixedView(holiday.name));
    json["disabled"] = holiday.disabled;
    json["range"] = dateHourRangeToJson(holiday.range);
    return json;
}

ordered_json shiftDayToJson(const ShiftDayRecord& shiftDay) {
    ordered_json json;
    json["aYear"] = shiftDay.aYear;
    json["aMonth"] = shiftDay.aMonth;
    json["aDay"] = shiftDay.aDay;
    json["bYear"] = shiftDay.bYear;
    json["bMonth"] = shiftDay.bMonth;
    json["bDay"] = shiftDay.bDay;
    json["disabled"] = shiftDay.disabled;
    json["remark"] = toUtf8(fixedView(shiftDay.remark));
    return json;
}

LoadedFile loadHolidaysFile(const DataFileContext& file, std::u16string_view) {
    LoadedFile loaded;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
    loaded.result = loadHolidays(file, holidays, shiftDays);
    if (!loaded.result.ok()) return loaded;

    ordered_json holidayList = ordered_json::array();
    for (const HolidayRecord& holiday : holidays) holidayList.push_back(holidayToJson(holiday));
    ordered_json shiftDayList = ordered_json::array();
    for (const ShiftDayRecord& shiftDay : shiftDays) shiftDayList.push_back(shiftDayToJson(shiftDay));
    loaded.document = ordered_json::object();
    loaded.document["holidays"] = std::move(holidayList);
    loaded.document["shiftDays"] = std::move(shiftDayList);
    loaded.summary = std::to_string(holidays.size()) + (holidays.size() == 1 ? " holiday, " : " holidays, ") +
                     std::to_string(shiftDays.size()) + (shiftDays.size() == 1 ? " shift day" : " shift days");
    return loaded;
}
