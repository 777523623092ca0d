#include "lvtxctl/CalendarJson.h"

#include "data/ProgramRecord.h"
#include "data/Text.h"

using nlohmann::ordered_json;

ordered_json dateHourRangeToJson(const DateHourRange& range) {
    ordered_json json;
    json["startYear"] = range.startYear;
    json["startMonth"] = range.startMonth;
    json["startDay"] = range.startDay;
    json["startHour"] = range.startHour;
    json["endYear"] = range.endYear;
    json["endMonth"] = range.endMonth;
    json["endDay"] = range.endDay;
    json["endHour"] = range.endHour;
    return json;
}

ordered_json timeOfDayToJson(const TimeOfDay& time) {
    return toUtf8(timeOfDayText(time));
}
