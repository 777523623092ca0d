// rand_s is declared only on request.
#define _CRT_RAND_S
#include "shell/win32/AppStateSetup.h"

#include <windows.h>

#include <cstdlib>
#include <memory>

#include "winutil/WideText.h"
#include "data/win32/Win32FileSystem.h"
#include "shell/AppState.h"
#include "shell/win32/RoamingFolder.h"
#include "system/win32/Win32Registry.h"
#include "web/win32/CngCrypto.h"
#include "winutil/WindowsVersion.h"

namespace {

std::unique_ptr<AppState> state;

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

AppPaths systemAppPaths() {
    const WindowsVersion version = windowsVersion();
    wchar_t exePath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exePath, MAX_PATH);
    return makeAppPaths(fromWide(exePath), roamingFolder(static_cast<int>(version.major)));
}

void setUpAppState() {
    static Win32FileSystem fs;
    static Win32Registry registry;
    static CngPasswordKdf kdf;
    static CngRandomBytes random;
    const WindowsVersion version = windowsVersion();
    state = std::make_unique<AppState>(systemAppPaths(), fs, registry, kdf, random);
    unsigned int seed = 0;
    rand_s(&seed);
    state->randomEngine.seed(seed);
    state->osMajor = static_cast<int>(version.major);
    state->osMinor = static_cast<int>(version.minor);
    state->osBuild = static_cast<int>(version.build);
}

AppState& appState() {
    return *state;
}
