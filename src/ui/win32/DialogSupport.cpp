#include "ui/win32/DialogSupport.h"

#include <commctrl.h>

#include <cstring>
#include <cwchar>

#include "data/HolidayRecord.h"
#include "data/Product.h"
#include "data/win32/Win32Prompt.h"
#include "winutil/WideText.h"

namespace {

// The title of the main window, which owns every page and dialog.
std::wstring appCaption(HWND owner) {
    const HWND main = owner != nullptr ? GetAncestor(owner, GA_ROOTOWNER) : nullptr;
    const int length = main != nullptr ? GetWindowTextLengthW(main) : 0;
    if (length <= 0) return toWide(product::name);
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(main, title.data(), length + 1)));
    return title;
}

int appMessageBox(HWND owner, std::u16string_view text, UINT style) {
    return MessageBoxW(owner, toWide(text).c_str(), appCaption(owner).c_str(), style);
}

}  // namespace

INT_PTR runDialog(HWND owner, int templateId, DLGPROC procedure, void* state) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, procedure,
                           reinterpret_cast<LPARAM>(state));
}

void keepDialogState(HWND dialog, LPARAM state) {
    SetWindowLongPtrW(dialog, DWLP_USER, state);
}

std::u16string controlText(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return fromWide(text);
}

void setControlText(HWND dialog, int id, std::u16string_view text) {
    SetDlgItemTextW(dialog, id, toWide(text).c_str());
}

void enableControls(HWND dialog, std::initializer_list<int> ids, bool enable) {
    for (const int id : ids) EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

bool isChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void setChecked(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void focusAndSelect(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return;
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    SendMessageW(control, EM_SETSEL, 0, -1);
}

DateTime pickerValue(HWND dialog, int id) {
    SYSTEMTIME time{};
    SendDlgItemMessageW(dialog, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    DateTime value;
    static_assert(sizeof value == sizeof time);
    std::memcpy(&value, &time, sizeof value);
    value.milliseconds = 0;
    return value;
}

void setPickerValue(HWND dialog, int id, const DateTime& value) {
    SYSTEMTIME time;
    std::memcpy(&time, &value, sizeof time);
    SendDlgItemMessageW(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void setPickerFormat(HWND dialog, int id, const wchar_t* format) {
    SendDlgItemMessageW(dialog, id, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format));
}

void setPickerDate(HWND dialog, int id, int year, int month, int day) {
    const int weekday = weekdayOf(year, month, day);
    setPickerValue(dialog, id,
                   DateTime{static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                            static_cast<std::uint16_t>(weekday < 0 ? 0 : weekday), static_cast<std::uint16_t>(day), 0,
                            0, 0, 0});
}

void limitPickerToValidDates(HWND dialog, int id) {
    SYSTEMTIME range[2]{};
    range[0].wYear = minValidYear;
    range[0].wMonth = 1;
    range[0].wDay = 1;
    range[1].wYear = maxValidYear;
    range[1].wMonth = 12;
    range[1].wDay = 31;
    range[1].wHour = 23;
    range[1].wMinute = 59;
    range[1].wSecond = 59;
    SendDlgItemMessageW(dialog, id, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
}

HFONT makeDigitFont(HWND window, double heightFactor) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfHeight = static_cast<LONG>(font.lfHeight * heightFactor);
    font.lfWidth = 0;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = GB2312_CHARSET;
    std::wcscpy(font.lfFaceName, L"SimSun");
    return CreateFontIndirectW(&font);
}

void showAppMessage(HWND owner, std::u16string_view text, MessageIcon icon) {
    appMessageBox(owner, text, MB_OK | messageIconStyle(icon));
}

bool askAppQuestion(HWND owner, std::u16string_view text) {
    return appMessageBox(owner, text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool askAppWarning(HWND owner, std::u16string_view text) {
    return appMessageBox(owner, text, MB_YESNO | MB_ICONWARNING) == IDYES;
}
