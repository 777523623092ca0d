#pragma once
// The answer of `eligible`: for each program, why it may or may not play at a moment.
#include <string>
#include <vector>

#include "data/HolidayRecord.h"
#include "data/ProgramRecord.h"

// One line per program in list order: name, tab, the first rule that stops it (or
// "eligible"), tab, the status cell of the program list at `now`; UTF-8.
std::string eligibilityReport(const std::vector<ProgramRecord>& programs, const DateTime& now,
                              const std::vector<HolidayRecord>& holidays,
                              const std::vector<ShiftDayRecord>& shiftDays);
