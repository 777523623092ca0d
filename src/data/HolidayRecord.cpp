#include "data/HolidayRecord.h"

#include <algorithm>

#include "data/DateRange.h"
#include "data/Text.h"

int weekdayOf(int year, int month, int day) {
    if (!isValidDate(year, month, day)) return -1;
    int y = year;
    int m = month;
    if (m < 3) {
        m += 12;
        y -= 1;
    }
    const int w = (day + 2 * m + (3 * (m + 1)) / 5 + y + y / 4 - y / 100 + y / 400) % 7;  // 0 = Monday
    return w == 6 ? 0 : w + 1;
}

DateTime dateTimeAt(int year, int month, int day, const TimeOfDay& time) {
    return DateTime{static_cast<std::uint16_t>(year),
                    static_cast<std::uint16_t>(month),
                    static_cast<std::uint16_t>(weekdayOf(year, month, day)),
                    static_cast<std::uint16_t>(day),
                    static_cast<std::uint16_t>(time.hour),
                    static_cast<std::uint16_t>(time.minute),
                    static_cast<std::uint16_t>(time.second),
                    0};
}

int findHolidayByName(const std::vector<HolidayRecord>& holidays, std::u16string_view name) {
    for (std::size_t i = 0; i < holidays.size(); ++i) {
        if (equalsNoCase(fixedView(holidays[i].name), name)) return static_cast<int>(i);
    }
    return -1;
}

int findShiftDay(const std::vector<ShiftDayRecord>& shiftDays, int year, int month, int day) {
    for (std::size_t i = 0; i < shiftDays.size(); ++i) {
        const ShiftDayRecord& s = shiftDays[i];
        if (s.aYear == year && s.aMonth == month && s.aDay == day) return static_cast<int>(i);
    }
    return -1;
}

DateTime applyShiftDay(const std::vector<ShiftDayRecord>& shiftDays, const DateTime& now) {
    for (const ShiftDayRecord& s : shiftDays) {
        if (s.disabled != 0 || s.aYear != now.year || s.aMonth != now.month || s.aDay != now.day) continue;
        if (!isValidDate(s.bYear, s.bMonth, s.bDay)) continue;
        DateTime mapped = now;
        mapped.year = static_cast<std::uint16_t>(s.bYear);
        mapped.month = static_cast<std::uint16_t>(s.bMonth);
        mapped.day = static_cast<std::uint16_t>(s.bDay);
        mapped.dayOfWeek = static_cast<std::uint16_t>(weekdayOf(s.bYear, s.bMonth, s.bDay));
        return mapped;
    }
    return now;
}

int holidayInForceIndex(const std::vector<HolidayRecord>& holidays, const DateTime& now) {
    for (std::size_t i = 0; i < holidays.size(); ++i) {
        if (holidays[i].disabled == 0 && dateRangeStatus(holidays[i].range, now) == RangeStatus::inside) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool holidayInForce(const std::vector<HolidayRecord>& holidays, const DateTime& now) {
    return holidayInForceIndex(holidays, now) >= 0;
}

bool sortHolidaysByName(std::vector<HolidayRecord>& holidays) {
    if (holidays.size() < 2) return false;
    std::sort(holidays.begin(), holidays.end(), [](const HolidayRecord& a, const HolidayRecord& b) {
        return compareNoCase(fixedView(a.name), fixedView(b.name)) < 0;
    });
    return true;
}

bool sortHolidaysByStart(std::vector<HolidayRecord>& holidays) {
    if (holidays.size() < 2) return false;
    std::sort(holidays.begin(), holidays.end(), [](const HolidayRecord& a, const HolidayRecord& b) {
        const DateHourRange& x = a.range;
        const DateHourRange& y = b.range;
        if (x.startYear != y.startYear) return x.startYear < y.startYear;
        if (x.startMonth != y.startMonth) return x.startMonth < y.startMonth;
        if (x.startDay != y.startDay) return x.startDay < y.startDay;
        return x.startHour < y.startHour;
    });
    return true;
}

bool sortShiftDaysByADate(std::vector<ShiftDayRecord>& shiftDays) {
    if (shiftDays.size() < 2) return false;
    std::sort(shiftDays.begin(), shiftDays.end(), [](const ShiftDayRecord& a, const ShiftDayRecord& b) {
        if (a.aYear != b.aYear) return a.aYear < b.aYear;
        if (a.aMonth != b.aMonth) return a.aMonth < b.aMonth;
        return a.aDay < b.aDay;
    });
    return true;
}

namespace {

template <typename Record>
int setDisabled(std::vector<Record>& records, const std::vector<int>& selection, bool disabled) {
    const std::int32_t value = disabled ? 1 : 0;
    int changed = 0;
    for (const int index : selection) {
        if (index < 0 || static_cast<std::size_t>(index) >= records.size()) continue;
        if (records[index].disabled == value) continue;
        records[index].disabled = value;
        ++changed;
    }
    return changed;
}

}  // namespace

int setHolidaysDisabled(std::vector<HolidayRecord>& holidays, const std::vector<int>& selection, bool disabled) {
    return setDisabled(holidays, selection, disabled);
}

int setShiftDaysDisabled(std::vector<ShiftDayRecord>& shiftDays, const std::vector<int>& selection, bool disabled) {
    return setDisabled(shiftDays, selection, disabled);
}
