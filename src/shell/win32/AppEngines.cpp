#include "shell/win32/AppEngines.h"

#include "data/win32/LocalNow.h"
#include "data/win32/SystemMessage.h"
#include "shell/AppState.h"
#include "shell/win32/MainWindow.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/WebOperations.h"
#include "ui/win32/CountdownDialog.h"
#include "ui/win32/Pages.h"
#include "web/win32/CngCrypto.h"
#include "winutil/TrayCallback.h"

namespace {

// What timed play works on: the lists of their owners and the state AppState keeps.
TimedPlayData timedPlayDataOf(AppState& state) {
    return TimedPlayData{state.programs.scheduled(),
                         state.calendar.holidays(),
                         state.calendar.shiftDays(),
                         state.settings.settings(),
                         state.instantActive,
                         state.timedPlay,
                         state.randomEngine,
                         state.programs.folder(),
                         state.paths.logFile};
}

InstantData instantDataOf(AppState& state) {
    return InstantData{state.instantItems,
                       state.instantOptions,
                       state.instantRun,
                       state.instantActive,
                       state.timedPlay,
                       state.settings.settings(),
                       state.randomEngine,
                       state.programs.folder(),
                       state.paths.instantFile,
                       state.paths.musicDir};
}

}  // namespace

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
    AppState& state = appState();
    AppEngines& engines = appEngines();
    engines.timedPlayHost = EngineHost<TimedPlayController>::create(
        L"LvtxTimedPlay", state.paths.exeDir, timerReports(u"定时播"), [&](EnginePlatform platform) {
            return std::make_unique<TimedPlayController>(timedPlayDataOf(state), std::move(platform));
        });
    engines.instantHost = EngineHost<InstantController>::create(
        L"LvtxInstantPlay", state.paths.exeDir, timerReports(u"立即播"), [&](EnginePlatform platform) {
            // After a failure that a repair tool or a reinstall mends, the help page tells where to get them.
            return std::make_unique<InstantController>(
                instantDataOf(state), InstantPlatform{std::move(platform), [](InstantHelp) { showPage(helpPage); }});
        });
    engines.powerRules = PowerRuleEngine::create(
        state.settings,
        PowerRuleActions{[] { postStatusBarRefresh(shellWindows().statusBar); },
                         [](int mode, PowerSwitch& power) {
                             const HWND main = shellWindows().mainWindow;
                             bringMainWindowForward(main);
                             runCountdownDialog(main, mode, power, appState().uiScale);
                         }},
        timerReports(u"定时关机"));
    if (engines.timedPlayHost == nullptr || engines.instantHost == nullptr || engines.powerRules == nullptr) {
        return false;
    }
    // Every change of the program list that touches a play stops it through timed play.
    state.programs.connectPlays(&engines.timedPlayHost->controller());
    return true;
}

void startWebConsole() {
    AppState& state = appState();
    AppEngines& engines = appEngines();
    engines.webOperations = makeWebOperations(state, engines);
    static CngRandomBytes random;
    static CngPasswordKdf kdf;
    engines.webConsole = WebConsoleHost::create(WebConsoleParts{
        state.web, state.webStatus, *engines.webOperations, random, kdf,
        [](DWORD code) { return systemMessageText(code); }, [] { return shellWindows().mainWindow; }});
}

void stopEngines() {
    AppEngines& engines = appEngines();
    engines.webConsole.reset();
    engines.webOperations.reset();
    appState().programs.connectPlays(nullptr);
    engines.powerRules.reset();
    engines.instantHost.reset();
    engines.timedPlayHost.reset();
}
