#include <windows.h>

#include "audio/win32/ToolsSource.h"
#include "audio/win32/WarmUp.h"
#include "data/Text.h"
#include "data/win32/Win32Prompt.h"
#include "data/win32/WideText.h"
#include "shell/AppState.h"
#include "system/DeviceBar.h"
#include "system/SettingsFile.h"
#include "ui/win32/BackupDialogs.h"
#include "ui/PageTexts.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/OutputDeviceDialog.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"
#include "ui/win32/SettingsPageIds.h"
#include "ui/win32/StatusBarIds.h"

namespace {

// Every 500 ms from the page's creation on: the device bar's refresh.
constexpr UINT_PTR ruleTimer = 1000;

void showSettings(HWND page) {
    const SettingsRecord& settings = appState().settings;
    SetDlgItemTextW(page, IDC_OUTPUT_DEVICE, toWide(displayedDeviceName(fixedView(settings.outputDevice))).c_str());
    SetDlgItemTextW(page, IDC_DUCKING_TEXT, toWide(duckingText(settings.duckPercent)).c_str());
}

// The main window shows the status bar and the tray icon: the page asks it.
void askMainWindow(HWND page, WORD command) {
    SendMessageW(GetParent(page), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void chooseDevice(HWND page) {
    if (chooseOutputDevice(page) != IDOK) return;
    showSettings(page);
    askMainWindow(page, IDC_REFRESH_BAR);
    AppState& app = appState();
    Win32Prompt prompt(page);
    saveSettings({appDataFolder(), app.paths.settingsFile, &prompt, &app.readFailed.settings}, app.settings);
}

void loadSettingsData(HWND page, Prompt& prompt) {
    AppState& app = appState();
    loadSettings({appDataFolder(), app.paths.settingsFile, &prompt, &app.readFailed.settings}, app.settings);
    warmUpDevice(fixedView(app.settings.outputDevice), page, toolsConfigFor(app.paths.exeDir));
    showSettings(page);
    askMainWindow(page, IDC_REFRESH_BAR);
}

INT_PTR CALLBACK settingsPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            keepDialogState(window, lParam);
            showSettings(window);
            SetTimer(window, ruleTimer, 500, nullptr);
            return TRUE;
        case WM_TIMER:
            // Posted: the bar refreshes after this handler has returned.
            if (wParam == ruleTimer) PostMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(IDC_REFRESH_BAR, 0), 0);
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return whitePageBackground(wParam);
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_LOAD_SETTINGS:
                    loadSettingsData(window, dialogState<Prompt>(window));
                    break;
                case IDC_HIDE_TO_TRAY:
                    askMainWindow(window, IDC_HIDE_TO_TRAY);
                    break;
                case IDC_CHOOSE_DEVICE:
                    chooseDevice(window);
                    break;
                case IDC_BACKUP:
                    backupFromPage(window);
                    break;
                case IDC_RESTORE:
                    restoreFromPage(window);
                    break;
            }
            return TRUE;
    }
    return FALSE;
}

}  // namespace

HWND createSettingsPage(HWND mainWindow, Prompt& loadPrompt) {
    return createPageDialog(IDD_SETTINGS_PAGE, mainWindow, settingsPageProc, reinterpret_cast<LPARAM>(&loadPrompt));
}
