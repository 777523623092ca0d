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
    engines.timedPlayHost = TimedPlayHost::create(timedPlayDataOf(state, fs), state.paths.exeDir);
    // After a failure that a repair tool or a reinstall mends, the help page tells where to get them.
    engines.instantHost = InstantHost::create(instantDataOf(state, fs), state.paths.exeDir,
                                              [](InstantHelp) { showPage(helpPage); });
    return engines.timedPlayHost != nullptr && engines.instantHost != nullptr;
}

void stopEngines() {
    AppEngines& engines = appEngines();
    engines.instantHost.reset();
    engines.timedPlayHost.reset();
}
