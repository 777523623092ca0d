// rand_s is declared only on request.
#define _CRT_RAND_S
#include "shell/win32/AppStateSetup.h"

#include <windows.h>

#include <cstdlib>

#include "data/win32/WideText.h"
#include "shell/AppState.h"
#include "shell/win32/RoamingFolder.h"

namespace {

using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);

// GetVersionEx reports at most 6.2 to programs not declared for later versions; the kernel's
// own call tells the truth.
void readWindowsVersion(AppState& state) {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    if (info.dwMajorVersion > 6 || (info.dwMajorVersion == 6 && info.dwMinorVersion >= 2)) {
        const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        const auto rtlGetVersion =
            ntdll ? reinterpret_cast<RtlGetVersionCall>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                  : nullptr;
        OSVERSIONINFOW real{};
        real.dwOSVersionInfoSize = sizeof real;
        if (rtlGetVersion && rtlGetVersion(&real) == 0) info = real;
    }
    state.osMajor = static_cast<int>(info.dwMajorVersion);
    state.osMinor = static_cast<int>(info.dwMinorVersion);
    state.osBuild = static_cast<int>(info.dwBuildNumber);
}

std::u16string roamingFolder(int osMajor) {
    const std::wstring folder = roamingAppDataFolder();
    if (!folder.empty()) return fromWide(folder);
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    wchar_t user[257] = {};
    DWORD userLength = 257;
    GetUserNameW(user, &userLength);
    return fallbackShellFolder(system[0] ? static_cast<char16_t>(system[0]) : u'C', fromWide(user), osMajor);
}

}  // namespace

void setUpAppState() {
    AppState& state = appState();
    unsigned int seed = 0;
    rand_s(&seed);
    state.randomEngine.seed(seed);
    readWindowsVersion(state);
    wchar_t exePath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exePath, MAX_PATH);
    state.paths = makeAppPaths(fromWide(exePath), roamingFolder(state.osMajor));
}
