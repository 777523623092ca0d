#pragma once
// Calendar values shared by the records: time of day, date-hour ranges and the
// SYSTEMTIME-shaped date-time stamp.
#include <cstddef>
#include <cstdint>

struct TimeOfDay {
    std::int32_t hour;
    std::int32_t minute;
    std::int32_t second;
};
static_assert(sizeof(TimeOfDay) == 12);

// Hours run 0 to 24; an end hour of 24 is the end of that day.
struct DateHourRange {
    std::int32_t startYear;
    std::int32_t startMonth;
    std::int32_t startDay;
    std::int32_t startHour;
    std::int32_t endYear;
    std::int32_t endMonth;
    std::int32_t endDay;
    std::int32_t endHour;
};
static_assert(sizeof(DateHourRange) == 32);

// Same layout as the Windows SYSTEMTIME; dayOfWeek 0 = Sunday.
struct DateTime {
    std::uint16_t year;
    std::uint16_t month;
    std::uint16_t dayOfWeek;
    std::uint16_t day;
    std::uint16_t hour;
    std::uint16_t minute;
    std::uint16_t second;
    std::uint16_t milliseconds;
};
static_assert(sizeof(DateTime) == 16);
static_assert(offsetof(DateTime, dayOfWeek) == 4 && offsetof(DateTime, milliseconds) == 14);

inline constexpr int minValidYear = 1853;
inline constexpr int maxValidYear = 9999;

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);
bool isValidTimeOfDay(const TimeOfDay& time);
// Both dates valid, both hours 0..24, and the start strictly before the end.
bool isValidRange(const DateHourRange& range);

// The stamp of "never triggered since the last load": 2000-01-01 12:00:00.000, a Saturday.
DateTime resetStamp();
bool sameInstant(const DateTime& a, const DateTime& b);

// `to` - `from` in milliseconds, both taken as exact local instants.
std::int64_t millisecondsBetween(const DateTime& from, const DateTime& to);
// The same in whole seconds, truncated toward zero (negative when `to` is earlier).
std::int64_t secondsBetween(const DateTime& from, const DateTime& to);
// `t` moved by whole seconds across days, months and years; the day of the week follows.
DateTime addSeconds(const DateTime& t, std::int64_t seconds);
