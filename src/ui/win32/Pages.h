#pragma once
// The pages of the main window as the shell knows them: modeless child dialogs, each made with
// what it shows and asks (the list owners, the controllers, the paths) and each with its
// hidden "loadData" button whose command loads its data once at start-up. A load's failure
// messages go to the context's `loadPrompt`, which the shell holds back while the program starts.
#include <windows.h>

#include <string>

#include "data/CalendarStore.h"
#include "data/FileSystem.h"
#include "data/Prompt.h"
#include "scheduler/ProgramStore.h"
#include "system/SettingsStore.h"
#include "web/WebConsoleStatus.h"
#include "web/WebSettingsStore.h"

class InstantController;
class TimedPlayController;

// What every page is made with.
struct PageContext {
    double uiScale;
    int osMajor;
    FileSystem& fs;
    Prompt& loadPrompt;
    std::u16string exeDir;    // the program folder, with the tools folder
    std::u16string musicDir;  // the sample songs beside the program
};

// Its plan view "播放计划" reads the calendar too.
HWND createTimedPlayPage(HWND mainWindow, const PageContext& context, TimedPlayController& timedPlay,
                         ProgramStore& programs, CalendarStore& calendar, const std::u16string& logFile);
HWND createInstantPage(HWND mainWindow, const PageContext& context, InstantController& instant);
HWND createHolidayPage(HWND mainWindow, const PageContext& context, CalendarStore& calendar);
// The settings page also backs up and restores the program list and the calendar, and sets up
// the web console, showing whether it listens.
HWND createSettingsPage(HWND mainWindow, const PageContext& context, SettingsStore& settings, ProgramStore& programs,
                        CalendarStore& calendar, WebSettingsStore& web, WebConsoleStatus& webStatus);
// The bar along the bottom; its refresh redraws `navBar`.
HWND createStatusBar(HWND mainWindow, HWND navBar, const PageContext& context, const SettingsStore& settings);

enum class PageKind { timedPlay, instant, holidays, settings };
// The click on the page's hidden "loadData" button.
void loadPageData(HWND page, PageKind kind);

// What a page asks of the main window through a WM_COMMAND it sends there.
enum class PageRequest { none, hideToTray, refreshStatusBar, chooseOutputDevice };
PageRequest pageRequestOf(WORD command);
// The main window passing a request on: the bar reads the device and volume again, the settings
// page opens its device dialog (the bar's link asks for it).
void refreshStatusBar(HWND statusBar);
void postStatusBarRefresh(HWND statusBar);
void openDeviceChoice(HWND settingsPage);
// The start into the notification area: as if the settings page's button had been pressed.
void pressHideToTray(HWND settingsPage);
// Up and Down move the selected programs while the timed-play page's program list has the
// focus; true when `message` was such a key and has been handled.
bool translateProgramListKeys(HWND timedPlayPage, MSG& message);
// The first focus after start: the now-playing list.
void focusNowPlayingList(HWND timedPlayPage);
