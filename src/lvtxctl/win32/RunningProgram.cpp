#include "lvtxctl/RunningProgram.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "data/Product.h"
#include "lvtxctl/FullPath.h"
#include "winutil/WideText.h"

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
