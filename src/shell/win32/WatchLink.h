#pragma once
// The program's side of the watchdog: the first copy starts its watcher, a restarted copy takes
// over the watcher's handles, and each tells it how it ends.
#include <cstdint>

#include "shell/AppState.h"
#include "shell/Watchdog.h"
#include "shell/WatchdogLaunch.h"

// Starts the watcher of this copy, which restarts it with `flags`; false when it could not be
// started (the program then runs unwatched, as before).
bool startWatcher(const StartFlags& flags);
// A copy its watcher restarted takes over the handles it inherited; false when they are not
// a watcher's (a private command line typed by hand).
bool adoptWatcher(const WatchHandles& handles);
// From shutdownApp: this copy ends by its own choice, so no exit code that follows brings it back.
void announceExit();
// From the crash handler: reports the code, waits a few seconds at most for the watcher's
// verdict and leaves the watcher to the copy it starts: whatever this copy does afterwards is
// no longer reported.
RestartAnswer reportCrash(std::uint32_t code);
