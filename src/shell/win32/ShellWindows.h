#pragma once
// The window handles of the running program and the private messages and commands by
// which its parts drive one another.
#include <windows.h>

#include <string_view>

inline constexpr UINT WM_TRAY_CALLBACK = WM_APP + 0x67;  // lParam = the mouse message

inline constexpr int pageCount = 6;
enum PageIndex { timedPlayPage, instantPage, holidayPage, settingsPage, helpPage, troubleshootingPage };

// Commands
inline constexpr WORD cmdShowMainWindow = 32880;  // main window: show again, remove the tray icon
inline constexpr WORD cmdHideToTray = 1237;       // settings page: hide the main window to the tray
inline constexpr WORD cmdLoadHolidays = 1464;     // holiday page
inline constexpr WORD cmdLoadSettings = 1426;     // settings page
inline constexpr WORD cmdLoadPrograms = 1506;     // timed-play page
inline constexpr WORD cmdLoadInstant = 1401;      // immediate-play page
inline constexpr WORD cmdRefreshStatusBar = 1762; // status bar
inline constexpr WORD cmdMoveUp = 32865;          // accelerator table 189: Up arrow
inline constexpr WORD cmdMoveDown = 32866;        // accelerator table 189: Down arrow
inline constexpr int programListId = 1001;        // timed-play page: program list
inline constexpr int nowPlayingListId = 1002;     // timed-play page: now-playing list
inline constexpr int logListId = 1004;            // timed-play page: log list

struct ShellWindows {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND navBar = nullptr;
    HWND statusBar = nullptr;
    HWND pages[pageCount] = {};
    HWND htmlView = nullptr;
};

ShellWindows& shellWindows();
