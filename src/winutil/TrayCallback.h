#pragma once
// The main window's notification-icon call-back message, and bringing that window forward the
// way the operator would: from the taskbar, or by a click on the icon when it is hidden there.
#include <windows.h>

inline constexpr UINT WM_TRAY_CALLBACK = WM_APP + 0x67;  // lParam = the mouse message

// Visible: restored when minimized, then put in the foreground. Hidden: sent the icon's
// left-button call-back, which shows it. The wait for another process is bounded.
void bringMainWindowForward(HWND main);
