// The start-time dialog "开始时间" and its batch generator "批量生成 开始时间": templates and
// controls. Plain macros, because the resource compiler reads this file too.
#pragma once

#define IDD_START_TIMES 139
#define IDD_BATCH_START_TIMES 140

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
