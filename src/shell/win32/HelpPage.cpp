#include "shell/win32/HelpPage.h"

#include "shell/win32/HelpPageIds.h"
#include "shell/win32/ShellTexts.h"
#include "shell/win32/ShellWindows.h"
#include "winutil/GdiObjects.h"
#include "winutil/PictureDialog.h"

namespace {

UniqueFont titleFont;

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
                showPictureDialog(page, {IDD_HARDWARE_DIAGRAM, IDB_HARDWARE_DIAGRAM, IDC_DIAGRAM_FRAME, std::nullopt});
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
