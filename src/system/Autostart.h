#pragma once
// The logon-start options as one value of the current user's Run key: the quoted program path,
// then " 1" (hidden), " 2" (lock) or " 3" (both).
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::u16string_view autostartRunKey = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
// The same key in the object-name form that access repair recognises.
inline constexpr std::u16string_view autostartRunKeyObject = u"CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::u16string_view autostartValueName = u"TolvarBroadcasting";

struct AutostartOptions {
    std::int32_t autostart = 0;
    std::int32_t autostartHidden = 0;
    std::int32_t autostartLock = 0;
};

// The value's text for these options (without the terminating NUL).
std::u16string autostartValueData(std::u16string_view programPath, const AutostartOptions& options);

// Reads the options back from the value's data, which ends at its first NUL. Data naming another
// program or another install location reads as all off.
AutostartOptions parseAutostartValue(std::u16string_view data, std::u16string_view programPath);
