#include "shell/win32/HelpPage.h"

#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <memory>

#include "shell/win32/HelpPageIds.h"
#include "shell/win32/PngResource.h"
#include "shell/win32/ShellTexts.h"
#include "shell/win32/ShellWindows.h"
#include "winutil/GdiObjects.h"

namespace {

UniqueFont titleFont;
std::unique_ptr<Gdiplus::Bitmap> diagram;

// A larger, bold copy of the page's own font for the display name.
HFONT makeTitleFont(HWND page) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfHeight = font.lfHeight * 16 / 9;
    font.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&font);
}

INT_PTR CALLBACK quickStartProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

// The picture fills the hidden frame control's rectangle, keeping its proportions.
void paintDiagram(HWND dialog, Gdiplus::Bitmap& picture) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(dialog, &ps);
    RECT frame{};
    GetWindowRect(GetDlgItem(dialog, IDC_DIAGRAM_FRAME), &frame);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const double aspect = static_cast<double>(picture.GetWidth()) / picture.GetHeight();
    const int drawWidth = width / aspect <= height ? width : static_cast<int>(height * aspect);
    const int drawHeight = static_cast<int>(drawWidth / aspect);
    const int left = frame.left + (width - drawWidth) / 2;
    const int top = frame.top + (height - drawHeight) / 2;
    Gdiplus::Graphics graphics(dc);
    drawScaled(graphics, picture, {left, top, left + drawWidth, top + drawHeight});
    EndPaint(dialog, &ps);
}

INT_PTR CALLBACK diagramProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            diagram = loadPngResource(shellWindows().instance, IDB_HARDWARE_DIAGRAM);
            return TRUE;
        case WM_PAINT:
            if (!diagram) return FALSE;
            paintDiagram(dialog, *diagram);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, 0);
                return TRUE;
            }
            return FALSE;
        case WM_DESTROY:
            diagram.reset();
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK helpPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            titleFont.reset(makeTitleFont(page));
            SendDlgItemMessageW(page, IDC_HELP_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont.get()), FALSE);
            SetDlgItemTextW(page, IDC_HELP_TITLE, shellTexts().title);
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_HELP_QUICK_START) {
                DialogBoxParamW(shellWindows().instance, MAKEINTRESOURCEW(IDD_QUICK_START), page, quickStartProc, 0);
                return TRUE;
            }
            if (LOWORD(wParam) == IDC_HELP_HARDWARE) {
                DialogBoxParamW(shellWindows().instance, MAKEINTRESOURCEW(IDD_HARDWARE_DIAGRAM), page, diagramProc, 0);
                return TRUE;
            }
            return FALSE;
        case WM_DESTROY:
            titleFont.reset();
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

HWND createHelpPage(HWND mainWindow) {
    return CreateDialogParamW(shellWindows().instance, MAKEINTRESOURCEW(IDD_HELP_PAGE), mainWindow, helpPageProc, 0);
}
