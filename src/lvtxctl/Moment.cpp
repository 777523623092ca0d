#include "lvtxctl/Moment.h"

#include "data/HolidayRecord.h"

namespace {

// The digits at [at, at + width); -1 when any is not a digit.
int digitsAt(std::string_view text, std::size_t at, std::size_t width) {
    int value = 0;
    for (std::size_t i = at; i < at + width; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

bool parseMoment(std::string_view text, DateTime& moment) {
    constexpr std::string_view pattern = "YYYY-MM-DD HH:MM:SS";
    if (text.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool separator = pattern[i] == '-' || pattern[i] == ' ' || pattern[i] == ':';
        if (separator && text[i] != pattern[i]) return false;
    }
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    const TimeOfDay time{digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2)};
    if (!isValidDate(year, month, day) || !isValidTimeOfDay(time)) return false;
    moment = dateTimeAt(year, month, day, time);
    return true;
}
