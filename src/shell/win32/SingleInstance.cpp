#include "shell/win32/SingleInstance.h"

#include "data/Product.h"
#include "data/Text.h"
#include "shell/win32/ShellWindows.h"
#include "winutil/UniqueHandle.h"
#include "winutil/WideText.h"

namespace {

// Held for the process's whole life: a second copy must keep seeing it until then.
UniqueHandle instanceMutex;

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
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, toWide(product::instanceMutex).c_str());
    const bool another = mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    instanceMutex = UniqueHandle(mutex);
    return !another;
}

void releaseSingleInstance() {
    instanceMutex.reset();
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
