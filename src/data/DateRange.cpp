#include "data/DateRange.h"

#include <cstdint>

namespace {

// Writes "%.{width}d" into out; returns the end. Stack buffers only: this runs every tick.
char16_t* putNumber(char16_t* out, long long value, int width) {
    char16_t digits[24];
    int count = 0;
    const bool negative = value < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value) : value;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (count < width) digits[count++] = u'0';
    if (negative) *out++ = u'-';
    while (count > 0) *out++ = digits[--count];
    return out;
}

int putStamp(char16_t* out, long long year, long long month, long long day, long long hour, long long minute) {
    char16_t* end = putNumber(out, year, 4);
    *end++ = u'-';
    end = putNumber(end, month, 2);
    *end++ = u'-';
    end = putNumber(end, day, 2);
    *end++ = u' ';
    end = putNumber(end, hour, 2);
    *end++ = u':';
    end = putNumber(end, minute, 2);
    return static_cast<int>(end - out);
}

int compareUnits(const char16_t* a, int aLength, const char16_t* b, int bLength) {
    for (int i = 0; i < aLength && i < bLength; ++i) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return aLength == bLength ? 0 : (aLength < bLength ? -1 : 1);
}

bool fitsWidth(long long value, long long limit) {
    return value >= 0 && value <= limit;
}

// Every field within its text width: the numeric order equals the text order.
bool fitsText(long long year, long long month, long long day, long long hour, long long minute) {
    return fitsWidth(year, 9999) && fitsWidth(month, 99) && fitsWidth(day, 99) && fitsWidth(hour, 99) &&
           fitsWidth(minute, 99);
}

long long minuteKey(long long year, long long month, long long day, long long hour, long long minute) {
    return (((year * 100 + month) * 100 + day) * 100 + hour) * 100 + minute;
}

}  // namespace

RangeStatus dateRangeStatusByText(const DateHourRange& r, const DateTime& moment) {
    char16_t start[64], end[64], now[64];
    const int startLength = putStamp(start, r.startYear, r.startMonth, r.startDay, r.startHour, 0);
    const int endLength = putStamp(end, r.endYear, r.endMonth, r.endDay, r.endHour, 0);
    const int nowLength = putStamp(now, moment.year, moment.month, moment.day, moment.hour, moment.minute);
    if (compareUnits(now, nowLength, start, startLength) < 0) return RangeStatus::notBegun;
    if (compareUnits(now, nowLength, end, endLength) > 0) return RangeStatus::over;
    return RangeStatus::inside;
}

RangeStatus dateRangeStatus(const DateHourRange& r, const DateTime& moment) {
    if (!fitsText(r.startYear, r.startMonth, r.startDay, r.startHour, 0) ||
        !fitsText(r.endYear, r.endMonth, r.endDay, r.endHour, 0) ||
        !fitsText(moment.year, moment.month, moment.day, moment.hour, moment.minute)) {
        return dateRangeStatusByText(r, moment);
    }
    const long long now = minuteKey(moment.year, moment.month, moment.day, moment.hour, moment.minute);
    if (now < minuteKey(r.startYear, r.startMonth, r.startDay, r.startHour, 0)) return RangeStatus::notBegun;
    if (now > minuteKey(r.endYear, r.endMonth, r.endDay, r.endHour, 0)) return RangeStatus::over;
    return RangeStatus::inside;
}
