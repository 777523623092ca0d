#include "shell/win32/MainWindow.h"

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
#include "shell/win32/TestSwitches.h"
#include "shell/win32/Tray.h"
#include "shell/win32/TroubleshootingPage.h"
#include "ui/win32/Pages.h"

namespace {

constexpr wchar_t mainClassName[] = L"TolvarBroadcasting";
bool menuLoop = false;

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (isTestCrashRequest(message)) crashForTest();
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
            }
            switch (pageRequestOf(LOWORD(wParam))) {
                case PageRequest::hideToTray:  // from the settings page
                    hideToTray();
                    return 0;
                case PageRequest::refreshStatusBar:  // from the settings page, for the status bar
                    refreshStatusBar(shellWindows().statusBar);
                    return 0;
                case PageRequest::chooseOutputDevice:  // from the status bar's link, for the settings page
                    openDeviceChoice(shellWindows().pages[settingsPage]);
                    return 0;
                case PageRequest::none:
                    break;
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
    AppState& state = appState();
    AppEngines& engines = appEngines();
    const PageContext context{state.uiScale,      state.osMajor,       state.programs.folder().fs,
                              engines.startUpMessages, state.paths.exeDir, state.paths.musicDir};
    windows.statusBar = createStatusBar(main, windows.navBar, context, state.settings);
    windows.pages[timedPlayPage] =
        createTimedPlayPage(main, context, *engines.timedPlay(), state.programs, state.calendar, state.paths.logFile);
    windows.pages[instantPage] = createInstantPage(main, context, *engines.instant());
    windows.pages[holidayPage] = createHolidayPage(main, context, state.calendar);
    windows.pages[settingsPage] =
        createSettingsPage(main, context, state.settings, state.programs, state.calendar, state.web, state.webStatus);
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
