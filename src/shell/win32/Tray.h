#pragma once
// The main window's notification-area icon: hiding the window into it and bringing it back.
#include <windows.h>

// "最小化到托盘", the settings page's command: adds the icon (tooltip = the window title) and,
// only when that succeeds, hides the main window.
void hideToTray();
// "显示主界面", the main window's command: after 200 ms removes the icon and shows the window.
void restoreFromTray();
// The icon's call-back message; lParam is the mouse message.
void onTrayCallback(LPARAM mouseMessage);
void removeTrayIcon();
