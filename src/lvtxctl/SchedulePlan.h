#pragma once
// The operator's preview of what will ring: the real scheduler run second by second over a
// span, without sound.
#include <string>
#include <vector>

#include "data/FileSystem.h"
#include "data/HolidayRecord.h"
#include "data/ProgramRecord.h"

// One line per start, "YYYY-MM-DD HH:MM:SS", a tab, the program's name; in time order and,
// within a second, in list order. Both ends of the span are included. Every program starts
// as after a fresh load (its last start forgotten).
std::string schedulePlan(FileSystem& fs, std::vector<ProgramRecord> programs,
                         const std::vector<HolidayRecord>& holidays, const std::vector<ShiftDayRecord>& shiftDays,
                         const DateTime& from, const DateTime& to);
