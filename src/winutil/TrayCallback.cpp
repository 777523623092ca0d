#include "winutil/TrayCallback.h"

void bringMainWindowForward(HWND main) {
    if (IsWindowVisible(main)) {
        if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
        SetForegroundWindow(main);
        return;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main, WM_TRAY_CALLBACK, 0, WM_LBUTTONDOWN, SMTO_ABORTIFHUNG, 10000, &result);
}
