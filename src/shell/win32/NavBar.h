#pragma once
// The navigation bar on the left of the main window (dialog 208): six picture buttons that switch
// the pages, and the hidden edit through which the paste filter is installed.
#include <windows.h>

HWND createNavBar(HWND mainWindow);
