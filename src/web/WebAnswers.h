#pragma once
// The JSON bodies of the console's read requests, made from what the program reports.
#include <nlohmann/json.hpp>

#include "data/FileSystem.h"
#include "web/WebConsoleOperations.h"

// {"now", "playing": [{"name", "progress", "song"}], "next": {"name", "at"} or null, "device",
// "volume", "instant": {"active", "item", "status"}}
nlohmann::ordered_json statusJson(const WebStatus& status);

// {"date", "shiftDay", "holiday", "starts": [{"at", "name", "path", "onTime"}], "silent": [{"name", "reason"}]}
// for a valid date.
nlohmann::ordered_json planJson(FileSystem& fs, const WebSchedule& schedule, int year, int month, int day);

// {"programs": [{"name", "enabled"}]}, in list order.
nlohmann::ordered_json programsJson(const WebSchedule& schedule);

// {"items": [...], "current"}
nlohmann::ordered_json instantJson(const WebInstantList& list);

// "YYYY-MM-DD" as a date, or false.
bool parseDateText(std::string_view text, int& year, int& month, int& day);
