#include "launcher/win32/LaunchProbes.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>

#include "winutil/WideText.h"
#include "winutil/FreedWith.h"

namespace {

using UniqueLibrary = std::unique_ptr<HINSTANCE__, FreedWith<&FreeLibrary>>;

constexpr wchar_t graphicsLibrary[] = L"GdiPlus.dll";

PathKind pathKindOf(std::u16string_view path) {
    const DWORD attributes = GetFileAttributesW(toWide(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::folder : PathKind::file;
    }
    const DWORD error = GetLastError();
    return error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
               ? PathKind::missing
               : PathKind::unknown;
}

// Only the system folder counts: a copy elsewhere on the search path is no promise that the
// main program finds one.
bool systemGdiPlusLoads() {
    UniqueLibrary library(LoadLibraryExW(graphicsLibrary, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!library && GetLastError() == ERROR_INVALID_PARAMETER) {
        // Windows 7 without the search-flags update: name the system folder's copy in full.
        wchar_t system[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(system, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return false;
        library.reset(LoadLibraryExW((std::wstring(system) + L"\\" + graphicsLibrary).c_str(), nullptr, 0));
    }
    return library != nullptr;
}

}  // namespace

std::u16string launcherModulePath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fromWide(std::wstring_view(path, length < MAX_PATH ? length : 0));
}

LaunchProbes systemLaunchProbes() {
    return {pathKindOf, systemGdiPlusLoads};
}

void openWithShell(std::u16string_view path) {
    ShellExecuteW(nullptr, L"open", toWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
