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
