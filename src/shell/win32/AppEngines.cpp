#include "shell/win32/AppEngines.h"

#include "data/win32/Win32FileSystem.h"
#include "shell/AppState.h"

AppEngines& appEngines() {
    static AppEngines engines;
    return engines;
}

bool startEngines() {
    static Win32FileSystem fs;
    AppState& state = appState();
    AppEngines& engines = appEngines();
    engines.timedPlayHost = TimedPlayHost::create(timedPlayDataOf(state, fs), state.paths.exeDir);
    return engines.timedPlayHost != nullptr;
}

void stopEngines() {
    appEngines().timedPlayHost.reset();
}
