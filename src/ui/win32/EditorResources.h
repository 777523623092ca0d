// Dialog templates, menus and control ids of the program editor, its sub-dialogs, the
// play-now dialogs and the timed-play page's context menus: plain macros, because the
// resource compiler reads this file too.
#pragma once

#define IDD_PLAY_NOW_SECONDS 175
#define IDD_PLAY_NOW_SONGS 176
#define IDD_PROGRAM_EDITOR 138
#define IDD_START_TIMES 139
#define IDD_BATCH_START_TIMES 140
#define IDD_DAY_SELECTION 141
#define IDD_DATE_RANGE 142
#define IDD_AMPLIFIER_POWER 143
// Three popups: "定时播", "正在播放", "日志"
#define IDR_PAGE_MENUS 144

// Editor "定时播"
#define IDC_NAME 1009
#define IDC_FILE_MODE 1012
#define IDC_FOLDER_MODE 1013
#define IDC_FILE_PATH 1014
#define IDC_FOLDER_PATH 1015
#define IDC_SECONDS_MODE 1016
#define IDC_SONGS_MODE 1017
#define IDC_SECONDS 1018
#define IDC_SONGS 1019
#define IDC_SEQUENTIAL 1020
#define IDC_RANDOM 1021
#define IDC_CHOOSE_FILE 1023
#define IDC_CHOOSE_FOLDER 1024
#define IDC_SAMPLE_AUDIO_LINK 1026
#define IDC_LOUDNESS_LINK 1028
#define IDC_RECORDING_LINK 1029
#define IDC_SEQUENTIAL_INFO 1030
#define IDC_RANDOM_INFO 1031
#define IDC_VOLUME_GUIDE_LINK 1032
#define IDC_LATE_START_LINK 1033
#define IDC_FADE_LINK 1034
#define IDC_DEVICE_LINK 1036
#define IDC_AMPLIFIER_LINK 1037
#define IDC_EXPERT_LINK 1038
#define IDC_VOLUME 1070
#define IDC_START_SUMMARY 1107
#define IDC_RANGE_TEXT 1112
#define IDC_SET_RANGE 1113
#define IDC_DAY_SUMMARY 1339
#define IDC_CHOOSE_DAYS 1340
#define IDC_SET_START_TIMES 1485
#define IDC_DISABLED 1486
#define IDC_ON_TIME 1543
#define IDC_DELAYABLE 1544
#define IDC_DURATION 1581

// "开始时间"
#define IDC_SINGLE_MODE 1494
#define IDC_SINGLE_TIME 1495
#define IDC_MULTIPLE_MODE 1496
#define IDC_TIME_LIST 1497
#define IDC_NEW_TIME 1498
#define IDC_ADD_TIME 1499
#define IDC_DELETE_TIMES 1500
#define IDC_CLEAR_TIMES 1501
#define IDC_BATCH 1502

// "批量生成 开始时间"
#define IDC_BATCH_FROM 1053
#define IDC_BATCH_TO 1055
#define IDC_BATCH_INTERVAL 1121

// "周几或几号": the weekday boxes run 1346 (周一) to 1352 (周日); the month-day boxes'
// ids are listed in DaySelectionDialog.cpp.
#define IDC_BY_WEEKDAY 1344
#define IDC_BY_MONTH_DAY 1345
#define IDC_MONDAY 1346

// "日期范围"
#define IDC_RANGE_FROM 1224
#define IDC_RANGE_TO 1225
#define IDC_RANGE_FROM_HOUR 1342
#define IDC_RANGE_TO_HOUR 1343

// "立即播此节目": 175 (seconds) and 176 (songs)
#define IDC_PLAY_NOW_SECONDS_NAME 1585
#define IDC_PLAY_NOW_SECONDS 1376
#define IDC_PLAY_NOW_SONGS_NAME 1584
#define IDC_PLAY_NOW_SONGS 1377

// "功放开/关"
#define IDC_AMPLIFIER_TEXT 1103

// Commands of the context menus
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
#define IDM_MOVE_UP 32865
#define IDM_MOVE_DOWN 32866
