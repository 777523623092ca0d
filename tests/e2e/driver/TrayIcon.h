#pragma once
// Whether a window has a notification icon: an empty modification of the icon succeeds only
// when the shell holds an icon with that window and id.
#include <windows.h>

bool hasTrayIcon(HWND window, UINT id);
