#pragma once
// What an operator does to and sees of the controls of another process beyond texts and
// clicks: list-view selections, date-time pickers, list-box items, the keyboard focus and an
// edit's selection.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Selects exactly `rows` of a list view (the others deselected).
bool selectListRows(HWND list, const std::vector<int>& rows);
// The selected rows, ascending.
std::vector<int> selectedListRows(HWND list);
// A click of the left button on a row of a list view (`doubleClick`: its second click), posted
// as the mouse sends it: the list takes the focus and selects the row.
bool clickListRow(HWND list, int row, bool doubleClick = false);
// A key pressed and released on `window`, posted as the keyboard sends it.
bool pressKey(HWND window, UINT virtualKey);

// Sets a date-time picker to `time`.
bool setPickerTime(HWND picker, const SYSTEMTIME& time);
// The time a date-time picker shows.
std::optional<SYSTEMTIME> pickerTime(HWND picker);
// A date-time picker's limits as DTM_GETRANGE reports them: its GDTR_ flags and both ends.
struct PickerRange {
    DWORD limits = 0;
    SYSTEMTIME min{};
    SYSTEMTIME max{};
};
std::optional<PickerRange> pickerRange(HWND picker);
// Sets both limits of a date-time picker; GDTR_ flags in `limits` say which hold.
bool setPickerRange(HWND picker, const PickerRange& range);

// The items of a list box, in order.
std::optional<std::vector<std::wstring>> listBoxItems(HWND listBox);
// The items of a combo box's list, in order.
std::optional<std::vector<std::wstring>> comboBoxItems(HWND comboBox);

// The window with the keyboard focus in the thread that owns `window`.
HWND focusOf(HWND window);
// First and last+1 character of an edit's selection.
std::optional<std::pair<int, int>> editSelection(HWND edit);
// Whether a button, radio button or check box is checked.
bool isButtonChecked(HWND button);
// Sets an edit's (or any window's) text.
bool setWindowText(HWND window, const std::wstring& text);
