// The program's entry: start-up in a fixed order, one copy at a time, the user-interface loop.
#include <windows.h>

#include <commctrl.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>
#include <ole2.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

#include "data/StartUpFailure.h"
#include "shell/AppState.h"
#include "shell/win32/AppStateSetup.h"
#include "shell/win32/ShellTexts.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/SingleInstance.h"
#include "shell/win32/TestSwitches.h"
#include "shell/win32/UiLoop.h"
#include "shell/win32/WatchLink.h"
#include "shell/win32/Watcher.h"
#include "winutil/WideText.h"

namespace {

// Without COM or GDI+ neither the players nor the pages work: the operator hears of it at once.
void showStartUpFailure(std::u16string_view call, std::uint32_t code) {
    MessageBoxW(nullptr, toWide(startUpFailureText(call, code)).c_str(), shellTexts().title,
                MB_OK | MB_TOPMOST | MB_SETFOREGROUND | MB_ICONERROR);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const Launch launch = parseLaunch(fromWide(commandLine));
    // The watcher needs none of what follows, and must hold no mutex, window or data file.
    if (launch.role == LaunchRole::watcher) return runWatcher(launch);
    setUpAppState();
    shellWindows().instance = instance;
    loadShellTexts(instance);
    const HRESULT ole = OleInitialize(nullptr);
    if (FAILED(ole)) {
        showStartUpFailure(u"OleInitialize", static_cast<std::uint32_t>(ole));
        return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, 0x41FF};
    InitCommonControlsEx(&controls);
    std::setlocale(LC_ALL, "");
    std::srand(static_cast<unsigned int>(std::time(nullptr)));

    const StartFlags flags = launch.flags;
    if (!claimSingleInstance()) {
        warnAndActivateFirstCopy();
        OleUninitialize();
        return 0;
    }
    // Only the copy that runs gets a watcher; a restarted copy keeps the one that restarted it.
    if (launch.role == LaunchRole::restartedProgram) {
        adoptWatcher(launch.handles);
    } else if (!watcherSwitchedOff()) {
        startWatcher(flags);
    }

    ULONG_PTR gdiplus = 0;
    const Gdiplus::GdiplusStartupInput gdiplusInput;
    const Gdiplus::Status graphics = Gdiplus::GdiplusStartup(&gdiplus, &gdiplusInput, nullptr);
    if (graphics != Gdiplus::Ok) {
        showStartUpFailure(u"GdiplusStartup", static_cast<std::uint32_t>(graphics));
        OleUninitialize();
        return 0;
    }
    runUiLoop(flags);
    OleUninitialize();
    Gdiplus::GdiplusShutdown(gdiplus);
    return 0;
}
