#include "e2e/driver/Controls.h"

#include <commctrl.h>

#include "e2e/driver/RemoteMemory.h"
#include "e2e/driver/Windows.h"

namespace {

// The items of a list box or a combo box, read with that control's three messages.
std::optional<std::vector<std::wstring>> itemTexts(HWND control, UINT countMessage, UINT lengthMessage,
                                                   UINT textMessage) {
    const auto count = sendBounded(control, countMessage, 0, 0);
    if (!count || *count < 0) return std::nullopt;
    std::vector<std::wstring> items;
    for (int index = 0; index < static_cast<int>(*count); ++index) {
        const auto length = sendBounded(control, lengthMessage, static_cast<WPARAM>(index), 0);
        if (!length || *length < 0) return std::nullopt;
        std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
        const auto copied = sendBounded(control, textMessage, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
        if (!copied || *copied < 0) return std::nullopt;
        text.resize(static_cast<size_t>(*copied));
        items.push_back(std::move(text));
    }
    return items;
}

}  // namespace

bool selectListRows(HWND list, const std::vector<int>& rows) {
    const RemoteMemory memory(list, sizeof(LVITEMW));
    const auto setState = [&](int row, UINT state) {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED;
        item.state = state;
        return memory.write(&item, sizeof item) &&
               sendBounded(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), memory.address()).value_or(0) != 0;
    };
    if (!setState(-1, 0)) return false;
    for (const int row : rows) {
        if (!setState(row, LVIS_SELECTED)) return false;
    }
    return true;
}

std::vector<int> selectedListRows(HWND list) {
    std::vector<int> rows;
    for (int row = -1;;) {
        const auto next = sendBounded(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED);
        if (!next || static_cast<int>(*next) < 0) return rows;
        row = static_cast<int>(*next);
        rows.push_back(row);
    }
}

bool clickListRow(HWND list, int row, bool doubleClick) {
    const RemoteMemory memory(list, sizeof(RECT));
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    if (!memory.write(&bounds, sizeof bounds) ||
        !sendBounded(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), memory.address()).value_or(FALSE) ||
        !memory.read(&bounds, sizeof bounds)) {
        return false;
    }
    const LPARAM at = MAKELPARAM(bounds.left + 8, (bounds.top + bounds.bottom) / 2);
    return PostMessageW(list, doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, at) &&
           PostMessageW(list, WM_LBUTTONUP, 0, at);
}

bool pressKey(HWND window, UINT virtualKey) {
    return PostMessageW(window, WM_KEYDOWN, virtualKey, 1) && PostMessageW(window, WM_KEYUP, virtualKey, 0xC0000001);
}

bool setPickerTime(HWND picker, const SYSTEMTIME& time) {
    const RemoteMemory memory(picker, sizeof time);
    return memory.write(&time, sizeof time) &&
           sendBounded(picker, DTM_SETSYSTEMTIME, GDT_VALID, memory.address()).value_or(0) != 0;
}

std::optional<SYSTEMTIME> pickerTime(HWND picker) {
    const RemoteMemory memory(picker, sizeof(SYSTEMTIME));
    SYSTEMTIME time{};
    if (sendBounded(picker, DTM_GETSYSTEMTIME, 0, memory.address()) != GDT_VALID ||
        !memory.read(&time, sizeof time)) {
        return std::nullopt;
    }
    return time;
}

std::optional<PickerRange> pickerRange(HWND picker) {
    const RemoteMemory memory(picker, 2 * sizeof(SYSTEMTIME));
    PickerRange range;
    SYSTEMTIME ends[2]{};
    const auto limits = sendBounded(picker, DTM_GETRANGE, 0, memory.address());
    if (!limits || !memory.read(ends, sizeof ends)) return std::nullopt;
    range.limits = static_cast<DWORD>(*limits);
    range.min = ends[0];
    range.max = ends[1];
    return range;
}

bool setPickerRange(HWND picker, const PickerRange& range) {
    const RemoteMemory memory(picker, 2 * sizeof(SYSTEMTIME));
    const SYSTEMTIME ends[2]{range.min, range.max};
    return memory.write(ends, sizeof ends) &&
           sendBounded(picker, DTM_SETRANGE, range.limits, memory.address()).value_or(0) != 0;
}

std::optional<std::vector<std::wstring>> listBoxItems(HWND listBox) {
    return itemTexts(listBox, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::optional<std::vector<std::wstring>> comboBoxItems(HWND comboBox) {
    return itemTexts(comboBox, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

HWND focusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::optional<std::pair<int, int>> editSelection(HWND edit) {
    const auto packed = sendBounded(edit, EM_GETSEL, 0, 0);
    if (!packed) return std::nullopt;
    return std::pair<int, int>(LOWORD(*packed), HIWORD(*packed));
}

bool isButtonChecked(HWND button) {
    return sendBounded(button, BM_GETCHECK, 0, 0).value_or(BST_UNCHECKED) == BST_CHECKED;
}

bool setWindowText(HWND window, const std::wstring& text) {
    return sendBounded(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())).value_or(FALSE) != FALSE;
}
