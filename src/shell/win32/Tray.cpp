#include "shell/win32/Tray.h"

#include <shellapi.h>

#include <cwchar>

#include "shell/win32/ShellResources.h"
#include "shell/win32/ShellWindows.h"
#include "winutil/UniqueMenu.h"

namespace {

NOTIFYICONDATAW iconData() {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = shellWindows().mainWindow;
    data.uID = 0;
    return data;
}

void showTrayMenu() {
    const HWND main = shellWindows().mainWindow;
    const UniqueMenu menu(LoadMenuW(shellWindows().instance, MAKEINTRESOURCEW(IDR_TRAY_MENU)));
    if (!menu) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(main);
    TrackPopupMenu(GetSubMenu(menu.get(), 0), TPM_LEFTBUTTON, cursor.x, cursor.y, 0, main, nullptr);
    PostMessageW(main, WM_NULL, 0, 0);
}

}  // namespace

void hideToTray() {
    const HWND main = shellWindows().mainWindow;
    wchar_t title[256] = {};
    GetWindowTextW(main, title, 256);
    NOTIFYICONDATAW data = iconData();
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_CALLBACK;
    // Shared icons belong to the system; nothing to free.
    data.hIcon = static_cast<HICON>(LoadImageW(shellWindows().instance, MAKEINTRESOURCEW(IDI_MAIN_LARGE), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    wcsncpy(data.szTip, title, 63);
    if (Shell_NotifyIconW(NIM_ADD, &data)) ShowWindow(main, SW_HIDE);
}

void restoreFromTray() {
    Sleep(200);
    removeTrayIcon();
    ShowWindow(shellWindows().mainWindow, SW_SHOW);
}

void onTrayCallback(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN) {
        SendMessageW(shellWindows().mainWindow, WM_COMMAND, MAKEWPARAM(IDM_SHOW_MAIN_WINDOW, 0), 0);
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        showTrayMenu();
    }
}

void removeTrayIcon() {
    NOTIFYICONDATAW data = iconData();
    Shell_NotifyIconW(NIM_DELETE, &data);
}
