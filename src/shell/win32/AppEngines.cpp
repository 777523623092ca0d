#include "shell/win32/AppEngines.h"

#include "data/win32/LocalNow.h"
#include "data/win32/Win32FileSystem.h"
#include "shell/AppState.h"
#include "shell/win32/MainWindow.h"
#include "shell/win32/ShellWindows.h"

AppEngines& appEngines() {
    static AppEngines engines;
    return engines;
}

namespace {

// Both engines report a refused timer in timed play's log, and to the operator like any message
// once the start-up messages have been shown.
EngineTimerReports timerReports(std::u16string engine) {
    return {std::move(engine),
            [](std::u16string_view text) {
                if (TimedPlayController* timedPlay = appEngines().timedPlay()) timedPlay->logEvent(localNow(), text);
            },
            [](std::u16string_view text) { appEngines().startUpMessages.showMessage(text, MessageIcon::warning); }};
}

}  // namespace

bool startEngines() {
    static Win32FileSystem fs;
    AppState& state = appState();
    AppEngines& engines = appEngines();
    engines.timedPlayHost = EngineHost<TimedPlayController>::create(
        L"LvtxTimedPlay", state.paths.exeDir, timerReports(u"定时播"), [&](EnginePlatform platform) {
            return std::make_unique<TimedPlayController>(timedPlayDataOf(state, fs), std::move(platform));
        });
    engines.instantHost = EngineHost<InstantController>::create(
        L"LvtxInstantPlay", state.paths.exeDir, timerReports(u"立即播"), [&](EnginePlatform platform) {
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
