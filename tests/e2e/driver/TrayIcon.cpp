#include "e2e/driver/TrayIcon.h"

#include <shellapi.h>

bool hasTrayIcon(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}
