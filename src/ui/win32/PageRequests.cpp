// The shell's few words with the pages, so that it needs none of their control ids.
#include "ui/win32/HolidayPageIds.h"
#include "ui/win32/InstantPageIds.h"
#include "ui/win32/Pages.h"
#include "ui/win32/SettingsPageIds.h"
#include "ui/win32/StatusBarIds.h"
#include "ui/win32/TimedPlayPageIds.h"

namespace {

void click(HWND page, WORD command) {
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, command)));
}

}  // namespace

void loadPageData(HWND page, PageKind kind) {
    switch (kind) {
        case PageKind::timedPlay: return click(page, IDC_LOAD_PROGRAMS);
        case PageKind::instant: return click(page, IDC_LOAD_INSTANT);
        case PageKind::holidays: return click(page, IDC_LOAD_HOLIDAYS);
        case PageKind::settings: return click(page, IDC_LOAD_SETTINGS);
    }
}

PageRequest pageRequestOf(WORD command) {
    switch (command) {
        case IDC_HIDE_TO_TRAY: return PageRequest::hideToTray;
        case IDC_REFRESH_BAR: return PageRequest::refreshStatusBar;
        case IDC_CHOOSE_DEVICE: return PageRequest::chooseOutputDevice;
    }
    return PageRequest::none;
}

void refreshStatusBar(HWND statusBar) {
    SendMessageW(statusBar, WM_COMMAND, IDC_REFRESH_BAR, 0);
}

void postStatusBarRefresh(HWND statusBar) {
    PostMessageW(statusBar, WM_COMMAND, IDC_REFRESH_BAR, 0);
}

void openDeviceChoice(HWND settingsPage) {
    SendMessageW(settingsPage, WM_COMMAND, IDC_CHOOSE_DEVICE, 0);
}

void pressHideToTray(HWND settingsPage) {
    SendMessageW(settingsPage, WM_COMMAND, MAKEWPARAM(IDC_HIDE_TO_TRAY, BN_CLICKED), 0);
}

bool translateProgramListKeys(HWND timedPlayPage, MSG& message) {
    static const HACCEL keys = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PROGRAM_LIST_KEYS));
    if (GetFocus() != GetDlgItem(timedPlayPage, IDC_PROGRAM_LIST)) return false;
    return TranslateAcceleratorW(timedPlayPage, keys, &message) != 0;
}

void focusNowPlayingList(HWND timedPlayPage) {
    SetFocus(GetDlgItem(timedPlayPage, IDC_NOW_PLAYING_LIST));
}
