#pragma once
// The main window's notification-area icon: hiding the window into it and bringing it back.
#include <windows.h>

// The settings page's command 1237: adds the icon (tooltip = the window title) and, only when
// that succeeds, hides the main window.
void hideToTray();
// The main window's command 32880: after 200 ms removes the icon and shows the window.
void restoreFromTray();
// The icon's call-back message; lParam is the mouse message.
void onTrayCallback(LPARAM mouseMessage);
void removeTrayIcon();
