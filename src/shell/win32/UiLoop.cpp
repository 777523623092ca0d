#include "shell/win32/UiLoop.h"

#include <windows.h>

#include <float.h>

#include <string_view>

#include "shell/AppState.h"
#include "shell/win32/AppEngines.h"
#include "shell/win32/CrashHandler.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/StartUp.h"
#include "ui/win32/Pages.h"

namespace {

bool isKeyboardMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR || message == WM_SYSCHAR;
}

// Up and Down move the selected program only on the timed-play page; everywhere else they are
// ordinary keys. Only keyboard messages can be accelerators, so only they pay for the focus
// query, not every timer tick.
bool translateMoveKeys(MSG& message) {
    if (!isKeyboardMessage(message.message) || appState().currentPage != timedPlayPage) return false;
    return translateProgramListKeys(shellWindows().pages[timedPlayPage], message);
}

// A dialog window of its own over the main window (the plan view) takes the dialog keys for its
// controls: Tab, Enter, Escape.
HWND ownDialogWindow(const MSG& message) {
    const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root == nullptr || root == shellWindows().mainWindow) return nullptr;
    wchar_t className[8] = {};
    GetClassNameW(root, className, 8);
    return std::wstring_view(className) == L"#32770" ? root : nullptr;
}

void runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The move keys come first: the program list claims the arrows, so the dialog manager
        // would hand them to the list view and the accelerators would never see them.
        if (translateMoveKeys(message)) continue;
        const HWND page = shellWindows().pages[appState().currentPage];
        if (page != nullptr && IsDialogMessageW(page, &message)) continue;
        if (const HWND dialog = ownDialogWindow(message); dialog != nullptr && IsDialogMessageW(dialog, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

void runUiLoop(const StartFlags& flags) {
    // A division by zero must fault, so that it reaches the crash handler instead of going on
    // with an infinity; every other floating-point exception stays masked.
    unsigned int control = 0;
    _controlfp_s(&control, _MCW_EM & ~_EM_ZERODIVIDE, _MCW_EM);
    installCrashHandler();
    if (createMainWindow(flags)) runMessageLoop();
    stopEngines();
}
