#include <windows.h>

#include <algorithm>

#include "data/Text.h"
#include "data/win32/WideText.h"
#include "shell/AppState.h"
#include "ui/ListColumns.h"
#include "ui/PageTexts.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"
#include "ui/win32/StatusBarIds.h"
#include "winutil/GdiObjects.h"

namespace {

constexpr COLORREF barColour = RGB(220, 235, 248);
constexpr COLORREF topLineColour = RGB(196, 221, 242);

UniqueBrush barBrush;

void refreshDeviceText(HWND bar) {
    const std::u16string text = deviceBarText(fixedView(appState().settings.outputDevice));
    SetDlgItemTextW(bar, IDC_DEVICE_TEXT, toWide(text).c_str());
}

void paintTopLine(HWND bar) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(bar, &paint);
    RECT client;
    GetClientRect(bar, &client);
    const RECT line{1, 0, client.right - 1, std::max(1, scaledPixels(1, appState().uiScale))};
    UniqueBrush brush(CreateSolidBrush(topLineColour));
    FillRect(dc, &line, brush.get());
    EndPaint(bar, &paint);
}

INT_PTR CALLBACK statusBarProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            barBrush.reset(CreateSolidBrush(barColour));
            refreshDeviceText(window);
            return TRUE;
        case WM_DESTROY:
            barBrush.reset();
            return TRUE;
        case WM_PAINT:
            paintTopLine(window);
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(barBrush.get());
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_REFRESH_BAR) refreshDeviceText(window);
            return TRUE;
    }
    return FALSE;
}

}  // namespace

HWND createStatusBar(HWND mainWindow) {
    return createPageDialog(IDD_STATUS_BAR, mainWindow, statusBarProc);
}
