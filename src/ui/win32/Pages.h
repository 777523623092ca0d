#pragma once
// The pages of the main window: modeless child dialogs, each with its own template and its
// hidden "loadData" button whose command loads its data file once at start-up.
#include <windows.h>

#include <string_view>

#include "data/DateTime.h"

HWND createTimedPlayPage(HWND mainWindow);
HWND createInstantPage(HWND mainWindow);
HWND createHolidayPage(HWND mainWindow);
HWND createSettingsPage(HWND mainWindow);
HWND createStatusBar(HWND mainWindow);

// The play log of timed play: the on-screen row on the timed-play page and the log file.
void logAppEvent(const DateTime& time, std::u16string_view text);
// The exit fade of all timed play: sets every job to x of its level; at x <= 0 stops them all.
void fadeTimedPlay(double x);
