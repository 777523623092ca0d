#pragma once
// What the shell builds before the main window and owns until the message loop ends: timed
// play, and the start-up messages held back until the bells run.
#include <memory>

#include "data/DeferredPrompt.h"
#include "scheduler/win32/TimedPlayHost.h"

struct AppEngines {
    std::unique_ptr<TimedPlayHost> timedPlayHost;
    DeferredPrompt startUpMessages;

    // Null only before start-up made it or after the loop ended.
    TimedPlayController* timedPlay() { return timedPlayHost ? &timedPlayHost->controller() : nullptr; }
};

AppEngines& appEngines();

// Builds timed play on AppState; false when Windows refuses its window.
bool startEngines();
// Ends timed play: its players stop. Called once the message loop has ended.
void stopEngines();
