#include "ui/win32/FileDrops.h"

namespace {

// Carries the dropped names across the elevation boundary; not in the SDK headers.
constexpr UINT copyGlobalDataMessage = 0x0049;
constexpr DWORD messageFilterAllow = 1;  // MSGFLT_ALLOW

using MessageFilterFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);

}  // namespace

void acceptFileDrops(HWND window, int osMajor) {
    DragAcceptFiles(window, TRUE);
    if (osMajor < 6) return;
    // Looked up at run time: Windows before 7 has no such function.
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto allow = user32 ? reinterpret_cast<MessageFilterFunction>(
                                    reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilterEx")))
                              : nullptr;
    if (allow == nullptr) return;
    allow(window, WM_DROPFILES, messageFilterAllow, nullptr);
    allow(window, copyGlobalDataMessage, messageFilterAllow, nullptr);
}

std::vector<std::u16string> takeDroppedPaths(HDROP drop) {
    std::vector<std::u16string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        const UINT length = DragQueryFileW(drop, index, nullptr, 0);
        std::u16string path(length + 1, u'\0');
        const UINT copied = DragQueryFileW(drop, index, reinterpret_cast<wchar_t*>(path.data()), length + 1);
        path.resize(copied);
        paths.push_back(std::move(path));
    }
    DragFinish(drop);
    return paths;
}
