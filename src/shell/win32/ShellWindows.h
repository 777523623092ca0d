#pragma once
// The window handles of the running program and the private messages by which its parts
// drive one another.
#include <windows.h>

#include "winutil/TrayCallback.h"

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
