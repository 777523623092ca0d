#include "ui/win32/PageSupport.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "winutil/GdiObjects.h"

HWND createPageDialog(int templateId, HWND mainWindow, DLGPROC procedure, LPARAM param) {
    // The links and lists of the templates need their classes before the dialog is made.
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&classes);
    HWND page = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), mainWindow, procedure, param);
    if (page == nullptr) return nullptr;
    const int length = GetWindowTextLengthW(mainWindow);
    if (length > 0) {
        std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
        GetWindowTextW(mainWindow, title.data(), length + 1);
        SetWindowTextW(page, title.c_str());
    }
    return page;
}

INT_PTR whitePageBackground(WPARAM deviceContext) {
    SetBkMode(reinterpret_cast<HDC>(deviceContext), TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

POINT contextMenuPoint(HWND control, LPARAM lParam) {
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (screen.x == -1 && screen.y == -1) {
        screen = POINT{0, 0};
        ClientToScreen(control, &screen);
    }
    return screen;
}

void paintPageTopLine(HWND page, double scale) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(page, &ps);
    fillPageTopLine(page, dc, scale);
    EndPaint(page, &ps);
}

void fillPageTopLine(HWND page, HDC dc, double scale) {
    RECT line{};
    GetClientRect(page, &line);
    line.bottom = static_cast<LONG>(3 * scale);
    const UniqueBrush brush(CreateSolidBrush(RGB(230, 230, 230)));
    FillRect(dc, &line, brush.get());
}
