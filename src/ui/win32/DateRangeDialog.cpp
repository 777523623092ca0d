// "日期范围": the first and last date and hour a program may play.
#include <windows.h>

#include <variant>

#include "data/Text.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/DateRangeDialogIds.h"
#include "ui/win32/WhenDialogs.h"

namespace {

constexpr wchar_t dateFormat[] = L"yyyy-MM-dd";

void initialise(HWND dialog, const DateHourRange& range) {
    for (const int picker : {IDC_RANGE_FROM, IDC_RANGE_TO}) {
        setPickerFormat(dialog, picker, dateFormat);
        limitPickerToValidDates(dialog, picker);
    }
    setPickerDate(dialog, IDC_RANGE_FROM, range.startYear, range.startMonth, range.startDay);
    setPickerDate(dialog, IDC_RANGE_TO, range.endYear, range.endMonth, range.endDay);
    setControlText(dialog, IDC_RANGE_FROM_HOUR, formatNumber(range.startHour));
    setControlText(dialog, IDC_RANGE_TO_HOUR, formatNumber(range.endHour));
}

void confirm(HWND dialog, DateHourRange& range) {
    const DateTime from = pickerValue(dialog, IDC_RANGE_FROM);
    const DateTime to = pickerValue(dialog, IDC_RANGE_TO);
    const auto checked = checkDateRangeInput(from.year, from.month, from.day, controlText(dialog, IDC_RANGE_FROM_HOUR),
                                             to.year, to.month, to.day, controlText(dialog, IDC_RANGE_TO_HOUR));
    if (const auto* failure = std::get_if<DateRangeFailure>(&checked)) {
        showInputFailure(dialog, *failure, [](DateRangeField field) {
            return field == DateRangeField::startHour ? IDC_RANGE_FROM_HOUR : IDC_RANGE_TO_HOUR;
        });
        return;
    }
    range = std::get<DateHourRange>(checked);
    EndDialog(dialog, IDOK);
}

}  // namespace

int editDateRange(HWND owner, DateHourRange& range) {
    return editInDialog(owner, IDD_DATE_RANGE, confirmingDialogProc<DateHourRange, initialise, confirm>, range);
}
