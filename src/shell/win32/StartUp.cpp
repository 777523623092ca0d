#include "shell/win32/StartUp.h"

#include <windows.h>

#include <string>

#include "audio/DefaultDevice.h"
#include "audio/win32/AudioSystemCheck.h"
#include "audio/win32/ToolFiles.h"
#include "audio/win32/WarmUp.h"
#include "data/FolderRepair.h"
#include "data/win32/LocalNow.h"
#include "data/win32/Win32FileSystem.h"
#include "data/win32/Win32Prompt.h"
#include "shell/win32/AppEngines.h"
#include "shell/win32/EmbeddedFont.h"
#include "shell/win32/LocalHelp.h"
#include "shell/win32/MainWindow.h"
#include "shell/win32/ShellTexts.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/Shutdown.h"
#include "ui/win32/Pages.h"

namespace {

constexpr wchar_t audioSystemMessage[] =
    L"系统环境有问题\n( 无法播放音频 )\n\n解决方法：\n1. 修复工具 - 官网>帮助>DirectX修复工具\n"
    L"2. 专家在线 - 官网>联系我们>QQ/微信 …\n\n点确定打开官网：\n";
constexpr wchar_t toolFilesMessage[] =
    L"文件缺失或损坏\n\n可从官网下载软件重装 (10.x版)\n提示：重装软件不会丢失数据 !\n\n点确定打开官网：\n";

// A failed check: its message ending in the local help page, that page, then the exit.
bool failStartUp(const wchar_t* message) {
    const HWND main = shellWindows().mainWindow;
    MessageBoxW(main, (message + localHelpPath()).c_str(), shellTexts().title, MB_OK | MB_ICONERROR);
    openLocalHelp(main);
    shutdownApp(false);
    return false;
}

void showFirstTime(HWND main) {
    ShellWindows& windows = shellWindows();
    focusNowPlayingList(windows.pages[timedPlayPage]);
    // In front once at start, then an ordinary window again.
    SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(main, SW_SHOWMAXIMIZED);
    SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const HWND troubleshooting = windows.pages[troubleshootingPage];
    RECT page{};
    GetClientRect(troubleshooting, &page);
    SendMessageW(troubleshooting, WM_SIZE, SIZE_RESTORED, MAKELPARAM(page.right, page.bottom));
    RedrawWindow(troubleshooting, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace

bool createMainWindow(const StartFlags& flags) {
    const ShellWindows& windows = shellWindows();
    const AppPaths& paths = appState().paths;
    registerEmbeddedFont(windows.instance);
    // Timed play comes first: the pages lend it their lists, and it runs the bells while the
    // start-up messages wait for the operator.
    const HWND main = startEngines() ? createMainFrame() : nullptr;
    if (main == nullptr) {
        MessageBoxW(nullptr, L"软件界面创建失败，请重装软件。", shellTexts().title, MB_OK | MB_ICONERROR);
        releaseEmbeddedFont();
        return false;
    }
    AppEngines& engines = appEngines();
    TimedPlayController& timedPlay = *engines.timedPlay();
    engines.powerRules->start();
    showFirstTime(main);
    if (flags.startHidden) pressHideToTray(windows.pages[settingsPage]);
    if (flags.lockAtStart) LockWorkStation();
    SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
    warmUpDevice(defaultDeviceName, main, toolsConfigFor(paths.exeDir));
    Win32FileSystem fs;
    ensureDataFolder(fs, paths.shellFolder, paths.dataDir);
    timedPlay.logEvent(localNow(), u"软件启动");
    if (!checkAudioSystem()) return failStartUp(audioSystemMessage);
    if (!checkToolFiles(paths.exeDir).empty()) return failStartUp(toolFilesMessage);
    // Holidays and settings first: the settings choose the device and the ducking before any
    // program can start, and the holidays are in place before the first scheduler tick.
    loadPageData(windows.pages[holidayPage], PageKind::holidays);
    loadPageData(windows.pages[settingsPage], PageKind::settings);
    loadPageData(windows.pages[timedPlayPage], PageKind::timedPlay);
    loadPageData(windows.pages[instantPage], PageKind::instant);
    // Every file is read and the bells run before the first message of a failed read waits for OK.
    timedPlay.startTimer();
    engines.instant()->startTimer();
    startWebConsole();
    static Win32Prompt mainPrompt(main);
    engines.startUpMessages.release(mainPrompt);
    return true;
}
