// The immediate-play page, its run dialog "立即播" and its import dialog "正在导入...": their
// templates and controls. Plain macros, because the resource compiler reads this file too.
#pragma once

#define IDD_INSTANT_PAGE 187
#define IDD_INSTANT_RUN 230
#define IDD_INSTANT_IMPORT 231
#define IDR_INSTANT_MENU 232

// Hidden button: the shell's start-up command that loads the page's data
#define IDC_LOAD_INSTANT 1401

// The page
#define IDC_INSTANT_LIST 1402
#define IDC_INSTANT_ADD 1403
#define IDC_INSTANT_DELETE 1404
#define IDC_INSTANT_UP 1405
#define IDC_INSTANT_DOWN 1406
#define IDC_INSTANT_START 1407
#define IDC_INSTANT_STOP 1408
#define IDC_INSTANT_STATUS 1409
#define IDC_INSTANT_POSITION 1410
#define IDC_INSTANT_SEEK 1411
#define IDC_INSTANT_VOLUME 1412
#define IDC_INSTANT_VOLUME_TEXT 1413
#define IDC_INSTANT_MODE 1414

// The list's context menu "立即播"
#define IDM_INSTANT_ADD_FOLDER 1430
#define IDM_INSTANT_CLEAR 1431
#define IDM_INSTANT_SORT_NAME 1432
#define IDM_INSTANT_SORT_NAME_DESC 1433
#define IDM_INSTANT_SORT_TYPE 1434
#define IDM_INSTANT_SORT_TYPE_DESC 1435
#define IDM_INSTANT_SHUFFLE 1436
#define IDM_INSTANT_OPEN_FOLDER 1437

// The run dialog; "开始播" is IDOK and "取 消" IDCANCEL
#define IDC_RUN_SONGS_RADIO 1440
#define IDC_RUN_SECONDS_RADIO 1441
#define IDC_RUN_SONGS_EDIT 1442
#define IDC_RUN_SECONDS_EDIT 1443
#define IDC_RUN_FADE_LINK 1444
#define IDC_RUN_DEVICE_LINK 1445

// The import dialog; "取消" is IDCANCEL
#define IDC_IMPORT_TEXT 1450
#define IDC_IMPORT_PROGRESS 1451
