// The settings page, its rule, duck and web-password dialogs and the shutdown countdown: templates, controls
// and the title picture. Plain macros, because the resource compiler reads this file too.
#pragma once

#define IDD_SETTINGS_PAGE 135
#define IDD_DAILY_SHUTDOWN 144
#define IDD_WEEKLY_SHUTDOWN 145
#define IDD_RESTART 146
#define IDD_DUCK 147
#define IDD_COUNTDOWN 148
#define IDD_WEB_PASSWORD 149
#define IDB_SETTINGS_TITLE 3135

// The page's hidden frame that the title picture fills
#define IDC_SETTINGS_TITLE 1140
// Logon start and its two sub-options
#define IDC_AUTOSTART 1229
#define IDC_AUTOSTART_HIDDEN 1230
#define IDC_AUTOSTART_LOCK 1545
// Advice links
#define IDC_AUTO_LOGON_LINK 1143
#define IDC_ALWAYS_ON_LINK 1144
#define IDC_BIOS_POWER_ON_LINK 1700
#define IDC_AMPLIFIER_TIMER_LINK 1701
// The power rules: check box, read-only text, "设置…"
#define IDC_DAILY_ON 1410
#define IDC_DAILY_TEXT 1232
#define IDC_DAILY_SET 1412
#define IDC_WEEKLY_ON 1413
#define IDC_WEEKLY_TEXT 1420
#define IDC_WEEKLY_SET 1421
#define IDC_RESTART_ON 1233
#define IDC_RESTART_TEXT 1234
#define IDC_RESTART_SET 1418
#define IDC_OUTPUT_DEVICE 1422
// "另选…"; the status bar's link "另选/多路" sends it too
#define IDC_CHOOSE_DEVICE 1423
#define IDC_DUCKING_TEXT 1734
#define IDC_DUCKING_SET 1733
// "备份…" and "还原…" of the schedule data, and "作息表切换…" that points to them
#define IDC_BACKUP 1236
#define IDC_RESTORE 1796
#define IDC_TIMETABLE_SWITCH 1797
// "最小化到托盘"; the close dialog and the start-up send it too
#define IDC_HIDE_TO_TRAY 1237
// Hidden button: the shell's start-up command that loads the settings
#define IDC_LOAD_SETTINGS 1426
// The web console: on/off, the port and "应用", "设置密码…" and whether one is set, the
// addresses to type into a browser, whether it listens
#define IDC_WEB_ON 1810
#define IDC_WEB_PORT 1811
#define IDC_WEB_PORT_APPLY 1812
#define IDC_WEB_SET_PASSWORD 1813
#define IDC_WEB_PASSWORD_STATE 1814
#define IDC_WEB_ADDRESSES 1815
#define IDC_WEB_STATUS 1816

// The rule dialogs: time pickers, and the day boxes Monday to Sunday
#define IDC_DAILY_TIME 1428
#define IDC_WEEKLY_FIRST_DAY 1430
#define IDC_WEEKLY_TIME 1437
#define IDC_RESTART_FIRST_DAY 1438
#define IDC_RESTART_TIME 1445

// The duck dialog
#define IDC_DUCK_PERCENT 1576
#define IDC_DUCK_FADE_IN 1577
#define IDC_DUCK_FADE_OUT 1578
#define IDC_DUCK_DEFAULTS 1579

// The web console's password dialog
#define IDC_WEB_NEW_PASSWORD 1817
#define IDC_WEB_REPEAT_PASSWORD 1818

// The countdown: its text line, and the band whose text is the count that it shows in large digits
#define IDC_COUNTDOWN_TEXT 1446
#define IDC_COUNTDOWN_DIGITS 1447
