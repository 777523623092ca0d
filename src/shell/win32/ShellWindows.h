#pragma once
// The window handles of the running program and the private messages by which its parts
// drive one another.
#include <windows.h>

inline constexpr UINT WM_TRAY_CALLBACK = WM_APP + 0x67;  // lParam = the mouse message

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
