#pragma once
// Calendar values shared by several records, as JSON.
#include <nlohmann/json.hpp>

#include "data/DateTime.h"

// {"startYear": ..., ..., "endHour": ...}, fields in record order.
nlohmann::ordered_json dateHourRangeToJson(const DateHourRange& range);
// "HH:MM:SS"
nlohmann::ordered_json timeOfDayToJson(const TimeOfDay& time);
