// "周几或几号": the weekdays or the days of the month a program plays on.
#include <windows.h>

#include <array>
#include <variant>

#include "ui/win32/DialogSupport.h"
#include "ui/win32/DaySelectionDialogIds.h"
#include "ui/win32/WhenDialogs.h"

namespace {

// The month-day boxes "01" to "31".
constexpr std::array<int, 31> monthDayBoxes{
    IDC_MONTH_DAY_1,  IDC_MONTH_DAY_2,  IDC_MONTH_DAY_3,  IDC_MONTH_DAY_4,  IDC_MONTH_DAY_5,  IDC_MONTH_DAY_6,
    IDC_MONTH_DAY_7,  IDC_MONTH_DAY_8,  IDC_MONTH_DAY_9,  IDC_MONTH_DAY_10, IDC_MONTH_DAY_11, IDC_MONTH_DAY_12,
    IDC_MONTH_DAY_13, IDC_MONTH_DAY_14, IDC_MONTH_DAY_15, IDC_MONTH_DAY_16, IDC_MONTH_DAY_17, IDC_MONTH_DAY_18,
    IDC_MONTH_DAY_19, IDC_MONTH_DAY_20, IDC_MONTH_DAY_21, IDC_MONTH_DAY_22, IDC_MONTH_DAY_23, IDC_MONTH_DAY_24,
    IDC_MONTH_DAY_25, IDC_MONTH_DAY_26, IDC_MONTH_DAY_27, IDC_MONTH_DAY_28, IDC_MONTH_DAY_29, IDC_MONTH_DAY_30,
    IDC_MONTH_DAY_31};
constexpr int weekdayCount = 7;

void setByWeekday(HWND dialog, bool byWeekday) {
    CheckRadioButton(dialog, IDC_BY_WEEKDAY, IDC_BY_MONTH_DAY, byWeekday ? IDC_BY_WEEKDAY : IDC_BY_MONTH_DAY);
    for (int day = 0; day < weekdayCount; ++day) EnableWindow(GetDlgItem(dialog, IDC_MONDAY + day), byWeekday);
    for (const int id : monthDayBoxes) EnableWindow(GetDlgItem(dialog, id), !byWeekday);
}

void initialise(HWND dialog, const DaySelection& days) {
    for (int day = 0; day < weekdayCount; ++day) {
        setChecked(dialog, IDC_MONDAY + day, !days.byWeekday || days.weekdays[day] != 0);
    }
    for (std::size_t day = 0; day < monthDayBoxes.size(); ++day) {
        setChecked(dialog, monthDayBoxes[day], days.monthDays[day] != 0);
    }
    setByWeekday(dialog, days.byWeekday);
}

void confirm(HWND dialog, DaySelection& days) {
    DaySelection boxes = days;
    boxes.byWeekday = isChecked(dialog, IDC_BY_WEEKDAY);
    if (boxes.byWeekday) {
        for (int day = 0; day < weekdayCount; ++day) boxes.weekdays[day] = isChecked(dialog, IDC_MONDAY + day) ? 1 : 0;
    } else {
        for (std::size_t day = 0; day < monthDayBoxes.size(); ++day) {
            boxes.monthDays[day] = isChecked(dialog, monthDayBoxes[day]) ? 1 : 0;
        }
    }
    const auto checked = checkDaySelection(boxes);
    if (const auto* message = std::get_if<std::u16string>(&checked)) {
        showAppMessage(dialog, *message, MessageIcon::warning);
        return;
    }
    days = std::get<DaySelection>(checked);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK daySelectionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            keepDialogState(dialog, lParam);
            initialise(dialog, *reinterpret_cast<const DaySelection*>(lParam));
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_BY_WEEKDAY:
                case IDC_BY_MONTH_DAY:
                    setByWeekday(dialog, LOWORD(wParam) == IDC_BY_WEEKDAY);
                    return TRUE;
                case IDOK:
                    confirm(dialog, dialogState<DaySelection>(dialog));
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

}  // namespace

int editDaySelection(HWND owner, DaySelection& days) {
    return editInDialog(owner, IDD_DAY_SELECTION, daySelectionProc, days);
}
