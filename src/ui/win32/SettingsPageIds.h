// The settings page: its template and controls. Plain macros, because the resource compiler
// reads this file too.
#pragma once

#define IDD_SETTINGS_PAGE 135

#define IDC_OUTPUT_DEVICE 1422
// "另选…"; the status bar's link "另选/多路" sends it too
#define IDC_CHOOSE_DEVICE 1423
#define IDC_DUCKING_TEXT 1734
// "最小化到托盘"; the close dialog and the start-up send it too
#define IDC_HIDE_TO_TRAY 1237
// "备份…" and "还原…" of the schedule data
#define IDC_BACKUP 1236
#define IDC_RESTORE 1796
// Hidden button: the shell's start-up command that loads the settings
#define IDC_LOAD_SETTINGS 1426
