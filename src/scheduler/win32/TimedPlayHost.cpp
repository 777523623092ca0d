#include "scheduler/win32/TimedPlayHost.h"

#include "audio/win32/AudioSystemCheck.h"
#include "audio/win32/DirectShowPlayer.h"
#include "audio/win32/PreciseSleep.h"
#include "audio/win32/SystemErrorText.h"
#include "data/win32/LocalNow.h"
#include "data/win32/NetworkDrive.h"

std::unique_ptr<TimedPlayHost> TimedPlayHost::create(TimedPlayData data, std::u16string_view exeDir) {
    auto window = EngineWindow::create(L"LvtxTimedPlay");
    if (!window) return nullptr;
    std::unique_ptr<TimedPlayHost> host(new TimedPlayHost(std::move(window)));
    host->players_ = std::make_unique<DirectShowPlayerFactory>(host->window_->handle(), toolsConfigFor(exeDir));
    const std::u16string folder(exeDir);
    host->controller_ = std::make_unique<TimedPlayController>(
        std::move(data),
        TimedPlayPlatform{
            *host->players_,
            *host->window_,
            isNetworkDrive,
            [folder](AudioResult code) { return classifyOpenFailure(code, audioSystemChecks(folder)); },
            [](AudioResult code) { return systemErrorText(code); },
            preciseSleep,
            localNow,
        });
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
