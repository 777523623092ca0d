#include "shell/win32/TroubleshootingPage.h"

#include "shell/AppState.h"
#include "shell/win32/HtmlView.h"
#include "shell/win32/LocalHelp.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/TroubleshootingPageIds.h"

namespace {

INT_PTR CALLBACK troubleshootingProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            shellWindows().htmlView = createHtmlView(page, IDC_HTML_VIEW, localHelpPath());
            return FALSE;
        case WM_SIZE: {
            const HWND view = shellWindows().htmlView;
            if (view == nullptr) return FALSE;
            const double s = appState().uiScale;
            const int left = static_cast<int>(4 * s);
            const int top = static_cast<int>(2 * s);
            MoveWindow(view, left, top, LOWORD(lParam) - 2 * left, HIWORD(lParam) - 2 * top, TRUE);
            RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

HWND createTroubleshootingPage(HWND mainWindow) {
    return CreateDialogParamW(shellWindows().instance, MAKEINTRESOURCEW(IDD_TROUBLESHOOTING_PAGE), mainWindow,
                              troubleshootingProc, 0);
}
