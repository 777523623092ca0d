#pragma once
// "定时播", the program editor.
#include <windows.h>

// Index -1 adds a program to appState().programs, another index modifies that program.
// Returns IDOK (1) when the vector changed, IDCANCEL (2) otherwise; the caller writes the
// list rows and saves the programs file.
int editProgram(HWND owner, int index);
