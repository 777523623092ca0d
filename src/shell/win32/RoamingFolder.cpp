#include "shell/win32/RoamingFolder.h"

#include <windows.h>

#include <shlobj.h>

std::wstring roamingAppDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    return folder;
}
