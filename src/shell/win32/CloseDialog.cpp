#include "shell/win32/CloseDialog.h"

#include <windows.h>

#include "shell/win32/CloseDialogIds.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/Shutdown.h"
#include "ui/win32/Pages.h"
#include "winutil/GdiObjects.h"

namespace {

constexpr COLORREF dialogColour = RGB(235, 235, 235);
enum CloseChoice : INT_PTR { chooseCancel, chooseTray, chooseExit };

INT_PTR CALLBACK closeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            CheckRadioButton(dialog, IDC_CLOSE_TO_TRAY, IDC_CLOSE_EXIT, IDC_CLOSE_TO_TRAY);
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            SetBkColor(reinterpret_cast<HDC>(wParam), dialogColour);
            return GetWindowLongPtrW(dialog, DWLP_USER);
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                EndDialog(dialog, IsDlgButtonChecked(dialog, IDC_CLOSE_EXIT) == BST_CHECKED ? chooseExit : chooseTray);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, chooseCancel);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void askCloseOrHide() {
    const ShellWindows& windows = shellWindows();
    const UniqueBrush background(CreateSolidBrush(dialogColour));
    const INT_PTR choice =
        DialogBoxParamW(windows.instance, MAKEINTRESOURCEW(IDD_CLOSE_PROMPT), windows.mainWindow, closeDialogProc,
                        reinterpret_cast<LPARAM>(background.get()));
    if (choice == chooseTray) {
        pressHideToTray(windows.pages[settingsPage]);
    } else if (choice == chooseExit) {
        shutdownApp(false);
    }
}
