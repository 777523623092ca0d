#pragma once
// The texts of the timed-play page's program list, one row per program, and the summaries of
// a program's start times and day selection that the program editor shows as well.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "data/DateTime.h"
#include "data/ProgramRecord.h"

inline constexpr std::size_t programColumnCount = 8;
inline constexpr int statusColumn = 1;

// The first five times joined by ", ", then " …" when there are more; empty for none.
std::u16string startTimeSummary(std::span<const TimeOfDay> times);
// The used start times of a program (a count outside 0..512 is clamped).
std::u16string startTimeSummary(const ProgramRecord& program);

// "禁用×" for a disabled program, else its date range judged at `now`.
std::u16string_view programStatusText(const ProgramRecord& program, const DateTime& now);

// Name, status, start times, duration, path, volume, days, date range.
std::array<std::u16string, programColumnCount> programRowCells(const ProgramRecord& program, const DateTime& now);
