#pragma once
// The settings page's "备份…" and "还原…": the dialogs "备份" and "还原", the backup file chosen
// in the system's file dialog. A restore replaces AppState's lists and has the main window
// tell the timed-play page and the holiday page, which show them anew.
#include <windows.h>

void backupFromPage(HWND page);
void restoreFromPage(HWND page);
