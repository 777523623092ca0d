// "批量生成 开始时间": every step from one time to another.
#include <windows.h>

#include <variant>

#include "data/win32/LocalNow.h"
#include "ui/StartTimeList.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/StartTimeDialogIds.h"
#include "ui/win32/WhenDialogs.h"

namespace {

constexpr wchar_t timeFormat[] = L"HH:mm:ss";

void confirm(HWND dialog, std::vector<TimeOfDay>& generated) {
    const DateTime from = pickerValue(dialog, IDC_BATCH_FROM);
    DateTime to = pickerValue(dialog, IDC_BATCH_TO);
    // Both carry the date they were opened with; the walk stays within that day.
    to.year = from.year;
    to.month = from.month;
    to.day = from.day;
    to.dayOfWeek = from.dayOfWeek;
    auto times = generateStartTimes(from, to, controlText(dialog, IDC_BATCH_INTERVAL));
    if (const auto* failure = std::get_if<BatchFailure>(&times)) {
        showInputFailure(dialog, *failure, [](BatchField) { return IDC_BATCH_INTERVAL; });
        return;
    }
    const auto& list = std::get<std::vector<TimeOfDay>>(times);
    generated.insert(generated.end(), list.begin(), list.end());
    EndDialog(dialog, IDOK);
}

void initialise(HWND dialog, const std::vector<TimeOfDay>&) {
    const DateTime now = localNow();
    for (const int id : {IDC_BATCH_FROM, IDC_BATCH_TO}) {
        setPickerFormat(dialog, id, timeFormat);
        setPickerValue(dialog, id, now);
    }
}

}  // namespace

int generateStartTimes(HWND owner, std::vector<TimeOfDay>& generated) {
    const DLGPROC procedure = confirmingDialogProc<std::vector<TimeOfDay>, initialise, confirm>;
    return runDialog(owner, IDD_BATCH_START_TIMES, procedure, &generated) == IDOK ? IDOK : IDCANCEL;
}
