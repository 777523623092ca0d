// The day-selection dialog "周几或几号": template and controls. Plain macros, because the
// resource compiler reads this file too.
#pragma once

#define IDD_DAY_SELECTION 141

#define IDC_BY_WEEKDAY 1344
#define IDC_BY_MONTH_DAY 1345

// "周一" to "周日": consecutive ids
#define IDC_MONDAY 1346
#define IDC_TUESDAY 1347
#define IDC_WEDNESDAY 1348
#define IDC_THURSDAY 1349
#define IDC_FRIDAY 1350
#define IDC_SATURDAY 1351
#define IDC_SUNDAY 1352

// "01" to "31": the ids skip the numbers of other controls
#define IDC_MONTH_DAY_1 1040
#define IDC_MONTH_DAY_2 1041
#define IDC_MONTH_DAY_3 1042
#define IDC_MONTH_DAY_4 1043
#define IDC_MONTH_DAY_5 1044
#define IDC_MONTH_DAY_6 1045
#define IDC_MONTH_DAY_7 1047
#define IDC_MONTH_DAY_8 1048
#define IDC_MONTH_DAY_9 1049
#define IDC_MONTH_DAY_10 1050
#define IDC_MONTH_DAY_11 1051
#define IDC_MONTH_DAY_12 1052
#define IDC_MONTH_DAY_13 1054
#define IDC_MONTH_DAY_14 1056
#define IDC_MONTH_DAY_15 1057
#define IDC_MONTH_DAY_16 1059
#define IDC_MONTH_DAY_17 1061
#define IDC_MONTH_DAY_18 1062
#define IDC_MONTH_DAY_19 1063
#define IDC_MONTH_DAY_20 1064
#define IDC_MONTH_DAY_21 1065
#define IDC_MONTH_DAY_22 1066
#define IDC_MONTH_DAY_23 1067
#define IDC_MONTH_DAY_24 1068
#define IDC_MONTH_DAY_25 1069
#define IDC_MONTH_DAY_26 1071
#define IDC_MONTH_DAY_27 1072
#define IDC_MONTH_DAY_28 1073
#define IDC_MONTH_DAY_29 1075
#define IDC_MONTH_DAY_30 1077
#define IDC_MONTH_DAY_31 1079
