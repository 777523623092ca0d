#include "shell/win32/UiLoop.h"

#include <windows.h>

#include <float.h>

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

void runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The move keys come first: the program list claims the arrows, so the dialog manager
        // would hand them to the list view and the accelerators would never see them.
        if (translateMoveKeys(message)) continue;
        const HWND page = shellWindows().pages[appState().currentPage];
        if (page != nullptr && IsDialogMessageW(page, &message)) continue;
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
