#pragma once
// A playing engine on Windows (timed play, immediate play): its engine window, whose 50 ms timer
// drives the controller, kept running through the window's retry timer, and to which the players
// post their graph events, with its own DirectShow players and the clock. Lives on the
// user-interface thread from before the main window until the process ends.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "audio/win32/DirectShowPlayer.h"
#include "audio/win32/ToolsSource.h"
#include "scheduler/KeptTimer.h"
#include "scheduler/win32/EngineWindow.h"

// How a refused step timer is reported: the engine's name, the play log, and the box shown to
// the operator from the engine window's queue.
struct EngineTimerReports {
    std::u16string engine;
    std::function<void(std::u16string_view text)> log;
    std::function<void(std::u16string_view text)> show;
};

template <class Controller>
class EngineHost {
public:
    // `makeController(EnginePlatform)` builds the controller on this host's timer and players;
    // `exeDir` locates the tools folder. Null when the window cannot be made.
    template <class MakeController>
    static std::unique_ptr<EngineHost> create(const wchar_t* windowClass, std::u16string_view exeDir,
                                              EngineTimerReports reports, MakeController makeController) {
        auto window = EngineWindow::create(windowClass);
        if (!window) return nullptr;
        std::unique_ptr<EngineHost> host(new EngineHost(std::move(window)));
        EngineWindow& engineWindow = *host->window_;
        host->timer_ = std::make_unique<KeptTimer>(
            engineWindow, engineWindow.retryTimer(),
            TimerFailureNotice{std::move(reports.engine), std::move(reports.log),
                               [&engineWindow](std::u16string_view text) { engineWindow.postNotice(text); }});
        host->players_ = std::make_unique<DirectShowPlayerFactory>(engineWindow.handle(), toolsConfigFor(exeDir));
        host->controller_ = makeController(windowsEnginePlatform(*host->timer_, *host->players_, exeDir));
        Controller& controller = *host->controller_;
        KeptTimer& timer = *host->timer_;
        engineWindow.route({[&controller] { controller.tick(); },
                            [&controller](const AudioPlayer* player) { controller.audioEvent(player); },
                            [&timer] { timer.retry(); }, std::move(reports.show)});
        return host;
    }

    ~EngineHost() {
        timer_->stop();
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
    std::unique_ptr<KeptTimer> timer_;
    std::unique_ptr<AudioPlayerFactory> players_;
    std::unique_ptr<Controller> controller_;
};
