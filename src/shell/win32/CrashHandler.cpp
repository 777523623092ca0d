#include "shell/win32/CrashHandler.h"

#include <windows.h>

#include <float.h>

#include <cwchar>

#include "shell/AppState.h"
#include "shell/win32/AppEngines.h"
#include "shell/win32/LocalHelp.h"
#include "shell/win32/ShellTexts.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/Shutdown.h"

namespace {

DWORD uiThread = 0;
bool crashing = false;

// The window timers of the pages and dialogs (device dialog, import) and of the HTML view. The crash message's own loop would keep dispatching them.
constexpr UINT_PTR programTimers[] = {1, 1000, 1010};

BOOL CALLBACK killTimers(HWND window, LPARAM) {
    for (const UINT_PTR timer : programTimers) KillTimer(window, timer);
    EnumChildWindows(window, killTimers, 0);
    return TRUE;
}

LONG WINAPI crashFilter(EXCEPTION_POINTERS* exception) {
    if (GetCurrentThreadId() != uiThread || crashing) return EXCEPTION_CONTINUE_SEARCH;
    crashing = true;
    _clearfp();
    unsigned int control = 0;
    _controlfp_s(&control, _MCW_EM, _MCW_EM);
    EnumThreadWindows(uiThread, killTimers, 0);
    if (TimedPlayController* timedPlay = appEngines().timedPlay()) timedPlay->stopTimer();
    if (InstantController* instant = appEngines().instant()) instant->stopTimer();
    if (appEngines().powerRules) appEngines().powerRules->stop();
    // Nothing may start while the program winds down; the files keep their real state.
    for (ProgramRecord& program : appState().programs.scheduled()) program.disabled = 1;

    wchar_t text[256];
    std::swprintf(text, 256,
                  L"软件异常终止 - 0x%08x\n\n\n专家在线咨询 - 先按 PrtSc 键屏幕截图\n\n\n官网 / 专家在线 - 点确定后弹出网页\n ",
                  static_cast<unsigned int>(exception->ExceptionRecord->ExceptionCode));
    const HWND main = shellWindows().mainWindow;
    MessageBoxW(main, text, shellTexts().title, MB_OK | MB_TOPMOST | MB_SETFOREGROUND | MB_ICONERROR);
    openLocalHelp(main);
    shutdownApp(true);
    ExitProcess(0);
}

}  // namespace

void installCrashHandler() {
    uiThread = GetCurrentThreadId();
    SetUnhandledExceptionFilter(crashFilter);
}
