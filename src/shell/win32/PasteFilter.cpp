#include "shell/win32/PasteFilter.h"

#include "winutil/WideText.h"
#include "shell/PasteText.h"

namespace {

WNDPROC previousEditProc = nullptr;
HWND classEdit = nullptr;

void pasteClipboard(HWND edit) {
    const LONG style = GetWindowLongW(edit, GWL_STYLE);
    if ((style & ES_READONLY) != 0) return;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(edit)) return;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            const std::wstring insert = toWide(pasteText(fromWide(text), (style & ES_MULTILINE) != 0));
            GlobalUnlock(data);
            SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(insert.c_str()));
        }
    }
    CloseClipboard();
}

LRESULT CALLBACK pasteFilter(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PASTE) {
        pasteClipboard(edit);
        return 0;
    }
    return CallWindowProcW(previousEditProc, edit, message, wParam, lParam);
}

}  // namespace

void installPasteFilter(HWND edit) {
    if (edit == nullptr || classEdit != nullptr) return;
    const auto previous = reinterpret_cast<WNDPROC>(
        SetClassLongPtrW(edit, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(&pasteFilter)));
    if (previous == nullptr) return;
    previousEditProc = previous;
    classEdit = edit;
}

void removePasteFilter() {
    if (classEdit == nullptr) return;
    // Edits still open keep calling the filter, which keeps forwarding to previousEditProc.
    SetClassLongPtrW(classEdit, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousEditProc));
    classEdit = nullptr;
}
