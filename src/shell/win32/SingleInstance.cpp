#include "shell/win32/SingleInstance.h"

#include "data/Product.h"
#include "data/Text.h"
#include "winutil/WideText.h"
#include "shell/win32/ShellWindows.h"

namespace {

struct TitleSearch {
    std::u16string_view prefix;
    HWND found = nullptr;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TitleSearch*>(param);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (startsWithNoCase(fromWide(title), search->prefix)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool claimSingleInstance() {
    // Owned by the process for its whole life: Windows closes it at exit, and a second copy
    // must keep seeing it until then.
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, toWide(product::instanceMutex).c_str());
    return !(mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS);
}

HWND findWindowByTitlePrefix(std::u16string_view prefix) {
    TitleSearch search{prefix};
    EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void warnAndActivateFirstCopy() {
    const std::wstring name = toWide(product::name);
    MessageBoxW(nullptr, (name + L"：\n软件已在运行，不要重复打开          \n ").c_str(), name.c_str(),
                MB_OK | MB_TOPMOST | MB_SETFOREGROUND | MB_ICONWARNING);
    const HWND first = findWindowByTitlePrefix(std::u16string(product::name) + u" ");
    if (first != nullptr) bringMainWindowForward(first);
}
