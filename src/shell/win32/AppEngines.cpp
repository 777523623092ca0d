#include "shell/win32/AppEngines.h"

#include "data/win32/Win32FileSystem.h"
#include "shell/AppState.h"
#include "shell/win32/MainWindow.h"
#include "shell/win32/ShellWindows.h"

AppEngines& appEngines() {
    static AppEngines engines;
    return engines;
}

bool startEngines() {
    static Win32FileSystem fs;
    AppState& state = appState();
    AppEngines& engines = appEngines();
    engines.timedPlayHost = EngineHost<TimedPlayController>::create(
        L"LvtxTimedPlay", state.paths.exeDir, [&](EnginePlatform platform) {
            return std::make_unique<TimedPlayController>(timedPlayDataOf(state, fs), std::move(platform));
        });
    engines.instantHost = EngineHost<InstantController>::create(
        L"LvtxInstantPlay", state.paths.exeDir, [&](EnginePlatform platform) {
            // After a failure that a repair tool or a reinstall mends, the help page tells where to get them.
            return std::make_unique<InstantController>(
                instantDataOf(state, fs), InstantPlatform{std::move(platform), [](InstantHelp) { showPage(helpPage); }});
        });
    return engines.timedPlayHost != nullptr && engines.instantHost != nullptr;
}

void stopEngines() {
    AppEngines& engines = appEngines();
    engines.instantHost.reset();
    engines.timedPlayHost.reset();
}
