#pragma once
// What the editing dialogs share: control texts and states, date-time pickers, and message
// boxes under the application's caption whatever window owns them.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "data/DateTime.h"
#include "data/InputValidation.h"

// Runs dialog template `templateId` modally; `state` reaches the procedure as WM_INITDIALOG's
// lParam and stays in DWLP_USER (read it back with dialogState).
INT_PTR runDialog(HWND owner, int templateId, DLGPROC procedure, void* state);
template <typename T>
T& dialogState(HWND dialog) {
    return *reinterpret_cast<T*>(GetWindowLongPtrW(dialog, DWLP_USER));
}
// Runs a dialog on a copy of `value` and takes the copy back only when it ends with OK.
template <typename T>
int editInDialog(HWND owner, int templateId, DLGPROC procedure, T& value) {
    T working = value;
    if (runDialog(owner, templateId, procedure, &working) != IDOK) return IDCANCEL;
    value = std::move(working);
    return IDOK;
}
// Keeps WM_INITDIALOG's lParam for dialogState.
void keepDialogState(HWND dialog, LPARAM state);
// The procedure of a dialog that `initialise` fills from its state and OK confirms: `confirm`
// checks the input and ends the dialog when it holds. Cancel ends it with nothing changed.
template <typename State, auto initialise, auto confirm>
INT_PTR CALLBACK confirmingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            keepDialogState(dialog, lParam);
            initialise(dialog, *reinterpret_cast<State*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                confirm(dialog, dialogState<State>(dialog));
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

std::u16string controlText(HWND dialog, int id);
void setControlText(HWND dialog, int id, std::u16string_view text);
void enableControls(HWND dialog, std::initializer_list<int> ids, bool enable);
bool isChecked(HWND dialog, int id);
void setChecked(HWND dialog, int id, bool checked);
// The focus into control `id` the way the dialog manager moves it, with all its text selected.
void focusAndSelect(HWND dialog, int id);

// Hour, minute and second of a picker (its date too, milliseconds 0).
DateTime pickerValue(HWND dialog, int id);
void setPickerValue(HWND dialog, int id, const DateTime& value);
void setPickerFormat(HWND dialog, int id, const wchar_t* format);
// A date picker's date, with its weekday; the time of day is midnight.
void setPickerDate(HWND dialog, int id, int year, int month, int day);
// Keeps a date picker within the years the data files accept (1853 to 9999).
void limitPickerToValidDates(HWND dialog, int id);

// The window's dialog font in bold SimSun (GB2312), `heightFactor` times as high: the large
// digits of the status bar and the countdown.
HFONT makeDigitFont(HWND window, double heightFactor);

// Message boxes with the main window's title as caption.
void showAppMessage(HWND owner, std::u16string_view text, MessageIcon icon);
// Yes/No with the question icon; true for Yes.
bool askAppQuestion(HWND owner, std::u16string_view text);
// Yes/No with the warning icon; true for Yes.
bool askAppWarning(HWND owner, std::u16string_view text);
// The failure's message, then the focus into the control that holds its field, if it names
// one; `controlOf` maps the dialog's field to that control's id.
template <typename Field, typename ControlOf>
void showInputFailure(HWND dialog, const InputFailure<Field>& failure, ControlOf controlOf) {
    showAppMessage(dialog, failure.text, failure.icon);
    if (failure.field) focusAndSelect(dialog, controlOf(*failure.field));
}
