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
