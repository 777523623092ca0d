// The launcher's entry: check the installation folder, then start the main program or show
// what is missing. No window, no state; the exit code is always 0.
#include <windows.h>

#include <objbase.h>

#include "data/Product.h"
#include "data/StartUpFailure.h"
#include "launcher/LaunchCheck.h"
#include "launcher/win32/LaunchProbes.h"
#include "winutil/WideText.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The shell's "open" may hand the file to a COM handler.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if (FAILED(com)) {
        MessageBoxW(nullptr, toWide(startUpFailureText(u"CoInitializeEx", static_cast<std::uint32_t>(com))).c_str(),
                    toWide(product::mainTitle).c_str(), MB_OK | MB_TOPMOST | MB_SETFOREGROUND | MB_ICONERROR);
        return 0;
    }
    const LaunchProbes probes = systemLaunchProbes();
    const std::u16string folder = launcherFolder(launcherModulePath());
    const LaunchDecision decision = decideLaunch(folder, probes);
    if (decision.action == LaunchAction::startMainProgram) {
        openWithShell(decision.path);
    } else {
        MessageBoxW(nullptr, toWide(launchMessage(decision)).c_str(), toWide(product::mainTitle).c_str(),
                    MB_OK | MB_TOPMOST | MB_SETFOREGROUND | MB_ICONERROR);
        if (const auto page = helpPageAfterMessage(folder, probes)) openWithShell(*page);
    }
    CoUninitialize();
    return 0;
}
