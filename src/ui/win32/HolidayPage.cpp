#include <windows.h>

#include "data/HolidaysFile.h"
#include "data/win32/WideText.h"
#include "shell/AppState.h"
#include "ui/PageTexts.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/HolidayPageIds.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"

namespace {

void loadHolidayData(HWND page, Prompt& prompt) {
    AppState& app = appState();
    loadHolidays({appDataFolder(), app.paths.holidaysFile, &prompt, &app.readFailed.holidays}, app.holidays,
                 app.shiftDays);
    SetDlgItemTextW(page, IDC_HOLIDAY_COUNTS,
                    toWide(holidayCountsText(app.holidays.size(), app.shiftDays.size())).c_str());
}

INT_PTR CALLBACK holidayPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            keepDialogState(window, lParam);
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return whitePageBackground(wParam);
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_LOAD_HOLIDAYS) loadHolidayData(window, dialogState<Prompt>(window));
            return TRUE;
    }
    return FALSE;
}

}  // namespace

HWND createHolidayPage(HWND mainWindow, Prompt& loadPrompt) {
    return createPageDialog(IDD_HOLIDAY_PAGE, mainWindow, holidayPageProc, reinterpret_cast<LPARAM>(&loadPrompt));
}
