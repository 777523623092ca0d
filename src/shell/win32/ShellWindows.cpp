#include "shell/win32/ShellWindows.h"

#include <cstring>

ShellWindows& shellWindows() {
    static ShellWindows windows;
    return windows;
}

DateTime localNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    static_assert(sizeof(SYSTEMTIME) == sizeof(DateTime));
    DateTime time;
    std::memcpy(&time, &now, sizeof time);
    return time;
}
