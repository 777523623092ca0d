#pragma once
#include <cstring>

#include "data/HolidayRecord.h"
#include "data/Text.h"

inline HolidayRecord holiday(std::u16string_view name, DateHourRange range, bool disabled = false) {
    HolidayRecord record;
    std::memset(&record, 0, sizeof record);
    setFixed(record.name, name);
    record.range = range;
    record.disabled = disabled ? 1 : 0;
    return record;
}

inline ShiftDayRecord shiftDay(int aYear, int aMonth, int aDay, int bYear, int bMonth, int bDay,
                               bool disabled = false) {
    ShiftDayRecord record;
    std::memset(&record, 0, sizeof record);
    record.aYear = aYear, record.aMonth = aMonth, record.aDay = aDay;
    record.bYear = bYear, record.bMonth = bMonth, record.bDay = bDay;
    record.disabled = disabled ? 1 : 0;
    return record;
}

// A local time; the day of the week follows from the date.
inline DateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return DateTime{static_cast<std::uint16_t>(year),   static_cast<std::uint16_t>(month),
                    static_cast<std::uint16_t>(weekdayOf(year, month, day)), static_cast<std::uint16_t>(day),
                    static_cast<std::uint16_t>(hour),   static_cast<std::uint16_t>(minute),
                    static_cast<std::uint16_t>(second), 0};
}
