#pragma once
// The holiday file as JSON, fields in record order.
#include <nlohmann/json.hpp>

#include "data/HolidayRecord.h"
#include "lvtxctl/LoadedFile.h"

nlohmann::ordered_json holidayToJson(const HolidayRecord& holiday);
// Dates as their int fields.
nlohmann::ordered_json shiftDayToJson(const ShiftDayRecord& shiftDay);

// {"holidays": [...], "shiftDays": [...]}
LoadedFile loadHolidaysFile(const DataFileContext& file, std::u16string_view musicDir);
