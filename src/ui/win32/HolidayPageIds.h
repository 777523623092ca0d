// The holiday and shift-day page: its template and controls. Plain macros, because the
// resource compiler reads this file too.
#pragma once

#define IDD_HOLIDAY_PAGE 134

#define IDC_HOLIDAY_COUNTS 1950
// Hidden button: the shell's start-up command that loads the holidays
#define IDC_LOAD_HOLIDAYS 1464
