#include "e2e/driver/LocalTime.h"

#include <cwchar>

namespace {

constexpr long long ticksPerSecond = 10'000'000;

long long ticksOf(const SYSTEMTIME& time) {
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    return static_cast<long long>((static_cast<unsigned long long>(file.dwHighDateTime) << 32) | file.dwLowDateTime);
}

}  // namespace

SYSTEMTIME localNowToSecond() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    now.wMilliseconds = 0;
    return now;
}

SYSTEMTIME addSeconds(const SYSTEMTIME& time, int seconds) {
    const auto ticks = static_cast<unsigned long long>(ticksOf(time) + seconds * ticksPerSecond);
    const FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME result{};
    FileTimeToSystemTime(&file, &result);
    return result;
}

long long secondsBetween(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return (ticksOf(b) - ticksOf(a)) / ticksPerSecond;
}

std::optional<SYSTEMTIME> parseLogTime(const std::wstring& text) {
    SYSTEMTIME time{};
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    wchar_t rest = 0;
    if (std::swscanf(text.c_str(), L"%4d-%2d-%2d %2d:%2d:%2d%lc", &year, &month, &day, &hour, &minute, &second,
                     &rest) != 6) {
        return std::nullopt;
    }
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    FILETIME check{};
    if (!SystemTimeToFileTime(&time, &check)) return std::nullopt;
    return time;
}
