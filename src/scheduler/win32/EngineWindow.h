#pragma once
// The window of an engine that plays on the user-interface thread (timed play, immediate
// play): message-only, its window timer drives the engine's step and its players post their
// graph events to it. Lives from before the main window until the process ends.
#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "audio/AudioPlayer.h"
#include "scheduler/EnginePlatform.h"

struct EngineEvents {
    std::function<void()> tick;
    std::function<void(const AudioPlayer* player)> audioEvent;
};

class EngineWindow : public TickTimer {
public:
    // Null when Windows refuses the window. Nothing is routed until route() is called.
    static std::unique_ptr<EngineWindow> create(const wchar_t* className);
    ~EngineWindow() override;
    EngineWindow(const EngineWindow&) = delete;
    EngineWindow& operator=(const EngineWindow&) = delete;

    HWND handle() const { return window_; }
    void route(EngineEvents events) { events_ = std::move(events); }

    void start(unsigned periodMs) override;
    void stop() override;

private:
    explicit EngineWindow(HWND window) : window_(window) {}
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
    EngineEvents events_;
};

// The platform of an engine on `window`: its timer, `players` that post their events to it, and
// the system's clock, sleep, drive query and failure texts; `exeDir` locates the tools folder
// that the failure classification checks.
EnginePlatform windowsEnginePlatform(EngineWindow& window, AudioPlayerFactory& players, std::u16string_view exeDir);
