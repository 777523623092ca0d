#pragma once
// Timed play on Windows: a message-only window whose 50 ms timer drives the controller and to
// which the players post their graph events, with the DirectShow players and the clock.
// Lives on the user-interface thread from before the main window until the process ends.
#include <windows.h>

#include <memory>
#include <string_view>

#include "scheduler/TimedPlayController.h"

class TimedPlayHost {
public:
    // `exeDir` locates the tools folder. Null when the window cannot be made.
    static std::unique_ptr<TimedPlayHost> create(TimedPlayData data, std::u16string_view exeDir);
    ~TimedPlayHost();
    TimedPlayHost(const TimedPlayHost&) = delete;
    TimedPlayHost& operator=(const TimedPlayHost&) = delete;

    TimedPlayController& controller() { return *controller_; }

private:
    class WindowTimer;
    explicit TimedPlayHost(HWND window);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
    std::unique_ptr<WindowTimer> timer_;
    std::unique_ptr<AudioPlayerFactory> players_;
    std::unique_ptr<TimedPlayController> controller_;
};
