// The date-range dialog "日期范围": template and controls. Plain macros, because the resource
// compiler reads this file too.
#pragma once

#define IDD_DATE_RANGE 142

#define IDC_RANGE_FROM 1224
#define IDC_RANGE_TO 1225
#define IDC_RANGE_FROM_HOUR 1342
#define IDC_RANGE_TO_HOUR 1343
