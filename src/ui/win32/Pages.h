#pragma once
// The pages of the main window: modeless child dialogs, each with its own template and its
// hidden "loadData" button whose command loads its data file once at start-up. A load's
// failure messages go to `loadPrompt`, which the shell holds back while the program starts.
#include <windows.h>

#include "data/Prompt.h"

class TimedPlayController;

HWND createTimedPlayPage(HWND mainWindow, TimedPlayController& timedPlay, Prompt& loadPrompt);
HWND createHolidayPage(HWND mainWindow, Prompt& loadPrompt);
HWND createSettingsPage(HWND mainWindow, Prompt& loadPrompt);
// The bar along the bottom; its refresh redraws `navBar`.
HWND createStatusBar(HWND mainWindow, HWND navBar);
