#include "ui/win32/HolidayDialogs.h"

#include <commctrl.h>

#include <optional>
#include <variant>
#include <vector>

#include "data/HolidayValidation.h"
#include "data/Text.h"
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

// What one dialog edits: the list it checks against, the index it edits (-1 for adding), and the
// checked record once confirmed.
template <typename Record>
struct RecordEdit {
    const std::vector<Record>& records;
    int index;
    std::optional<Record> confirmed;
};

// Add mode keeps the template's state: the pickers on today, the edits empty, "禁用" unticked.
void initialiseHoliday(HWND dialog, RecordEdit<HolidayRecord>& edit) {
    const int index = edit.index;
    SendDlgItemMessageW(dialog, IDC_HOLIDAY_NAME, EM_LIMITTEXT, textLimit, 0);
    limitPickerToValidDates(dialog, IDC_HOLIDAY_FROM);
    limitPickerToValidDates(dialog, IDC_HOLIDAY_TO);
    if (index < 0) {
        setControlText(dialog, IDC_HOLIDAY_FROM_HOUR, u"0");
        setControlText(dialog, IDC_HOLIDAY_TO_HOUR, u"24");
        return;
    }
    const HolidayRecord& holiday = edit.records.at(static_cast<std::size_t>(index));
    const DateHourRange& range = holiday.range;
    SetDlgItemTextW(dialog, IDOK, L"修改");
    setControlText(dialog, IDC_HOLIDAY_NAME, fixedView(holiday.name));
    setPickerDate(dialog, IDC_HOLIDAY_FROM, range.startYear, range.startMonth, range.startDay);
    setPickerDate(dialog, IDC_HOLIDAY_TO, range.endYear, range.endMonth, range.endDay);
    setControlText(dialog, IDC_HOLIDAY_FROM_HOUR, formatNumber(range.startHour));
    setControlText(dialog, IDC_HOLIDAY_TO_HOUR, formatNumber(range.endHour));
    setChecked(dialog, IDC_HOLIDAY_DISABLED, holiday.disabled != 0);
}

void confirmHoliday(HWND dialog, RecordEdit<HolidayRecord>& edit) {
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
    const auto checked = checkHoliday(edit.records, edit.index, input);
    if (const auto* failure = std::get_if<HolidayFailure>(&checked)) {
        showInputFailure(dialog, *failure, holidayControlOf);
        return;
    }
    edit.confirmed = std::get<HolidayRecord>(checked);
    EndDialog(dialog, IDOK);
}

void initialiseShiftDay(HWND dialog, RecordEdit<ShiftDayRecord>& edit) {
    const int index = edit.index;
    SendDlgItemMessageW(dialog, IDC_SHIFT_REMARK, EM_LIMITTEXT, textLimit, 0);
    limitPickerToValidDates(dialog, IDC_SHIFT_A_DATE);
    limitPickerToValidDates(dialog, IDC_SHIFT_B_DATE);
    if (index < 0) return;
    const ShiftDayRecord& shiftDay = edit.records.at(static_cast<std::size_t>(index));
    SetDlgItemTextW(dialog, IDOK, L"修改");
    setPickerDate(dialog, IDC_SHIFT_A_DATE, shiftDay.aYear, shiftDay.aMonth, shiftDay.aDay);
    setPickerDate(dialog, IDC_SHIFT_B_DATE, shiftDay.bYear, shiftDay.bMonth, shiftDay.bDay);
    setControlText(dialog, IDC_SHIFT_REMARK, fixedView(shiftDay.remark));
    setChecked(dialog, IDC_SHIFT_DISABLED, shiftDay.disabled != 0);
}

void confirmShiftDay(HWND dialog, RecordEdit<ShiftDayRecord>& edit) {
    const DateTime a = pickerValue(dialog, IDC_SHIFT_A_DATE);
    const DateTime b = pickerValue(dialog, IDC_SHIFT_B_DATE);
    const ShiftDayInput input{a.year, a.month, a.day, b.year, b.month, b.day, limitedText(dialog, IDC_SHIFT_REMARK),
                              isChecked(dialog, IDC_SHIFT_DISABLED)};
    const auto checked = checkShiftDay(edit.records, edit.index, input);
    if (const auto* failure = std::get_if<ShiftDayFailure>(&checked)) {
        showInputFailure(dialog, *failure, shiftDayControlOf);
        return;
    }
    edit.confirmed = std::get<ShiftDayRecord>(checked);
    EndDialog(dialog, IDOK);
}

template <typename Record>
std::optional<Record> runRecordDialog(HWND owner, int templateId, DLGPROC procedure, const std::vector<Record>& records,
                                      int index) {
    RecordEdit<Record> edit{records, index, std::nullopt};
    if (runDialog(owner, templateId, procedure, &edit) != IDOK) return std::nullopt;
    return edit.confirmed;
}

}  // namespace

std::optional<HolidayRecord> editHoliday(HWND owner, const std::vector<HolidayRecord>& holidays, int index) {
    return runRecordDialog(owner, IDD_HOLIDAY_DIALOG,
                           confirmingDialogProc<RecordEdit<HolidayRecord>, initialiseHoliday, confirmHoliday>,
                           holidays, index);
}

std::optional<ShiftDayRecord> editShiftDay(HWND owner, const std::vector<ShiftDayRecord>& shiftDays, int index) {
    return runRecordDialog(owner, IDD_SHIFT_DAY_DIALOG,
                           confirmingDialogProc<RecordEdit<ShiftDayRecord>, initialiseShiftDay, confirmShiftDay>,
                           shiftDays, index);
}
