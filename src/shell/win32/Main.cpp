// The program's entry: start-up in a fixed order, one copy at a time, the user-interface loop.
#include <windows.h>

#include <commctrl.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>
#include <ole2.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

#include "winutil/WideText.h"
#include "shell/AppState.h"
#include "shell/win32/AppStateSetup.h"
#include "shell/win32/ShellTexts.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/SingleInstance.h"
#include "shell/win32/UiLoop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    setUpAppState();
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, 0x41FF};
    InitCommonControlsEx(&controls);
    std::setlocale(LC_ALL, "");
    std::srand(static_cast<unsigned int>(std::time(nullptr)));

    const StartFlags flags = parseCommandLine(fromWide(commandLine));
    shellWindows().instance = instance;
    loadShellTexts(instance);
    if (!claimSingleInstance()) {
        warnAndActivateFirstCopy();
        OleUninitialize();
        return 0;
    }

    ULONG_PTR gdiplus = 0;
    const Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&gdiplus, &gdiplusInput, nullptr);
    runUiLoop(flags);
    OleUninitialize();
    Gdiplus::GdiplusShutdown(gdiplus);
    return 0;
}
