#include "instant/win32/InstantHost.h"

#include "audio/win32/DirectShowPlayer.h"

std::unique_ptr<InstantHost> InstantHost::create(InstantData data, std::u16string_view exeDir,
                                                 std::function<void(InstantHelp page)> openHelp) {
    auto window = EngineWindow::create(L"LvtxInstantPlay");
    if (!window) return nullptr;
    std::unique_ptr<InstantHost> host(new InstantHost(std::move(window)));
    host->players_ = std::make_unique<DirectShowPlayerFactory>(host->window_->handle(), toolsConfigFor(exeDir));
    host->controller_ = std::make_unique<InstantController>(
        std::move(data),
        InstantPlatform{windowsEnginePlatform(*host->window_, *host->players_, exeDir), std::move(openHelp)});
    InstantController& controller = *host->controller_;
    host->window_->route({[&controller] { controller.tick(); },
                          [&controller](const AudioPlayer* player) { controller.audioEvent(player); }});
    return host;
}

InstantHost::~InstantHost() {
    window_->stop();
    // No player may outlive the window its events are posted to.
    controller_->fade(0);
    window_->route({});
}
