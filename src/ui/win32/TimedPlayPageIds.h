// The timed-play page: its template, controls and context menus. Plain macros, because the
// resource compiler reads this file too.
#pragma once

#define IDD_TIMED_PLAY_PAGE 131

#define IDC_PROGRAM_LIST 1001
#define IDC_NOW_PLAYING_LIST 1002
#define IDC_LOG_LIST 1004
#define IDC_EDIT_PROGRAMS_LINK 1479
#define IDC_STOP_PLAY_LINK 1480
#define IDC_MORE_LOG_LINK 1546
#define IDC_TROUBLE_LINK 1746
#define IDC_PLAN_LINK 1960
#define IDC_PROGRAMS_LABEL 1951
#define IDC_NOW_PLAYING_LABEL 1952
#define IDC_LOG_LABEL 1953
// Hidden button: the shell's start-up command that loads the programs
#define IDC_LOAD_PROGRAMS 1506

// Up and Down on the program list: 上移, 下移
#define IDR_PROGRAM_LIST_KEYS 189

// Three popups: "定时播", "正在播放", "日志"
#define IDR_PAGE_MENUS 144
#define IDM_ADD_PROGRAM 32778
#define IDM_MODIFY_PROGRAM 32790
#define IDM_DELETE_PROGRAMS 32792
#define IDM_DISABLE_PROGRAMS 32793
#define IDM_ENABLE_PROGRAMS 32794
#define IDM_STOP_PLAYS 32795
#define IDM_OPEN_LOG 32796
#define IDM_PLAY_NOW 32824
#define IDM_SORT_NAME_UP 32857
#define IDM_SORT_NAME_DOWN 32858
#define IDM_SORT_TIME_UP 32859
#define IDM_SORT_TIME_DOWN 32860
#define IDM_SHOW_PLAN 32870
// Also the program's accelerators for Up and Down while the program list has the focus
#define IDM_MOVE_UP 32865
#define IDM_MOVE_DOWN 32866
