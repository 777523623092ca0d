#include "e2e/driver/LvtxApp.h"

#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"

namespace {

// The page (a child dialog of the main window) that holds control `id`.
HWND findPageHolding(HWND main, int id) {
    for (HWND page = GetWindow(main, GW_CHILD); page != nullptr; page = GetWindow(page, GW_HWNDNEXT)) {
        if (GetDlgItem(page, id)) return page;
    }
    return nullptr;
}

}  // namespace

std::wstring LvtxApp::start(const std::wstring& exe, const std::wstring& arguments, DWORD timeoutMs) {
    if (const DWORD error = process_.start(exe, arguments)) {
        return L"CreateProcess failed with " + std::to_wstring(error) + L" for " + exe;
    }
    return waitForMainWindow(timeoutMs);
}

std::wstring LvtxApp::adopt(DWORD pid, DWORD timeoutMs) {
    if (!process_.adopt(pid)) return L"cannot open process " + std::to_wstring(pid);
    return waitForMainWindow(timeoutMs);
}

std::wstring LvtxApp::waitForMainWindow(DWORD timeoutMs) {
    const bool found = waitUntil(
        [&] {
            main_ = findTopLevelWindow(process_.id(), mainTitlePrefix);
            timedPlayPage_ = main_ ? findPageHolding(main_, programListId) : nullptr;
            return timedPlayPage_ != nullptr || !process_.running();
        },
        timeoutMs);
    if (!process_.running()) return L"the program ended during start-up";
    if (!found) return L"no main window with the timed-play lists";
    return {};
}

bool LvtxApp::waitForPrograms(size_t count, DWORD timeoutMs) {
    return waitUntil(
        [&] {
            const auto programs = rows(programListId);
            return programs && programs->size() == count;
        },
        timeoutMs, 100);
}

HWND LvtxApp::control(int id) const {
    return timedPlayPage_ ? GetDlgItem(timedPlayPage_, id) : nullptr;
}

HWND LvtxApp::pageHolding(int id) const {
    return main_ ? findPageHolding(main_, id) : nullptr;
}

std::optional<ListRows> LvtxApp::rows(int listId) const {
    const HWND list = control(listId);
    if (list == nullptr) return std::nullopt;
    return readListView(list);
}

HWND LvtxApp::openCloseDialog(DWORD timeoutMs) {
    if (!PostMessageW(main_, WM_CLOSE, 0, 0)) return nullptr;
    HWND dialog = nullptr;
    waitUntil([&] { return (dialog = findDialog(process_.id(), main_)) != nullptr; }, timeoutMs);
    return dialog;
}

bool LvtxApp::answerCloseDialog(HWND dialog, int choiceId) {
    const HWND choice = GetDlgItem(dialog, choiceId);
    if (!clickButton(choice)) return false;
    if (sendBounded(choice, BM_GETCHECK, 0, 0) != BST_CHECKED) return false;
    return clickButton(GetDlgItem(dialog, IDOK));
}

std::optional<DWORD> LvtxApp::exitThroughCloseDialog(DWORD timeoutMs) {
    const HWND dialog = openCloseDialog(timeoutMs);
    if (dialog == nullptr || !answerCloseDialog(dialog, closeExitId)) return std::nullopt;
    return process_.waitForExit(timeoutMs);
}
