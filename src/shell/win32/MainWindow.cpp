#include "shell/win32/MainWindow.h"

#include "ui/win32/InstantPage.h"
#include "shell/AppState.h"
#include "shell/ShellLayout.h"
#include "shell/win32/AppEngines.h"
#include "shell/win32/CloseDialog.h"
#include "shell/win32/HelpPage.h"
#include "shell/win32/NavBar.h"
#include "shell/win32/NavBarIds.h"
#include "shell/win32/PasteFilter.h"
#include "shell/win32/ShellResources.h"
#include "shell/win32/ShellTexts.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/Shutdown.h"
#include "shell/win32/Tray.h"
#include "shell/win32/TroubleshootingPage.h"
#include "ui/win32/HolidayPageIds.h"
#include "ui/win32/Pages.h"
#include "ui/win32/SettingsPageIds.h"
#include "ui/win32/StatusBarIds.h"
#include "ui/win32/TimedPlayPageIds.h"

namespace {

constexpr wchar_t mainClassName[] = L"TolvarBroadcasting";
bool menuLoop = false;

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
        case WM_DISPLAYCHANGE:
            layoutMainWindow();
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_CLOSE:
            askCloseOrHide();
            return 0;
        case WM_ENDSESSION:
            if (wParam) shutdownApp(true);
            return 0;
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {600, 450};
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDM_SHOW_MAIN_WINDOW:
                    restoreFromTray();
                    return 0;
                case IDC_HIDE_TO_TRAY:  // from the settings page
                    hideToTray();
                    return 0;
                case IDC_REFRESH_BAR:  // from the settings page, for the status bar
                    SendMessageW(shellWindows().statusBar, WM_COMMAND, IDC_REFRESH_BAR, 0);
                    return 0;
                case IDC_CHOOSE_DEVICE:  // from the status bar's link, for the settings page
                    SendMessageW(shellWindows().pages[settingsPage], WM_COMMAND, IDC_CHOOSE_DEVICE, 0);
                    return 0;
                case IDC_PROGRAMS_RESTORED:  // from the settings page's restore, for the pages showing the lists
                    SendMessageW(shellWindows().pages[timedPlayPage], WM_COMMAND, IDC_PROGRAMS_RESTORED, 0);
                    return 0;
                case IDC_CALENDAR_RESTORED:
                    SendMessageW(shellWindows().pages[holidayPage], WM_COMMAND, IDC_CALENDAR_RESTORED, 0);
                    return 0;
            }
            break;
        case WM_ENTERMENULOOP:
            menuLoop = true;
            return 0;
        case WM_EXITMENULOOP:
            menuLoop = false;
            return 0;
        case WM_TRAY_CALLBACK:
            onTrayCallback(lParam);
            return 0;
        case WM_TIMECHANGE:
            // The scheduler reads the clock on every tick; nothing to redo here.
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool registerMainClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN_LARGE));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MAIN_SMALL), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = mainClassName;
    return RegisterClassExW(&windowClass) != 0;
}

double screenScale(HWND window) {
    const HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return scaleForDpi(dpi);
}

bool createChildren(ShellWindows& windows) {
    const HWND main = windows.mainWindow;
    windows.navBar = createNavBar(main);
    if (windows.navBar == nullptr) return false;
    // Before any page or dialog makes an edit, so that every edit of the program gets the filter.
    installPasteFilter(GetDlgItem(windows.navBar, IDC_NAV_EDIT));
    windows.statusBar = createStatusBar(main, windows.navBar);
    AppEngines& engines = appEngines();
    windows.pages[timedPlayPage] = createTimedPlayPage(main, *engines.timedPlay(), engines.startUpMessages);
    windows.pages[instantPage] = createInstantPage(main, *engines.instant(), engines.startUpMessages);
    windows.pages[holidayPage] = createHolidayPage(main, engines.startUpMessages);
    windows.pages[settingsPage] = createSettingsPage(main, engines.startUpMessages);
    windows.pages[helpPage] = createHelpPage(main);
    windows.pages[troubleshootingPage] = createTroubleshootingPage(main);
    if (windows.statusBar == nullptr) return false;
    for (const HWND page : windows.pages) {
        if (page == nullptr) return false;
    }
    return true;
}

}  // namespace

HWND createMainFrame() {
    ShellWindows& windows = shellWindows();
    if (!registerMainClass(windows.instance)) return nullptr;
    windows.mainWindow = CreateWindowExW(0, mainClassName, shellTexts().title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                         windows.instance, nullptr);
    if (windows.mainWindow == nullptr) return nullptr;
    appState().uiScale = screenScale(windows.mainWindow);
    if (!createChildren(windows)) {
        removePasteFilter();
        DestroyWindow(windows.mainWindow);
        windows = ShellWindows{windows.instance};
        return nullptr;
    }
    showPage(appState().currentPage);
    layoutMainWindow();
    return windows.mainWindow;
}

void layoutMainWindow() {
    const ShellWindows& windows = shellWindows();
    if (windows.navBar == nullptr || windows.statusBar == nullptr) return;
    RECT client{};
    GetClientRect(windows.mainWindow, &client);
    RECT status{};
    GetClientRect(windows.statusBar, &status);
    const MainLayout layout = layoutMain(client.right, client.bottom, status.bottom, appState().uiScale);
    const auto place = [](HWND child, const PixelRect& rect) {
        if (child) MoveWindow(child, rect.left, rect.top, rect.width(), rect.height(), TRUE);
    };
    place(windows.navBar, layout.navBar);
    for (const HWND page : windows.pages) place(page, layout.page);
    place(windows.statusBar, layout.statusBar);
}

void showPage(int index) {
    ShellWindows& windows = shellWindows();
    appState().currentPage = index;
    for (const HWND page : windows.pages) {
        if (page) ShowWindow(page, SW_HIDE);
    }
    if (windows.pages[index]) ShowWindow(windows.pages[index], SW_SHOW);
    InvalidateRect(windows.navBar, nullptr, FALSE);
}

bool inMenuLoop() {
    return menuLoop;
}
