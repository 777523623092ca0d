#pragma once
// The pages of the main window: modeless child dialogs, each with its own template and its
// hidden "loadData" button whose command loads its data file once at start-up.
#include <windows.h>

#include <string_view>

#include "data/DateTime.h"
#include "data/ProgramRecord.h"

HWND createTimedPlayPage(HWND mainWindow);
HWND createInstantPage(HWND mainWindow);
HWND createHolidayPage(HWND mainWindow);
HWND createSettingsPage(HWND mainWindow);
HWND createStatusBar(HWND mainWindow);

// The play log of timed play: the on-screen row on the timed-play page and the log file.
void logAppEvent(const DateTime& time, std::u16string_view text);
// Whether timed play holds a play (sounding or waiting) of the program of that name, in any
// letter case.
bool isProgramPlaying(std::u16string_view name);
// Stops every play of that program, logging `reason`.
void stopProgramPlays(std::u16string_view name, std::u16string_view reason);
// "立即播此节目" with the amount entered: pre-empts everything and queues a manual play.
void playProgramNow(const ProgramRecord& program, int amount);
// The exit fade of all timed play: sets every job to x of its level; at x <= 0 stops them all.
void fadeTimedPlay(double x);
