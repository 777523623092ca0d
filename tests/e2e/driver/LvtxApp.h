#pragma once
// One running copy of lvtx.exe as a test sees it: started, its main window and timed-play
// lists found, closed as an operator closes it, or ended by force when the test ends.
#include <windows.h>

#include <optional>
#include <string>

#include "e2e/driver/ProgramProcess.h"
#include "e2e/driver/RemoteListView.h"

class LvtxApp {
public:
    // Starts the program and waits until its main window exists; returns what went wrong,
    // empty on success.
    std::wstring start(const std::wstring& exe, const std::wstring& arguments, DWORD timeoutMs);
    // Takes over process `pid`, started by another program (the watcher), and waits as start does.
    std::wstring adopt(DWORD pid, DWORD timeoutMs);
    // Waits until the program list shows `count` programs: the last step of start-up.
    bool waitForPrograms(size_t count, DWORD timeoutMs);

    ProgramProcess& process() { return process_; }
    HWND mainWindow() const { return main_; }
    // A control of the timed-play page.
    HWND control(int id) const;
    // The page (a child dialog of the main window) that holds control `id`; null when none does.
    HWND pageHolding(int id) const;
    std::optional<ListRows> rows(int listId) const;

    // Sends WM_CLOSE and waits for the close dialog; returns it, or null.
    HWND openCloseDialog(DWORD timeoutMs);
    // Chooses radio button `choiceId` in the close dialog, then 确定.
    bool answerCloseDialog(HWND dialog, int choiceId);
    // Leaves through the close dialog's "退出程序"; the exit code when the process ended in time.
    std::optional<DWORD> exitThroughCloseDialog(DWORD timeoutMs);

private:
    std::wstring waitForMainWindow(DWORD timeoutMs);

    ProgramProcess process_;
    HWND main_ = nullptr;
    HWND timedPlayPage_ = nullptr;
};
