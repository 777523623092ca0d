// Dialog templates and control ids of the pages, shared by their resource scripts and code:
// plain macros, because the resource compiler reads this file too.
#pragma once

#define IDD_TIMED_PLAY_PAGE 131
#define IDD_HOLIDAY_PAGE 134
#define IDD_SETTINGS_PAGE 135
#define IDD_INSTANT_PAGE 187
#define IDD_STATUS_BAR 195

// Timed-play page
#define IDC_PROGRAM_LIST 1001
#define IDC_NOW_PLAYING_LIST 1002
#define IDC_LOG_LIST 1004
#define IDC_EDIT_PROGRAMS_LINK 1479
#define IDC_STOP_PLAY_LINK 1480
#define IDC_MORE_LOG_LINK 1546
#define IDC_TROUBLE_LINK 1746
#define IDC_LOAD_PROGRAMS 1506
#define IDC_PROGRAMS_LABEL 1951
#define IDC_NOW_PLAYING_LABEL 1952
#define IDC_LOG_LABEL 1953

// Immediate-play page
#define IDC_LOAD_INSTANT 1401

// Holiday page
#define IDC_LOAD_HOLIDAYS 1464
#define IDC_HOLIDAY_COUNTS 1950

// Settings page
#define IDC_HIDE_TO_TRAY 1237
#define IDC_OUTPUT_DEVICE 1422
#define IDC_LOAD_SETTINGS 1426
#define IDC_DUCKING_TEXT 1734

// Status bar
#define IDC_DEVICE_TEXT 1758
#define IDC_REFRESH_BAR 1762
