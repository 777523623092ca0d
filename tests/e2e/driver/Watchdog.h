#pragma once
// The watchdog from outside: its stop event, set as the installer sets it, the copies of the
// program it starts, and the test environment's request for a fault on the user-interface thread.
#include <windows.h>

#include <vector>

// Whether a watcher runs in this session: only watchers hold the stop event.
bool watcherRunning();
// Sets the stop event until no watcher holds it any more; false when one still does after `timeoutMs`.
bool stopWatchers(DWORD timeoutMs);
// After stopWatchers: ends by force every copy of the program that has a main window, until
// neither a window of its class nor the single-instance mutex remains.
bool endEveryCopy(DWORD timeoutMs);
// A copy other than process `pid` whose main window exists, within `timeoutMs`; 0 when none.
DWORD waitForOtherCopy(DWORD pid, DWORD timeoutMs);
// The processes of lvtx.exe now: copies of the program and watchers alike.
std::vector<DWORD> programProcessIds();
// A process of lvtx.exe that is not among `known`, within `timeoutMs`; 0 when none started.
DWORD waitForNewProgramProcess(const std::vector<DWORD>& known, DWORD timeoutMs);
// Posts the crash request to a main window (answered only with LVTX_E2E_CRASH=1).
bool requestCrash(HWND main);
