#pragma once
// "定时播", the program editor.
#include <windows.h>

class TimedPlayController;

// Index -1 adds a program to appState().programs, another index modifies that program.
// Returns IDOK (1) when the vector changed, IDCANCEL (2) otherwise; the caller writes the
// list rows and saves the programs file. A playing program is stopped through `timedPlay`
// before it is modified.
int editProgram(HWND owner, int index, TimedPlayController& timedPlay);
