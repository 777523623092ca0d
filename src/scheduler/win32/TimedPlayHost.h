#pragma once
// Timed play on Windows: its engine window, whose 50 ms timer drives the controller and to
// which the players post their graph events, with the DirectShow players and the clock.
// Lives on the user-interface thread from before the main window until the process ends.
#include <memory>
#include <string_view>

#include "scheduler/TimedPlayController.h"
#include "scheduler/win32/EngineWindow.h"

class TimedPlayHost {
public:
    // `exeDir` locates the tools folder. Null when the window cannot be made.
    static std::unique_ptr<TimedPlayHost> create(TimedPlayData data, std::u16string_view exeDir);
    ~TimedPlayHost();
    TimedPlayHost(const TimedPlayHost&) = delete;
    TimedPlayHost& operator=(const TimedPlayHost&) = delete;

    TimedPlayController& controller() { return *controller_; }

private:
    explicit TimedPlayHost(std::unique_ptr<EngineWindow> window) : window_(std::move(window)) {}

    std::unique_ptr<EngineWindow> window_;
    std::unique_ptr<AudioPlayerFactory> players_;
    std::unique_ptr<TimedPlayController> controller_;
};
