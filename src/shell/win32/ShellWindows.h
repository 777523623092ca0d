#pragma once
// The window handles of the running program and the private messages by which its parts
// drive one another.
#include <windows.h>

#include <string_view>

#include "data/DateTime.h"

inline constexpr UINT WM_TRAY_CALLBACK = WM_APP + 0x67;  // lParam = the mouse message
inline constexpr UINT WM_AUDIO_EVENT = WM_APP + 0x69;    // lParam = the player that has events

inline constexpr int pageCount = 6;
enum PageIndex { timedPlayPage, instantPage, holidayPage, settingsPage, helpPage, troubleshootingPage };

struct ShellWindows {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND navBar = nullptr;
    HWND statusBar = nullptr;
    HWND pages[pageCount] = {};
    HWND htmlView = nullptr;
};

ShellWindows& shellWindows();

// The current local time (milliseconds kept).
DateTime localNow();
