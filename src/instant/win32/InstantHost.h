#pragma once
// Immediate play on Windows: its engine window, whose 50 ms timer drives the controller and
// to which its players post their graph events, with its own DirectShow players and the clock.
// Lives on the user-interface thread from before the main window until the process ends.
#include <functional>
#include <memory>
#include <string_view>

#include "instant/InstantController.h"
#include "scheduler/win32/EngineWindow.h"

class InstantHost {
public:
    // `exeDir` locates the tools folder; `openHelp` shows the operator where to mend a failure
    // of the audio system or of the tool files. Null when the window cannot be made.
    static std::unique_ptr<InstantHost> create(InstantData data, std::u16string_view exeDir,
                                               std::function<void(InstantHelp page)> openHelp);
    ~InstantHost();
    InstantHost(const InstantHost&) = delete;
    InstantHost& operator=(const InstantHost&) = delete;

    InstantController& controller() { return *controller_; }

private:
    explicit InstantHost(std::unique_ptr<EngineWindow> window) : window_(std::move(window)) {}

    std::unique_ptr<EngineWindow> window_;
    std::unique_ptr<AudioPlayerFactory> players_;
    std::unique_ptr<InstantController> controller_;
};
