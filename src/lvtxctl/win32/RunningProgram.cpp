#include "lvtxctl/RunningProgram.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "data/Product.h"
#include "winutil/WideText.h"

namespace {

// The full path without separators at its end, or empty.
std::u16string fullPath(std::u16string_view path) {
    const std::wstring wide = toWide(path);
    wchar_t full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(wide.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) return {};
    std::u16string result = fromWide(full);
    while (!result.empty() && (result.back() == u'\\' || result.back() == u'/')) result.pop_back();
    return result;
}

}  // namespace

bool programRunsOn(std::u16string_view dataDir) {
    // The program holds its single-instance mutex for as long as it runs.
    const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, toWide(product::instanceMutex).c_str());
    if (mutex == nullptr) return false;
    CloseHandle(mutex);
    wchar_t appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) return true;
    const std::u16string programData = fromWide(appData) + u"\\" + std::u16string(product::dataFolder);
    return sameTextIgnoringCase(fullPath(dataDir), fullPath(programData));
}
