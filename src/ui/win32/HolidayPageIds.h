// The holiday and shift-day page, its two dialogs and its context menus: templates and
// controls. Plain macros, because the resource compiler reads this file too.
#pragma once

#define IDD_HOLIDAY_PAGE 134
#define IDD_HOLIDAY_DIALOG 136
#define IDD_SHIFT_DAY_DIALOG 137

// The page
#define IDC_HOLIDAY_LIST 1000
#define IDC_SHIFT_DAY_LIST 1003
#define IDC_ADD_HOLIDAY 1460
#define IDC_DELETE_HOLIDAYS 1461
#define IDC_MODIFY_HOLIDAY 1462
#define IDC_ADD_SHIFT_DAY 1465
#define IDC_MODIFY_SHIFT_DAY 1466
#define IDC_DELETE_SHIFT_DAYS 1467
#define IDC_HOLIDAY_MORE_LINK 1262
#define IDC_SHIFT_DAY_MORE_LINK 1263
#define IDC_HOLIDAY_HEADING 1954
#define IDC_SHIFT_DAY_HEADING 1955
#define IDC_CALENDAR_EXAMPLE 1956
// Hidden button: the shell's start-up command that loads the holidays
#define IDC_LOAD_HOLIDAYS 1464

// The holiday dialog "节假日不播放"
#define IDC_HOLIDAY_NAME 1151
#define IDC_HOLIDAY_FROM 1354
#define IDC_HOLIDAY_TO 1355
#define IDC_HOLIDAY_FROM_HOUR 1356
#define IDC_HOLIDAY_TO_HOUR 1357
#define IDC_HOLIDAY_DISABLED 1583

// The shift-day dialog "调休, a日期按b日期来播"
#define IDC_SHIFT_A_DATE 1675
#define IDC_SHIFT_B_DATE 1676
#define IDC_SHIFT_REMARK 1677
#define IDC_SHIFT_DISABLED 1683

// Two popups: the holiday list's, the shift-day list's
#define IDR_HOLIDAY_MENUS 133
#define IDM_ENABLE_HOLIDAYS 32900
#define IDM_DISABLE_HOLIDAYS 32901
#define IDM_SORT_HOLIDAYS_BY_NAME 32902
#define IDM_SORT_HOLIDAYS_BY_DATE 32903
#define IDM_ENABLE_SHIFT_DAYS 32904
#define IDM_DISABLE_SHIFT_DAYS 32905
#define IDM_SORT_SHIFT_DAYS_BY_A_DATE 32906
// Both menus' "备份还原..."
#define IDM_CALENDAR_BACKUP 32907
