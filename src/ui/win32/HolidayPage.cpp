#include <windows.h>

#include "data/HolidaysFile.h"
#include "data/win32/Win32Prompt.h"
#include "data/win32/WideText.h"
#include "shell/AppState.h"
#include "ui/PageTexts.h"
#include "ui/win32/HolidayPageIds.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"

namespace {

void loadHolidayData(HWND page) {
    AppState& app = appState();
    Win32Prompt prompt(page);
    loadHolidays(appDataFolder(), app.paths.holidaysFile, &prompt, app.readFailed.holidays, app.holidays,
                 app.shiftDays);
    SetDlgItemTextW(page, IDC_HOLIDAY_COUNTS,
                    toWide(holidayCountsText(app.holidays.size(), app.shiftDays.size())).c_str());
}

INT_PTR CALLBACK holidayPageProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return whitePageBackground(wParam);
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_LOAD_HOLIDAYS) loadHolidayData(window);
            return TRUE;
    }
    return FALSE;
}

}  // namespace

HWND createHolidayPage(HWND mainWindow) {
    return createPageDialog(IDD_HOLIDAY_PAGE, mainWindow, holidayPageProc);
}
