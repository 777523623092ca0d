#include "scheduler/win32/TimedPlayHost.h"

#include "audio/win32/DirectShowPlayer.h"

std::unique_ptr<TimedPlayHost> TimedPlayHost::create(TimedPlayData data, std::u16string_view exeDir) {
    auto window = EngineWindow::create(L"LvtxTimedPlay");
    if (!window) return nullptr;
    std::unique_ptr<TimedPlayHost> host(new TimedPlayHost(std::move(window)));
    host->players_ = std::make_unique<DirectShowPlayerFactory>(host->window_->handle(), toolsConfigFor(exeDir));
    host->controller_ = std::make_unique<TimedPlayController>(
        std::move(data), windowsEnginePlatform(*host->window_, *host->players_, exeDir));
    TimedPlayController& controller = *host->controller_;
    host->window_->route({[&controller] { controller.tick(); },
                          [&controller](const AudioPlayer* player) { controller.audioEvent(player); }});
    return host;
}

TimedPlayHost::~TimedPlayHost() {
    window_->stop();
    // No player may outlive the window its events are posted to.
    controller_->fade(0);
    window_->route({});
}
