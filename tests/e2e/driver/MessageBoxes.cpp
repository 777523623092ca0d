#include "e2e/driver/MessageBoxes.h"

#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"

namespace {

// The message text's static control, as both Windows and Wine number it.
constexpr int messageTextId = 0xFFFF;

struct BoxSearch {
    DWORD pid;
    HWND found = nullptr;
};

bool isMessageBox(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring_view(name) == L"#32770" && IsWindowVisible(window) &&
           GetDlgItem(window, messageTextId) != nullptr;
}

BOOL CALLBACK matchBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !isMessageBox(window)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND findMessageBox(DWORD pid) {
    BoxSearch search{pid};
    EnumWindows(matchBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::optional<MessageBoxSeen> waitForMessageBox(DWORD pid, DWORD timeoutMs) {
    HWND box = nullptr;
    if (!waitUntil([&] { return (box = findMessageBox(pid)) != nullptr; }, timeoutMs)) return std::nullopt;
    const auto caption = windowText(box);
    const auto text = windowText(GetDlgItem(box, messageTextId));
    if (!caption || !text) return std::nullopt;
    return MessageBoxSeen{box, *caption, *text};
}

bool messageBoxShown(DWORD pid) {
    return findMessageBox(pid) != nullptr;
}

bool answerMessageBox(const MessageBoxSeen& box, int buttonId, DWORD timeoutMs) {
    const HWND button = GetDlgItem(box.window, buttonId);
    // Posted: the click may open the next modal window before it returns.
    if (button == nullptr || !PostMessageW(button, BM_CLICK, 0, 0)) return false;
    return waitUntil([&] { return !IsWindow(box.window); }, timeoutMs);
}
