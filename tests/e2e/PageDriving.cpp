#include "e2e/PageDriving.h"

#include "e2e/driver/Controls.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/StoredPrograms.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"

namespace {

struct TitleSearch {
    DWORD pid;
    const std::wstring& title;
    HWND found = nullptr;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TitleSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (pid != search->pid || std::wstring_view(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (search->title != title) return TRUE;
    search->found = window;
    return FALSE;
}

std::wstring mainTitle(DWORD pid) {
    const HWND main = findTopLevelWindow(pid, mainTitlePrefix, L"TolvarBroadcasting");
    return main ? windowText(main).value_or(L"") : L"";
}

}  // namespace

bool postPageCommand(const LvtxApp& app, int id) {
    const HWND list = app.control(programListId);
    return list != nullptr && postCommand(GetParent(list), static_cast<WORD>(id));
}

HWND waitForDialogTitled(DWORD pid, const std::wstring& title, DWORD timeoutMs) {
    TitleSearch search{pid, title};
    waitUntil(
        [&] {
            EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

bool waitUntilGone(HWND window, DWORD timeoutMs) {
    return waitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

std::wstring itemText(HWND dialog, int id) {
    return windowText(GetDlgItem(dialog, id)).value_or(L"<no answer>");
}

bool setItemText(HWND dialog, int id, const std::wstring& text) {
    return setWindowText(GetDlgItem(dialog, id), text);
}

bool itemEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

bool itemChecked(HWND dialog, int id) {
    return isButtonChecked(GetDlgItem(dialog, id));
}

bool clickItem(HWND dialog, int id) {
    return clickButton(GetDlgItem(dialog, id));
}

bool pressItem(HWND dialog, int id) {
    const HWND button = GetDlgItem(dialog, id);
    return button != nullptr && PostMessageW(button, BM_CLICK, 0, 0) != 0;
}

bool postItemCommand(HWND dialog, int id) {
    return postCommand(dialog, static_cast<WORD>(id), GetDlgItem(dialog, id));
}

SYSTEMTIME todayAt(int hour, int minute, int second) {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    time.wMilliseconds = 0;
    return time;
}

std::string expectMessage(DWORD pid, const std::wstring& text, int answer) {
    const auto box = waitForMessageBox(pid, dialogTimeoutMs);
    if (!box) return "no message box for \"" + utf8(text) + "\"";
    std::string failures;
    if (box->text != text) failures += "message \"" + utf8(box->text) + "\", wanted \"" + utf8(text) + "\"; ";
    if (box->caption != mainTitle(pid)) failures += "caption \"" + utf8(box->caption) + "\"; ";
    if (!answerMessageBox(*box, answer, dialogTimeoutMs)) failures += "the box did not close; ";
    return failures;
}

std::string expectRefusal(DWORD pid, HWND dialog, int buttonId, const std::wstring& text, int field) {
    if (!pressItem(dialog, buttonId)) return "no button " + std::to_string(buttonId);
    std::string failures = expectMessage(pid, text, IDOK);
    if (!IsWindow(dialog) || !IsWindowVisible(dialog)) return failures + "the dialog closed";
    if (field == 0) return failures;
    const HWND control = GetDlgItem(dialog, field);
    if (!waitUntil([&] { return focusOf(dialog) == control; }, dialogTimeoutMs)) {
        failures += "focus not in " + std::to_string(field) + "; ";
    }
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    if (_wcsicmp(name, L"Edit") == 0) {
        const auto length = static_cast<int>(itemText(dialog, field).size());
        if (editSelection(control) != std::pair<int, int>(0, length)) failures += "text not all selected; ";
    }
    return failures;
}

std::string utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::vector<std::wstring> column(const ListRows& rows, size_t index) {
    std::vector<std::wstring> cells;
    for (const auto& row : rows) cells.push_back(row.at(index));
    return cells;
}

std::vector<std::wstring> column(const LvtxApp& app, int listId, size_t index) {
    return column(app.rows(listId).value_or(ListRows{}), index);
}

std::vector<std::wstring> storedNamesIn(const std::wstring& dataFolder) {
    const auto bytes = readFileBytes(dataFolder + L"\\定时播t");
    const auto programs = bytes ? readStoredPrograms(*bytes) : std::nullopt;
    return programs ? storedNames(*programs) : std::vector<std::wstring>{L"<unreadable>"};
}

std::string chooseFile(DWORD pid, const wchar_t* title, const std::wstring& path) {
    // The file-name field: a combo box on newer systems, an edit before.
    constexpr int fileNameCombo = 0x47c;
    constexpr int fileNameEdit = 0x480;
    const HWND dialog = waitForDialogTitled(pid, title);
    if (dialog == nullptr) return "no file dialog " + utf8(title);
    HWND field = findDescendant(dialog, fileNameCombo);
    if (field == nullptr) field = findDescendant(dialog, fileNameEdit);
    if (field == nullptr || !setWindowText(field, path)) return "no file-name field";
    if (!pressItem(dialog, IDOK)) return "no OK button";
    return waitUntilGone(dialog) ? "" : "the file dialog stayed";
}
