// "开始时间": one time in a picker, or a list box of times kept in text order.
#include <windows.h>

#include <commctrl.h>

#include <variant>

#include "data/ProgramRecord.h"
#include "data/win32/LocalNow.h"
#include "winutil/WideText.h"
#include "ui/StartTimeList.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/StartTimeDialogIds.h"
#include "ui/win32/WhenDialogs.h"

namespace {

constexpr wchar_t timeFormat[] = L"HH:mm:ss";

struct StartTimesState {
    std::vector<TimeOfDay>& times;
    StartTimeList list;  // mirrors the list box, item for item
};

void setMultipleMode(HWND dialog, bool multiple) {
    CheckRadioButton(dialog, IDC_SINGLE_MODE, IDC_MULTIPLE_MODE, multiple ? IDC_MULTIPLE_MODE : IDC_SINGLE_MODE);
    EnableWindow(GetDlgItem(dialog, IDC_SINGLE_TIME), multiple ? FALSE : TRUE);
    enableControls(dialog, {IDC_TIME_LIST, IDC_NEW_TIME, IDC_ADD_TIME, IDC_DELETE_TIMES, IDC_CLEAR_TIMES, IDC_BATCH},
                   multiple);
}

HWND timeList(HWND dialog) {
    return GetDlgItem(dialog, IDC_TIME_LIST);
}

// Selecting an item always clears every other selection and scrolls to it.
void selectOnly(HWND dialog, int index) {
    const HWND list = timeList(dialog);
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    SendMessageW(list, LB_SETSEL, TRUE, index);
    SendMessageW(list, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

void refillList(HWND dialog, const StartTimeList& times) {
    const HWND list = timeList(dialog);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& text : times.texts()) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(text).c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Returns false when the text was already there (that item is then selected).
bool addTime(HWND dialog, StartTimesState& state, const TimeOfDay& time) {
    const StartTimeList::Added added = state.list.add(time);
    if (!added.existed) {
        SendMessageW(timeList(dialog), LB_INSERTSTRING, static_cast<WPARAM>(added.index),
                     reinterpret_cast<LPARAM>(toWide(timeOfDayText(time)).c_str()));
    }
    selectOnly(dialog, added.index);
    return !added.existed;
}

TimeOfDay pickerTimeOfDay(HWND dialog, int id) {
    const DateTime value = pickerValue(dialog, id);
    return TimeOfDay{value.hour, value.minute, value.second};
}

void initialise(HWND dialog, StartTimesState& state) {
    setPickerFormat(dialog, IDC_SINGLE_TIME, timeFormat);
    setPickerFormat(dialog, IDC_NEW_TIME, timeFormat);
    DateTime single = localNow();
    if (state.times.size() == 1) {
        single.hour = static_cast<std::uint16_t>(state.times[0].hour);
        single.minute = static_cast<std::uint16_t>(state.times[0].minute);
        single.second = static_cast<std::uint16_t>(state.times[0].second);
    }
    setPickerValue(dialog, IDC_SINGLE_TIME, single);
    setPickerValue(dialog, IDC_NEW_TIME, localNow());
    const bool multiple = state.times.size() > 1;
    if (multiple) {
        state.list = StartTimeList(state.times);
        refillList(dialog, state.list);
    }
    setMultipleMode(dialog, multiple);
}

void deleteSelected(HWND dialog, StartTimesState& state) {
    const HWND list = timeList(dialog);
    if (state.list.texts().empty()) return;
    const auto count = static_cast<int>(SendMessageW(list, LB_GETSELCOUNT, 0, 0));
    if (count <= 0) {
        showAppMessage(dialog, deleteNeedsSelectionMessage, MessageIcon::information);
        return;
    }
    std::vector<int> selected(static_cast<std::size_t>(count));
    SendMessageW(list, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(selected.data()));
    state.list.remove(selected);
    refillList(dialog, state.list);
}

void clearAll(HWND dialog, StartTimesState& state) {
    if (state.list.texts().empty() || !askAppQuestion(dialog, clearQuestion)) return;
    state.list.clear();
    refillList(dialog, state.list);
}

void addBatch(HWND dialog, StartTimesState& state) {
    std::vector<TimeOfDay> generated;
    if (generateStartTimes(dialog, generated) != IDOK) return;
    for (const TimeOfDay& time : generated) addTime(dialog, state, time);
}

void confirm(HWND dialog, StartTimesState& state) {
    if (isChecked(dialog, IDC_SINGLE_MODE)) {
        state.times = {pickerTimeOfDay(dialog, IDC_SINGLE_TIME)};
        EndDialog(dialog, IDOK);
        return;
    }
    auto finished = state.list.finish();
    if (const auto* message = std::get_if<std::u16string>(&finished)) {
        showAppMessage(dialog, *message, MessageIcon::warning);
        return;
    }
    state.times = std::get<std::vector<TimeOfDay>>(std::move(finished));
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK startTimesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        keepDialogState(dialog, lParam);
        initialise(dialog, *reinterpret_cast<StartTimesState*>(lParam));
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    auto& state = dialogState<StartTimesState>(dialog);
    switch (LOWORD(wParam)) {
        case IDC_SINGLE_MODE:
        case IDC_MULTIPLE_MODE:
            setMultipleMode(dialog, LOWORD(wParam) == IDC_MULTIPLE_MODE);
            return TRUE;
        case IDC_ADD_TIME:
            if (!addTime(dialog, state, pickerTimeOfDay(dialog, IDC_NEW_TIME))) {
                showAppMessage(dialog, timeExistsMessage, MessageIcon::warning);
            }
            return TRUE;
        case IDC_DELETE_TIMES:
            deleteSelected(dialog, state);
            return TRUE;
        case IDC_CLEAR_TIMES:
            clearAll(dialog, state);
            return TRUE;
        case IDC_BATCH:
            addBatch(dialog, state);
            return TRUE;
        case IDOK:
            confirm(dialog, state);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
    }
    return FALSE;
}

}  // namespace

int editStartTimes(HWND owner, std::vector<TimeOfDay>& times) {
    std::vector<TimeOfDay> working = times;
    StartTimesState state{working, StartTimeList()};
    if (runDialog(owner, IDD_START_TIMES, startTimesProc, &state) != IDOK) return IDCANCEL;
    times = std::move(working);
    return IDOK;
}
