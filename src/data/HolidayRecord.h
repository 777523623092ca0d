#pragma once
// Holidays (no timed play over a date-hour range) and shift days (date a plays the
// schedule of date b), with their look-ups, sorts and the enable/disable of a selection.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/DateTime.h"

inline constexpr int maxHolidays = 128;
inline constexpr int maxShiftDays = 128;
inline constexpr int holidayNameCapacity = 64;
inline constexpr int remarkCapacity = 64;

struct HolidayRecord {
    char16_t name[holidayNameCapacity];
    std::int32_t disabled;
    DateHourRange range;
};
static_assert(sizeof(HolidayRecord) == 164);
static_assert(offsetof(HolidayRecord, name) == 0);
static_assert(offsetof(HolidayRecord, disabled) == 128);
static_assert(offsetof(HolidayRecord, range) == 132);

struct ShiftDayRecord {
    std::int32_t aYear;
    std::int32_t aMonth;
    std::int32_t aDay;
    std::int32_t bYear;
    std::int32_t bMonth;
    std::int32_t bDay;
    std::int32_t disabled;
    char16_t remark[remarkCapacity];
};
static_assert(sizeof(ShiftDayRecord) == 156);
static_assert(offsetof(ShiftDayRecord, aYear) == 0);
static_assert(offsetof(ShiftDayRecord, bYear) == 12);
static_assert(offsetof(ShiftDayRecord, bDay) == 20);
static_assert(offsetof(ShiftDayRecord, disabled) == 24);
static_assert(offsetof(ShiftDayRecord, remark) == 28);

// 0 = Sunday, 1..6 = Monday..Saturday; -1 for an invalid date.
int weekdayOf(int year, int month, int day);
// The moment `time` of a valid date, milliseconds 0; the day of the week follows from the date.
DateTime dateTimeAt(int year, int month, int day, const TimeOfDay& time);

int findHolidayByName(const std::vector<HolidayRecord>& holidays, std::u16string_view name);
// The first shift day, enabled or not, whose date a is the given date, or -1.
int findShiftDay(const std::vector<ShiftDayRecord>& shiftDays, int year, int month, int day);

// `now` with its date replaced by date b of the first enabled shift day for today whose
// date b is valid; the time of day never changes.
DateTime applyShiftDay(const std::vector<ShiftDayRecord>& shiftDays, const DateTime& now);
// Index of the first enabled holiday whose range holds `now` (the real time), or -1.
int holidayInForceIndex(const std::vector<HolidayRecord>& holidays, const DateTime& now);
bool holidayInForce(const std::vector<HolidayRecord>& holidays, const DateTime& now);

// Each returns whether the order may have changed (fewer than two records: untouched, not saved).
bool sortHolidaysByName(std::vector<HolidayRecord>& holidays);
bool sortHolidaysByStart(std::vector<HolidayRecord>& holidays);
bool sortShiftDaysByADate(std::vector<ShiftDayRecord>& shiftDays);

// Sets `disabled` of the selected records; returns how many changed (0 = nothing to save).
int setHolidaysDisabled(std::vector<HolidayRecord>& holidays, const std::vector<int>& selection, bool disabled);
int setShiftDaysDisabled(std::vector<ShiftDayRecord>& shiftDays, const std::vector<int>& selection, bool disabled);
