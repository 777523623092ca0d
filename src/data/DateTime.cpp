#include "data/DateTime.h"

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    switch (month) {
        case 4: case 6: case 9: case 11: return 30;
        case 2: return isLeapYear(year) ? 29 : 28;
        default: return 31;
    }
}

bool isValidDate(int year, int month, int day) {
    return year >= minValidYear && year <= maxValidYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

bool isValidTimeOfDay(const TimeOfDay& time) {
    return time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59 && time.second >= 0 &&
           time.second <= 59;
}

bool isValidRange(const DateHourRange& r) {
    if (!isValidDate(r.startYear, r.startMonth, r.startDay) || !isValidDate(r.endYear, r.endMonth, r.endDay)) {
        return false;
    }
    if (r.startHour < 0 || r.startHour > 24 || r.endHour < 0 || r.endHour > 24) return false;
    const long long startDate = r.startYear * 10000LL + r.startMonth * 100LL + r.startDay;
    const long long endDate = r.endYear * 10000LL + r.endMonth * 100LL + r.endDay;
    return startDate < endDate || (startDate == endDate && r.startHour < r.endHour);
}

DateTime resetStamp() {
    return DateTime{2000, 1, 6, 1, 12, 0, 0, 0};
}

bool sameInstant(const DateTime& a, const DateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second && a.milliseconds == b.milliseconds;
}

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    std::int64_t year, month, day;
};

CivilDate civilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {yearOfEra + era * 400 + (month <= 2), month, day};
}

std::int64_t millisecondsOf(const DateTime& t) {
    const std::int64_t days = daysFromCivil(t.year, t.month, t.day);
    return ((days * 24 + t.hour) * 60 + t.minute) * 60000 + t.second * 1000 + t.milliseconds;
}

}  // namespace

std::int64_t millisecondsBetween(const DateTime& from, const DateTime& to) {
    return millisecondsOf(to) - millisecondsOf(from);
}

std::int64_t secondsBetween(const DateTime& from, const DateTime& to) {
    return millisecondsBetween(from, to) / 1000;
}

DateTime addSeconds(const DateTime& t, std::int64_t seconds) {
    const std::int64_t total = daysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 +
                               t.second + seconds;
    std::int64_t days = total / 86400;
    std::int64_t rest = total % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const CivilDate date = civilFromDays(days);
    DateTime result = t;
    result.year = static_cast<std::uint16_t>(date.year);
    result.month = static_cast<std::uint16_t>(date.month);
    result.day = static_cast<std::uint16_t>(date.day);
    result.dayOfWeek = static_cast<std::uint16_t>(((days % 7) + 7 + 4) % 7);  // 1970-01-01 was a Thursday
    result.hour = static_cast<std::uint16_t>(rest / 3600);
    result.minute = static_cast<std::uint16_t>(rest / 60 % 60);
    result.second = static_cast<std::uint16_t>(rest % 60);
    return result;
}
