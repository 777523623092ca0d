#pragma once
// What rings on one day and why the rest stays silent: the real scheduler run over the day
// without sound, second by second where a start window is open, as the running program would
// ring it; the shift day or holiday that governs the day; and for each program that does not
// start, the first rule that stops it.
#include <optional>
#include <vector>

#include "data/DateTime.h"
#include "data/FileSystem.h"
#include "data/HolidayRecord.h"
#include "data/ProgramRecord.h"
#include "scheduler/Eligibility.h"

struct PlannedStart {
    DateTime time;
    int program;  // index in the program list
};

// Every start from `from` to `to`, both included, in time order and within a second in list
// order. Every program starts as after a fresh load (its last start forgotten).
std::vector<PlannedStart> plannedStarts(FileSystem& fs, std::vector<ProgramRecord> programs,
                                        const std::vector<HolidayRecord>& holidays,
                                        const std::vector<ShiftDayRecord>& shiftDays, const DateTime& from,
                                        const DateTime& to);

// The first start after `now`, up to `horizonSeconds` ahead, with each program's last start as
// it is: a start that has rung is not due again while its late-start window stays open.
std::optional<PlannedStart> nextPlannedStart(FileSystem& fs, std::vector<ProgramRecord> programs,
                                             const std::vector<HolidayRecord>& holidays,
                                             const std::vector<ShiftDayRecord>& shiftDays, const DateTime& now,
                                             int horizonSeconds);

struct SilentProgram {
    int program;
    Eligibility why;  // EligibilityRule::disabled for a disabled program
};

struct DayPlan {
    int shiftDayIndex = -1;  // the enabled shift day that plays this day as its date b
    int holidayIndex = -1;   // the first holiday in force at some hour of the day
    std::vector<PlannedStart> starts;
    std::vector<SilentProgram> silent;  // in list order
};

DayPlan dayPlan(FileSystem& fs, const std::vector<ProgramRecord>& programs, const std::vector<HolidayRecord>& holidays,
                const std::vector<ShiftDayRecord>& shiftDays, int year, int month, int day);
