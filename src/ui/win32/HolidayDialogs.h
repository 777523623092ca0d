#pragma once
// "节假日不播放" and "调休, a日期按b日期来播": add mode for index -1, modify mode for a record
// of the list. Each checks its input against the whole list and gives the
// checked record, or none when the operator cancelled; the caller hands it to the list's owner.
#include <windows.h>

#include <optional>
#include <vector>

#include "data/HolidayRecord.h"

std::optional<HolidayRecord> editHoliday(HWND owner, const std::vector<HolidayRecord>& holidays, int index);
std::optional<ShiftDayRecord> editShiftDay(HWND owner, const std::vector<ShiftDayRecord>& shiftDays, int index);
