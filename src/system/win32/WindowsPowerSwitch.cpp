#include "system/win32/WindowsPowerSwitch.h"

#include <windows.h>

#include "data/win32/SystemMessage.h"
#include "winutil/UniqueHandle.h"

namespace {

// ERROR_SUCCESS, or the error of the step that failed, taken before the token is closed.
DWORD enableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return GetLastError();
    const UniqueHandle owned(token);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return GetLastError();
    // Success with ERROR_NOT_ALL_ASSIGNED still counts: ExitWindowsEx then tells what is missing.
    if (!AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr)) return GetLastError();
    return ERROR_SUCCESS;
}

}  // namespace

bool WindowsPowerSwitch::exitWindows(int mode, std::u16string& message) {
    DWORD error = enableShutdownPrivilege();
    if (error == ERROR_SUCCESS) {
        const UINT flags = mode == shutdownMode ? EWX_SHUTDOWN | EWX_FORCE | EWX_POWEROFF : EWX_REBOOT | EWX_FORCE;
        if (ExitWindowsEx(flags, SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_APPLICATION)) return true;
        error = GetLastError();
    }
    message = exitWindowsFailureText(mode, systemMessageText(error));
    return false;
}
