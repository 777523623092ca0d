#pragma once
// The window of an engine that plays on the user-interface thread (timed play, immediate
// play): message-only, its window timer drives the engine's step and its players post their
// graph events to it; a timer of its own thread retries a step timer that Windows refused, and
// the notices about it come through its queue. Lives from before the main window until the
// process ends.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "audio/AudioPlayer.h"
#include "scheduler/EnginePlatform.h"
#include "scheduler/win32/ThreadTimer.h"

struct EngineEvents {
    std::function<void()> tick;
    std::function<void(const AudioPlayer* player)> audioEvent;
    std::function<void()> retry;  // an expiry of the retry timer
    std::function<void(std::u16string_view text)> notice;
};

// The window timer of the step.
class EngineWindow : public TickTimer {
public:
    // Null when Windows refuses the window or the retry timer. Nothing is routed until route() is called.
    static std::unique_ptr<EngineWindow> create(const wchar_t* className);
    ~EngineWindow() override;
    EngineWindow(const EngineWindow&) = delete;
    EngineWindow& operator=(const EngineWindow&) = delete;

    HWND handle() const { return window_; }
    void route(EngineEvents events) { events_ = std::move(events); }
    TickTimer& retryTimer() { return *retryTimer_; }
    // The text reaches the notice route from the window's queue, after the caller has returned.
    void postNotice(std::u16string_view text);

    bool start(unsigned periodMs) override;
    void stop() override;

private:
    explicit EngineWindow(HWND window) : window_(window) {}
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void showNotices();

    HWND window_;
    std::unique_ptr<ThreadTimer> retryTimer_;
    std::vector<std::u16string> notices_;
    EngineEvents events_;
};

// The platform of an engine driven by `timer`: `players`, and the system's clock, sleep, drive
// query and failure texts; `exeDir` locates the tools folder that the failure classification checks.
EnginePlatform windowsEnginePlatform(TickTimer& timer, AudioPlayerFactory& players, std::u16string_view exeDir);
