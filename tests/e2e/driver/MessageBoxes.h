#pragma once
// The message boxes of another process: found, read and answered as an operator would.
#include <windows.h>

#include <optional>
#include <string>

struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
};

// The first message box of process `pid` (a dialog box with a message text) within `timeoutMs`.
std::optional<MessageBoxSeen> waitForMessageBox(DWORD pid, DWORD timeoutMs);
// Whether process `pid` shows a message box now.
bool messageBoxShown(DWORD pid);
// Clicks the box's button `buttonId` (IDOK, IDYES, IDNO) and waits until the box has gone.
bool answerMessageBox(const MessageBoxSeen& box, int buttonId, DWORD timeoutMs);
