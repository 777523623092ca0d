#include "e2e/driver/Windows.h"

#include <vector>

namespace {

struct TopLevelSearch {
    DWORD pid;
    std::wstring_view titlePrefix;
    std::wstring_view className;
    HWND owner;
    bool dialogsOnly;
    HWND found = nullptr;
};

std::wstring classOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

BOOL CALLBACK matchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (search->pid != 0 && pid != search->pid) return TRUE;
    if (search->dialogsOnly) {
        if (classOf(window) != L"#32770") return TRUE;
        if (search->owner != nullptr && GetWindow(window, GW_OWNER) != search->owner) return TRUE;
    } else {
        if (!search->className.empty() && classOf(window) != search->className) return TRUE;
        // The title held by the window manager: readable without the owner's help.
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        if (std::wstring_view(title).substr(0, search->titlePrefix.size()) != search->titlePrefix) return TRUE;
    }
    search->found = window;
    return FALSE;
}

struct IdSearch {
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK matchId(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<IdSearch*>(param);
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND findTopLevelWindow(DWORD pid, std::wstring_view titlePrefix, std::wstring_view className) {
    TopLevelSearch search{pid, titlePrefix, className, nullptr, false};
    EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findDialog(DWORD pid, HWND owner) {
    TopLevelSearch search{pid, {}, {}, owner, true};
    EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findDescendant(HWND parent, int id) {
    IdSearch search{id};
    EnumChildWindows(parent, matchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::optional<LRESULT> sendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, sendTimeoutMs, &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

std::optional<std::wstring> windowText(HWND window) {
    const auto length = sendBounded(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length) return std::nullopt;
    std::vector<wchar_t> text(static_cast<size_t>(*length) + 1);
    const auto copied = sendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    if (!copied) return std::nullopt;
    return std::wstring(text.data(), static_cast<size_t>(*copied));
}

std::wstring childTexts(HWND window) {
    std::wstring texts;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        texts += windowText(child).value_or(L"") + L"\n";
    }
    return texts;
}

bool clickButton(HWND button) {
    return button != nullptr && sendBounded(button, BM_CLICK, 0, 0).has_value();
}

bool postCommand(HWND target, WORD id, HWND control) {
    return PostMessageW(target, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control)) != 0;
}
