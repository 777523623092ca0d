#pragma once
// The plan view "播放计划": a window of its own over the main window that shows a chosen day's
// plan and follows the program list and the calendar as their owners change them.
#include <windows.h>

#include "ui/win32/Pages.h"

// Opens the view on today, or brings the open one forward. `openView` holds the view's window
// while it is open and is cleared when it closes; its holder destroys the view before it goes.
void showPlanView(HWND owner, const PageContext& context, ProgramStore& programs, CalendarStore& calendar,
                  HWND& openView);
