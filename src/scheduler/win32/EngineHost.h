#pragma once
// A playing engine on Windows (timed play, immediate play): its engine window, whose 50 ms timer
// drives the controller and to which the players post their graph events, with its own
// DirectShow players and the clock. Lives on the user-interface thread from before the main
// window until the process ends.
#include <memory>
#include <string_view>
#include <utility>

#include "audio/win32/DirectShowPlayer.h"
#include "audio/win32/ToolsSource.h"
#include "scheduler/win32/EngineWindow.h"

template <class Controller>
class EngineHost {
public:
    // `makeController(EnginePlatform)` builds the controller on this host's window and players;
    // `exeDir` locates the tools folder. Null when the window cannot be made.
    template <class MakeController>
    static std::unique_ptr<EngineHost> create(const wchar_t* windowClass, std::u16string_view exeDir,
                                              MakeController makeController) {
        auto window = EngineWindow::create(windowClass);
        if (!window) return nullptr;
        std::unique_ptr<EngineHost> host(new EngineHost(std::move(window)));
        host->players_ = std::make_unique<DirectShowPlayerFactory>(host->window_->handle(), toolsConfigFor(exeDir));
        host->controller_ = makeController(windowsEnginePlatform(*host->window_, *host->players_, exeDir));
        Controller& controller = *host->controller_;
        host->window_->route({[&controller] { controller.tick(); },
                              [&controller](const AudioPlayer* player) { controller.audioEvent(player); }});
        return host;
    }

    ~EngineHost() {
        window_->stop();
        // No player may outlive the window its events are posted to.
        controller_->fade(0);
        window_->route({});
    }
    EngineHost(const EngineHost&) = delete;
    EngineHost& operator=(const EngineHost&) = delete;

    Controller& controller() { return *controller_; }

private:
    explicit EngineHost(std::unique_ptr<EngineWindow> window) : window_(std::move(window)) {}

    std::unique_ptr<EngineWindow> window_;
    std::unique_ptr<AudioPlayerFactory> players_;
    std::unique_ptr<Controller> controller_;
};
