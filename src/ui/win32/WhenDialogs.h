#pragma once
// The dialogs of a program's "when", opened from the program editor. Each works on a copy and
// writes back only on OK; each returns IDOK (1) or IDCANCEL (2).
#include <windows.h>

#include <vector>

#include "data/DateTime.h"
#include "ui/ProgramEditorCheck.h"

// "开始时间"
int editStartTimes(HWND owner, std::vector<TimeOfDay>& times);
// "批量生成 开始时间": on OK appends the generated times, in generation order.
int generateStartTimes(HWND owner, std::vector<TimeOfDay>& generated);
// "周几或几号"
int editDaySelection(HWND owner, DaySelection& days);
// "日期范围"
int editDateRange(HWND owner, DateHourRange& range);
