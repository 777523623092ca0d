#pragma once
// What a playing engine (timed play, immediate play) needs from the platform: players, the
// timer that drives its step, and the system's answers about drives, failures, time and sleep.
#include <functional>
#include <string>

#include "audio/AudioPath.h"
#include "audio/AudioPlayer.h"
#include "audio/PlayError.h"
#include "audio/Volume.h"
#include "data/DateTime.h"

// A periodic timer whose expiries call the engine's tick on the same thread.
class TickTimer {
public:
    virtual ~TickTimer() = default;
    // False when the system refused the timer.
    virtual bool start(unsigned periodMs) = 0;
    virtual void stop() = 0;
};

struct EnginePlatform {
    AudioPlayerFactory& players;
    TickTimer& timer;
    NetworkDriveQuery isNetworkDrive;
    std::function<PlayErrorKind(AudioResult code)> classify;
    std::function<std::u16string(AudioResult code)> errorText;
    SleepFunction sleep;
    std::function<DateTime()> clock;  // the local time, milliseconds kept
};

// The time an engine's step works with: the local time to the whole second.
inline DateTime tickTimeOf(const EnginePlatform& platform) {
    DateTime now = platform.clock();
    now.milliseconds = 0;
    return now;
}

// Runs an engine's step unless one is running already: a message box opened inside a step pumps
// the timer, and a nested step would change the queue under the running one.
template <class Step>
void runUnlessRunning(bool& running, Step step) {
    if (running) return;
    running = true;
    step();
    running = false;
}
