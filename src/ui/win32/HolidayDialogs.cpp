#include "ui/win32/HolidayDialogs.h"

#include <commctrl.h>

#include <variant>

#include "data/HolidayValidation.h"
#include "data/Text.h"
#include "shell/AppState.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/HolidayPageIds.h"

namespace {

// The name and the remark are read to this length, then trimmed.
constexpr int textLimit = holidayNameCapacity - 1;
static_assert(remarkCapacity == holidayNameCapacity);

std::u16string limitedText(HWND dialog, int id) {
    return controlText(dialog, id).substr(0, textLimit);
}

int holidayControlOf(HolidayField field) {
    switch (field) {
        case holidayStartDateField:
            return IDC_HOLIDAY_FROM;
        case holidayStartHourField:
            return IDC_HOLIDAY_FROM_HOUR;
        case holidayEndDateField:
            return IDC_HOLIDAY_TO;
        case holidayEndHourField:
            return IDC_HOLIDAY_TO_HOUR;
        case holidayNameField:
            break;
    }
    return IDC_HOLIDAY_NAME;
}

int shiftDayControlOf(ShiftDayField field) {
    switch (field) {
        case shiftDayBDateField:
            return IDC_SHIFT_B_DATE;
        case shiftDayRemarkField:
            return IDC_SHIFT_REMARK;
        case shiftDayADateField:
            break;
    }
    return IDC_SHIFT_A_DATE;
}

// Add mode keeps the template's state: the pickers on today, the edits empty, "禁用" unticked.
void initialiseHoliday(HWND dialog, int index) {
    SendDlgItemMessageW(dialog, IDC_HOLIDAY_NAME, EM_LIMITTEXT, textLimit, 0);
    limitPickerToValidDates(dialog, IDC_HOLIDAY_FROM);
    limitPickerToValidDates(dialog, IDC_HOLIDAY_TO);
    if (index < 0) {
        setControlText(dialog, IDC_HOLIDAY_FROM_HOUR, u"0");
        setControlText(dialog, IDC_HOLIDAY_TO_HOUR, u"24");
        return;
    }
    const HolidayRecord& holiday = appState().holidays.at(static_cast<std::size_t>(index));
    const DateHourRange& range = holiday.range;
    SetDlgItemTextW(dialog, IDOK, L"修改");
    setControlText(dialog, IDC_HOLIDAY_NAME, fixedView(holiday.name));
    setPickerDate(dialog, IDC_HOLIDAY_FROM, range.startYear, range.startMonth, range.startDay);
    setPickerDate(dialog, IDC_HOLIDAY_TO, range.endYear, range.endMonth, range.endDay);
    setControlText(dialog, IDC_HOLIDAY_FROM_HOUR, formatNumber(range.startHour));
    setControlText(dialog, IDC_HOLIDAY_TO_HOUR, formatNumber(range.endHour));
    setChecked(dialog, IDC_HOLIDAY_DISABLED, holiday.disabled != 0);
}

void confirmHoliday(HWND dialog, int index) {
    std::vector<HolidayRecord>& holidays = appState().holidays;
    const DateTime from = pickerValue(dialog, IDC_HOLIDAY_FROM);
    const DateTime to = pickerValue(dialog, IDC_HOLIDAY_TO);
    const HolidayInput input{limitedText(dialog, IDC_HOLIDAY_NAME),
                             from.year,
                             from.month,
                             from.day,
                             controlText(dialog, IDC_HOLIDAY_FROM_HOUR),
                             to.year,
                             to.month,
                             to.day,
                             controlText(dialog, IDC_HOLIDAY_TO_HOUR),
                             isChecked(dialog, IDC_HOLIDAY_DISABLED)};
    const auto checked = checkHoliday(holidays, index, input);
    if (const auto* failure = std::get_if<HolidayFailure>(&checked)) {
        showInputFailure(dialog, *failure, holidayControlOf);
        return;
    }
    if (index < 0) holidays.push_back(std::get<HolidayRecord>(checked));
    else holidays.at(static_cast<std::size_t>(index)) = std::get<HolidayRecord>(checked);
    EndDialog(dialog, IDOK);
}

void initialiseShiftDay(HWND dialog, int index) {
    SendDlgItemMessageW(dialog, IDC_SHIFT_REMARK, EM_LIMITTEXT, textLimit, 0);
    limitPickerToValidDates(dialog, IDC_SHIFT_A_DATE);
    limitPickerToValidDates(dialog, IDC_SHIFT_B_DATE);
    if (index < 0) return;
    const ShiftDayRecord& shiftDay = appState().shiftDays.at(static_cast<std::size_t>(index));
    SetDlgItemTextW(dialog, IDOK, L"修改");
    setPickerDate(dialog, IDC_SHIFT_A_DATE, shiftDay.aYear, shiftDay.aMonth, shiftDay.aDay);
    setPickerDate(dialog, IDC_SHIFT_B_DATE, shiftDay.bYear, shiftDay.bMonth, shiftDay.bDay);
    setControlText(dialog, IDC_SHIFT_REMARK, fixedView(shiftDay.remark));
    setChecked(dialog, IDC_SHIFT_DISABLED, shiftDay.disabled != 0);
}

void confirmShiftDay(HWND dialog, int index) {
    std::vector<ShiftDayRecord>& shiftDays = appState().shiftDays;
    const DateTime a = pickerValue(dialog, IDC_SHIFT_A_DATE);
    const DateTime b = pickerValue(dialog, IDC_SHIFT_B_DATE);
    const ShiftDayInput input{a.year, a.month, a.day, b.year, b.month, b.day, limitedText(dialog, IDC_SHIFT_REMARK),
                              isChecked(dialog, IDC_SHIFT_DISABLED)};
    const auto checked = checkShiftDay(shiftDays, index, input);
    if (const auto* failure = std::get_if<ShiftDayFailure>(&checked)) {
        showInputFailure(dialog, *failure, shiftDayControlOf);
        return;
    }
    if (index < 0) shiftDays.push_back(std::get<ShiftDayRecord>(checked));
    else shiftDays.at(static_cast<std::size_t>(index)) = std::get<ShiftDayRecord>(checked);
    EndDialog(dialog, IDOK);
}

// Both dialogs remember only the index they edit (-1 for adding) while they are open.
int runRecordDialog(HWND owner, int templateId, DLGPROC procedure, int index) {
    return runDialog(owner, templateId, procedure, &index) == IDOK ? IDOK : IDCANCEL;
}

}  // namespace

int editHoliday(HWND owner, int index) {
    return runRecordDialog(owner, IDD_HOLIDAY_DIALOG, confirmingDialogProc<int, initialiseHoliday, confirmHoliday>, index);
}

int editShiftDay(HWND owner, int index) {
    return runRecordDialog(owner, IDD_SHIFT_DAY_DIALOG, confirmingDialogProc<int, initialiseShiftDay, confirmShiftDay>, index);
}
