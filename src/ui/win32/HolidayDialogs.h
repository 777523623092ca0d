#pragma once
// "节假日不播放" and "调休, a日期按b日期来播": the dialogs that add one record to AppState's
// holidays or shift days, or modify one.
#include <windows.h>

// Index -1 adds a record, another index modifies that record. IDOK when the vector changed,
// IDCANCEL otherwise; the caller writes the list row and saves the holiday file.
int editHoliday(HWND owner, int index);
int editShiftDay(HWND owner, int index);
