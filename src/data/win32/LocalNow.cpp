#include "data/win32/LocalNow.h"

#include <windows.h>

#include <cstring>

DateTime localNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    static_assert(sizeof(SYSTEMTIME) == sizeof(DateTime));
    DateTime time;
    std::memcpy(&time, &now, sizeof time);
    return time;
}
