#pragma once
// Page 4 帮助 (dialog 132): the display name and version, the quick start (dialog 221) and the
// broadcast hardware diagram (dialog 220).
#include <windows.h>

HWND createHelpPage(HWND mainWindow);
