#pragma once
// The main window: its class, its children in creation order, their layout and page switching.
#include <windows.h>

// Registers the class and creates the window with the navigation bar, the paste filter, the
// status bar and the six pages, and sets uiScale. Null when any of them cannot be created
// (whatever was created is destroyed again).
HWND createMainFrame();
// Places the children after a size or display change.
void layoutMainWindow();
// Makes page `index` the only visible page and the navigation bar's selected button.
void showPage(int index);
// True between the main window's enter-menu-loop and exit-menu-loop notifications.
bool inMenuLoop();
