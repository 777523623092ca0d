#pragma once
// Switches that only the test environment sets, through variables of the process environment
// (the end-to-end fixture sets them before it starts the program). No command line, setting or
// file of the operator's reaches them.
#include <windows.h>

// LVTX_E2E_NO_WATCHDOG=1: no watcher, for the tests that end the program by force at their end.
bool watcherSwitchedOff();
// LVTX_E2E_CRASH=1: the registered message "LvtxE2eCrash" to the main window makes the
// user-interface thread fault, as a real fault there would.
bool isTestCrashRequest(UINT message);
void crashForTest();
