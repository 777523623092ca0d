#include "shell/win32/CrashHandler.h"

#include <windows.h>

#include <float.h>

#include <cstdint>

#include "shell/AppState.h"
#include "shell/Watchdog.h"
#include "shell/win32/AppEngines.h"
#include "shell/win32/LocalHelp.h"
#include "shell/win32/ShellTexts.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/Shutdown.h"
#include "shell/win32/SingleInstance.h"
#include "shell/win32/Tray.h"
#include "shell/win32/WatchLink.h"
#include "winutil/WideText.h"

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

BOOL CALLBACK hideWindow(HWND window, LPARAM) {
    ShowWindow(window, SW_HIDE);
    return TRUE;
}

// The crashed copy steps aside for the new one: its main window no longer passes for the running
// program (a second start, the installer and the operator all look for it), its icon goes, and
// no dialog of it stays within reach to save a file over the new copy's.
void retireWindows(HWND main) {
    if (main != nullptr && !IsWindowVisible(main)) removeTrayIcon();
    EnumThreadWindows(uiThread, hideWindow, 0);
    if (main != nullptr) SetWindowTextW(main, L"");
}

LONG WINAPI crashFilter(EXCEPTION_POINTERS* exception) {
    if (GetCurrentThreadId() != uiThread || crashing) return EXCEPTION_CONTINUE_SEARCH;
    crashing = true;
    const auto code = static_cast<std::uint32_t>(exception->ExceptionRecord->ExceptionCode);
    _clearfp();
    unsigned int control = 0;
    _controlfp_s(&control, _MCW_EM, _MCW_EM);
    EnumThreadWindows(uiThread, killTimers, 0);
    if (TimedPlayController* timedPlay = appEngines().timedPlay()) timedPlay->stopTimer();
    if (InstantController* instant = appEngines().instant()) instant->stopTimer();
    if (appEngines().powerRules) appEngines().powerRules->stop();
    // Nothing may start while the program winds down; the files keep their real state.
    for (ProgramRecord& program : appState().programs.scheduled()) program.disabled = 1;
    // Silent before the new copy can start its bells.
    fadeOutEverything();

    // The message no longer holds the restart back: the mutex is free and the watcher has its
    // verdict before the box opens, however long the box then waits for OK.
    const HWND main = shellWindows().mainWindow;
    retireWindows(main);
    releaseSingleInstance();
    const RestartAnswer answer = reportCrash(code);
    MessageBoxW(main, toWide(crashMessageText(code, answer)).c_str(), shellTexts().title,
                MB_OK | MB_TOPMOST | MB_SETFOREGROUND | MB_ICONERROR);
    openLocalHelp(main);
    shutdownApp(true);
    // Not 0: whoever looks at this process sees that it did not end normally.
    ExitProcess(code);
}

}  // namespace

void installCrashHandler() {
    uiThread = GetCurrentThreadId();
    SetUnhandledExceptionFilter(crashFilter);
}
