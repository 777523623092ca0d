#pragma once
// What the shell builds before the main window and owns until the message loop ends: timed
// play, immediate play, the power rules' check, and the start-up messages held back until the
// bells run.
#include <memory>

#include "data/DeferredPrompt.h"
#include "instant/InstantController.h"
#include "scheduler/TimedPlayController.h"
#include "scheduler/win32/EngineHost.h"
#include "scheduler/win32/PowerRuleEngine.h"
#include "web/win32/WebConsoleHost.h"

struct AppEngines {
    std::unique_ptr<EngineHost<TimedPlayController>> timedPlayHost;
    std::unique_ptr<EngineHost<InstantController>> instantHost;
    std::unique_ptr<PowerRuleEngine> powerRules;
    std::unique_ptr<WebConsoleOperations> webOperations;
    std::unique_ptr<WebConsoleHost> webConsole;
    DeferredPrompt startUpMessages;

    // Null only before start-up made them or after the loop ended.
    TimedPlayController* timedPlay() { return timedPlayHost ? &timedPlayHost->controller() : nullptr; }
    InstantController* instant() { return instantHost ? &instantHost->controller() : nullptr; }
};

AppEngines& appEngines();

// Builds timed play, immediate play and the power rules' check on AppState; false when Windows
// refuses a window.
bool startEngines();
// The web console once the lists are loaded and the bells run; it listens when its settings say so.
void startWebConsole();
// Ends them all: the web console first, then the players stop. Called once the message loop has ended.
void stopEngines();
