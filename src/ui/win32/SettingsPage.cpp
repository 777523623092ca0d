#include <windows.h>

#include "audio/win32/ToolsSource.h"
#include "audio/win32/WarmUp.h"
#include "data/Text.h"
#include "data/win32/Win32Prompt.h"
#include "data/win32/WideText.h"
#include "shell/AppState.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/Tray.h"
#include "system/SettingsFile.h"
#include "ui/PageTexts.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"
#include "ui/win32/SettingsPageIds.h"
#include "ui/win32/StatusBarIds.h"

namespace {

void showSettings(HWND page) {
    const SettingsRecord& settings = appState().settings;
    SetDlgItemTextW(page, IDC_OUTPUT_DEVICE, toWide(displayedDeviceName(fixedView(settings.outputDevice))).c_str());
    SetDlgItemTextW(page, IDC_DUCKING_TEXT, toWide(duckingText(settings.duckPercent)).c_str());
}

void loadSettingsData(HWND page) {
    AppState& app = appState();
    Win32Prompt prompt(page);
    loadSettings(appDataFolder(), app.paths.settingsFile, &prompt, app.readFailed.settings, app.settings);
    warmUpDevice(fixedView(app.settings.outputDevice), page, toolsConfigFor(app.paths.exeDir));
    showSettings(page);
    if (HWND bar = shellWindows().statusBar) SendMessageW(bar, WM_COMMAND, IDC_REFRESH_BAR, 0);
}

INT_PTR CALLBACK settingsPageProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            showSettings(window);
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return whitePageBackground(wParam);
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_LOAD_SETTINGS:
                    loadSettingsData(window);
                    break;
                case IDC_HIDE_TO_TRAY:
                    hideToTray();
                    break;
            }
            return TRUE;
    }
    return FALSE;
}

}  // namespace

HWND createSettingsPage(HWND mainWindow) {
    return createPageDialog(IDD_SETTINGS_PAGE, mainWindow, settingsPageProc);
}
