#pragma once
// The holiday file "节假日t": holiday count, holidays, shift-day count, shift days, digest.
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/DataFileRead.h"
#include "data/DataFileSave.h"
#include "data/HolidayRecord.h"

inline constexpr std::u16string_view holidaysFileName = u"节假日t";

const DataFileTexts& holidayFileTexts();

// Reads both lists (emptied first; both left empty on any failure).
ReadResult loadHolidays(const DataFileContext& context, std::vector<HolidayRecord>& holidays,
                        std::vector<ShiftDayRecord>& shiftDays);

std::vector<std::uint8_t> holidaysPayload(const std::vector<HolidayRecord>& holidays,
                                          const std::vector<ShiftDayRecord>& shiftDays);

SaveResult saveHolidays(const DataFileContext& context, const std::vector<HolidayRecord>& holidays,
                        const std::vector<ShiftDayRecord>& shiftDays);
