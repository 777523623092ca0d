#pragma once
// The program's own resources: icons, title texts, embedded font, the accelerators and the
// tray menu. Plain macros, because the resource compiler reads this file too.
#define IDI_MAIN_LARGE 107
#define IDI_MAIN_SMALL 108
#define IDS_MAIN_TITLE 103
#define IDS_UPDATE_TITLE 111
#define IDS_UPDATE_TEXT 112
#define IDR_EMBEDDED_FONT 173
// Up and Down for the timed-play page's program list (its move commands)
#define IDR_TRAY_MENU 192
// Tray menu "显示主界面", handled by the main window: show again, remove the tray icon
#define IDM_SHOW_MAIN_WINDOW 32880
