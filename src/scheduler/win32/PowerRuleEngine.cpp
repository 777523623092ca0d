#include "scheduler/win32/PowerRuleEngine.h"

#include <utility>

#include "data/win32/LocalNow.h"

std::unique_ptr<PowerRuleEngine> PowerRuleEngine::create(SettingsStore& settings, PowerRuleActions actions,
                                                         EngineTimerReports reports) {
    auto window = EngineWindow::create(L"LvtxPowerRules");
    if (!window) return nullptr;
    std::unique_ptr<PowerRuleEngine> engine(new PowerRuleEngine(std::move(window), settings, std::move(actions)));
    EngineWindow& engineWindow = *engine->window_;
    engine->timer_ = std::make_unique<KeptTimer>(
        engineWindow, engineWindow.retryTimer(),
        TimerFailureNotice{std::move(reports.engine), std::move(reports.log),
                           [&engineWindow](std::u16string_view text) { engineWindow.postNotice(text); }});
    PowerRuleEngine& self = *engine;
    engineWindow.route({[&self] { self.check_.check(self.settings_.settings(), self.settings_.stamps(), self); },
                        nullptr, [&self] { self.timer_->retry(); }, std::move(reports.show)});
    return engine;
}

PowerRuleEngine::PowerRuleEngine(std::unique_ptr<EngineWindow> window, SettingsStore& settings,
                                 PowerRuleActions actions)
    : window_(std::move(window)), settings_(settings), actions_(std::move(actions)) {}

PowerRuleEngine::~PowerRuleEngine() {
    timer_->stop();
    window_->route({});
}

void PowerRuleEngine::start() {
    timer_->start(powerRuleCheckPeriodMs);
}

void PowerRuleEngine::stop() {
    timer_->stop();
}

DateTime PowerRuleEngine::localNow() {
    return ::localNow();
}

void PowerRuleEngine::postDeviceBarRefresh() {
    if (actions_.postDeviceBarRefresh) actions_.postDeviceBarRefresh();
}

void PowerRuleEngine::runCountdown(int mode) {
    if (actions_.runCountdown) actions_.runCountdown(mode, power_);
}
