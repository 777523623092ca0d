// rand_s is declared only on request.
#define _CRT_RAND_S
#include "shell/win32/AppStateSetup.h"

#include <windows.h>

#include <cstdlib>

#include "winutil/WideText.h"
#include "shell/AppState.h"
#include "shell/win32/RoamingFolder.h"
#include "winutil/WindowsVersion.h"

namespace {

void readWindowsVersion(AppState& state) {
    const WindowsVersion version = windowsVersion();
    state.osMajor = static_cast<int>(version.major);
    state.osMinor = static_cast<int>(version.minor);
    state.osBuild = static_cast<int>(version.build);
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
