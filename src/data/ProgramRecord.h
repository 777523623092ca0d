#pragma once
// One 节目: what to play, when, how long, how loud. Stored byte for byte in the programs file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/DateTime.h"

inline constexpr int maxPrograms = 256;
inline constexpr int maxStartTimes = 512;
inline constexpr int programNameCapacity = 64;   // 63 characters + NUL
inline constexpr int pathCapacity = 260;         // 259 characters + NUL
inline constexpr int minVolume = 25;
inline constexpr int maxVolume = 100;

struct ProgramRecord {
    char16_t name[programNameCapacity];
    std::int32_t isFile;        // 1 = one audio file, 0 = an audio folder
    char16_t path[pathCapacity];
    std::int32_t sequential;    // folder order: 1 = sequential, 0 = random
    std::int32_t volume;        // percent, 25..100
    std::int32_t startTimeCount;
    TimeOfDay startTimes[maxStartTimes];  // used entries ascending, the rest zero
    std::int32_t countMode;     // 1 = songCount songs (plays of a file), 0 = seconds
    std::int32_t songCount;
    std::int32_t seconds;
    DateTime lastStart;         // the start instant last triggered; memory only in meaning
    std::int32_t byWeekday;     // 1 = weekdays decide, 0 = monthDays decide
    std::int32_t weekdays[7];   // index 0 = Monday
    std::int32_t monthDays[31]; // index 0 = day 1
    DateHourRange dateRange;
    std::int32_t delayable;     // 1 = waits in the queue, 0 = on time: stops the others
    std::int32_t disabled;
};

static_assert(sizeof(ProgramRecord) == 7032);
static_assert(offsetof(ProgramRecord, name) == 0);
static_assert(offsetof(ProgramRecord, isFile) == 128);
static_assert(offsetof(ProgramRecord, path) == 132);
static_assert(offsetof(ProgramRecord, sequential) == 652);
static_assert(offsetof(ProgramRecord, volume) == 656);
static_assert(offsetof(ProgramRecord, startTimeCount) == 660);
static_assert(offsetof(ProgramRecord, startTimes) == 664);
static_assert(offsetof(ProgramRecord, countMode) == 6808);
static_assert(offsetof(ProgramRecord, songCount) == 6812);
static_assert(offsetof(ProgramRecord, seconds) == 6816);
static_assert(offsetof(ProgramRecord, lastStart) == 6820);
static_assert(offsetof(ProgramRecord, byWeekday) == 6836);
static_assert(offsetof(ProgramRecord, weekdays) == 6840);
static_assert(offsetof(ProgramRecord, monthDays) == 6868);
static_assert(offsetof(ProgramRecord, dateRange) == 6992);
static_assert(offsetof(ProgramRecord, delayable) == 7024);
static_assert(offsetof(ProgramRecord, disabled) == 7028);

// The editor's starting point for a new program.
ProgramRecord defaultProgram();

// Index of the first program named `name` (case-insensitive), or -1.
int findProgramByName(const std::vector<ProgramRecord>& programs, std::u16string_view name);

// "%.4d-%.2d-%.2d"
std::u16string dateText(int year, int month, int day);
// "%.4d-%.2d-%.2d %.2d:00": one end of a date-hour range.
std::u16string dateHourText(int year, int month, int day, int hour);
// "%.4d-%.2d-%.2d %.2d:00 ~ %.4d-%.2d-%.2d %.2d:00"
std::u16string dateRangeText(const DateHourRange& range);
// "%d遍" (plays of a file), "%d首" (songs of a folder) or "%d秒".
std::u16string durationText(const ProgramRecord& program);
// "每周:" and the digits 1 (Monday) to 7 of the set weekdays, or "每月:" and the set month days
// separated by ","; an empty text for a month-day selection without any day.
std::u16string daySelectionSummary(const ProgramRecord& program);
// "HH:MM:SS"
std::u16string timeOfDayText(const TimeOfDay& time);
