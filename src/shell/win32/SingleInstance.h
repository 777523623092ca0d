#pragma once
// One copy of the program at a time: a named mutex, and a second copy that warns and brings
// the first one forward.
#include <windows.h>

#include <string_view>

// False when another copy holds the mutex. The mutex stays open until the process ends, or
// until a crashed copy releases it for the copy its watcher starts.
bool claimSingleInstance();
void releaseSingleInstance();

// The first top-level window, in system order, whose title starts with `prefix` (letter case ignored).
HWND findWindowByTitlePrefix(std::u16string_view prefix);

// The second copy's warning, then the first copy's window restored, brought forward or
// called back from the notification area.
void warnAndActivateFirstCopy();
