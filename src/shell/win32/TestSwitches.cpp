#include "shell/win32/TestSwitches.h"

#include <string_view>

namespace {

// All volatile: the compiler may neither fold the division nor turn 1 / x into a comparison.
volatile int dividend = 1;
volatile int divisor = 0;
volatile int quotient = 0;

bool switchedOn(const wchar_t* name) {
    wchar_t value[4] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 4);
    return length == 1 && std::wstring_view(value) == L"1";
}

}  // namespace

bool watcherSwitchedOff() {
    return switchedOn(L"LVTX_E2E_NO_WATCHDOG");
}

bool isTestCrashRequest(UINT message) {
    static const UINT crashMessage = switchedOn(L"LVTX_E2E_CRASH") ? RegisterWindowMessageW(L"LvtxE2eCrash") : 0;
    return crashMessage != 0 && message == crashMessage;
}

void crashForTest() {
    // An integer division by zero faults whatever the floating-point masks say.
    quotient = dividend / divisor;
}
